#include "PluginCommands.h"

#include "TagInsertion.h"
#include "TfPlugIn.h"
#include "TmdiMain.h"

void installPluginCommands(TmdiMain& main) {
    TmdiMain* w = &main;
    auto* plugIns = new TfPlugIn(w);
    plugIns->insertPair = [w](const QString& start, const QString& end) { InsertTag(*w, start, end); };
    plugIns->setDragPair = [](const QString& start, const QString& end) { setLastTagPair(start, end); };
    w->setHandler("PlugIns1Click", [plugIns] {
        plugIns->show();
        plugIns->raise();
    });
}
