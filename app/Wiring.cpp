#include "Wiring.h"

#include "DocumentCommands.h"
#include "FileCommands.h"
#include "TmdiMain.h"

void installAllCommands(TmdiMain& main) {
    installDocumentCommands(main);
    installFileCommands(main);
}
