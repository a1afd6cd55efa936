#include "Wiring.h"

#include "DocumentCommands.h"
#include "FileCommands.h"
#include "MacroCommands.h"
#include "PluginCommands.h"
#include "TagCommands.h"
#include "TmdiMain.h"

void installAllCommands(TmdiMain& main) {
    installDocumentCommands(main);
    installFileCommands(main);
    installTagCommands(main);
    installMacroCommands(main);
    installPluginCommands(main);
}
