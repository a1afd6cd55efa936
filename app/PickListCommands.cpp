#include "PickListCommands.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QListWidget>
#include <QRandomGenerator>

#include "ModalRunner.h"
#include "Paths.h"
#include "PickListWindows.h"
#include "TabStopDelegate.h"
#include "TagInsertion.h"
#include "TfColorChooser.h"
#include "TfNotePad.h"
#include "TfTipOfTheDay.h"
#include "TmdiMain.h"
#include "Tips.h"
#include "TMegaRegistry.h"

namespace {

// Shows a hidden tool window again, in front.
void bringUp(QWidget* w) {
    w->show();
    w->raise();
    w->activateWindow();
}

void wireList(TmdiMain& main, TfPickList* window, double tabShare, const char* handler) {
    TmdiMain* m = &main;
    window->list()->setItemDelegate(new TabStopDelegate(tabShare, window->list()));
    window->setInserter([m](const QString& start, const QString& end) { InsertTag(*m, start, end); });
    window->setDragStarter([](const QString& start, const QString& end) { setLastTagPair(start, end); });
    main.setHandler(handler, [window] { bringUp(window); });
}

void DisplayTips(TmdiMain& main) {
    std::vector<std::string> lines = tips::readTips(paths::dataFile("TIPS.TXT").string());
    const std::size_t start = lines.empty() ? 0 : QRandomGenerator::global()->bounded(quint32(lines.size()));
    TfTipOfTheDay tip(std::move(lines), start, &main);
    tip.chkShowTips->setChecked(true);
    runModal(tip);
    if (!tip.chkShowTips->isChecked()) main.IniControl().WriteBool("Start Options", "Tips", false);
}

}  // namespace

void installPickListCommands(TmdiMain& main) {
    TmdiMain* m = &main;
    wireList(main, picklists::makeHtmlTagsWindow(m), 0.5, "HTMLTagsChooser1Click");
    wireList(main, picklists::makeSymbolsWindow(m), 0.3, "Symbol1Click");
    wireList(main, picklists::makeUrlLibraryWindow(m), 0.75, "URLLibrary1Click");

    auto* colors = new TfColorChooser(m);
    colors->setInserter([m](const QString& start, const QString& end) { InsertTag(*m, start, end); });
    main.setHandler("ColorChooser1Click", [colors] { bringUp(colors); });

    auto* notes = new TfNotePad(m);
    main.setHandler("DisplayNotePad1Click", [notes] { bringUp(notes); });
    // Ending the program by any way that runs the event loop to its end
    // writes the notes; the note pad's destructor covers the rest.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, notes, &TfNotePad::saveIfChanged);

    main.setTipsHandler([m] { DisplayTips(*m); });
}
