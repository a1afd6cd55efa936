#include "Wiring.h"

#include "DocumentCommands.h"
#include "FileCommands.h"
#include "PreviewCommands.h"
#include "TagCommands.h"
#include "TmdiMain.h"

void installAllCommands(TmdiMain& main) {
    installDocumentCommands(main);
    installFileCommands(main);
    installTagCommands(main);
    installPreviewCommands(main);
}
