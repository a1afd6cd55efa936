#include "Wiring.h"

#include "DocumentCommands.h"
#include "FileCommands.h"
#include "FormsWizardCommands.h"
#include "HomePageCommands.h"
#include "ImageCommands.h"
#include "TableWizardCommands.h"
#include "OptionsCommands.h"
#include "ProjectCommands.h"
#include "MacroCommands.h"
#include "PluginCommands.h"
#include "PickListCommands.h"
#include "PreviewCommands.h"
#include "SyntaxCommands.h"
#include "TagCommands.h"
#include "TemplateCommands.h"
#include "TmdiMain.h"
#include "WizardsTwoCommands.h"

void installAllCommands(TmdiMain& main) {
    installDocumentCommands(main);
    installFileCommands(main);
    installTagCommands(main);
    installTableWizardCommands(main);
    installFormsWizardCommands(main);
    installHomePageCommands(main);
    installWizardsTwoCommands(main);
    installOptionsCommands(main);
    installTemplateCommands(main);
    installProjectCommands(main);
    installMacroCommands(main);
    installPluginCommands(main);
    installPickListCommands(main);
    installPreviewCommands(main);
    installSyntaxCommands(main);
    installImageCommands(main);
}
