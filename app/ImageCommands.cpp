#include "ImageCommands.h"

#include "TagInsertion.h"
#include "TfImageBrowser.h"
#include "TmdiMain.h"

void installImageCommands(TmdiMain& main) {
    TmdiMain* m = &main;
    auto* browser = new TfImageBrowser(m);
    browser->setInserter([m](const QString& start, const QString& end) {
        if (m->activeDocument()) InsertTag(*m, start, end);
    });
    main.setHandler("Pick2Click", [browser] {
        browser->show();
        browser->raise();
        browser->activateWindow();
    });
}
