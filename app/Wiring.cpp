#include "Wiring.h"

#include "DocumentCommands.h"
#include "FileCommands.h"
#include "ProjectCommands.h"
#include "TagCommands.h"
#include "TemplateCommands.h"
#include "TmdiMain.h"

void installAllCommands(TmdiMain& main) {
    installDocumentCommands(main);
    installFileCommands(main);
    installTagCommands(main);
    installTemplateCommands(main);
    installProjectCommands(main);
}
