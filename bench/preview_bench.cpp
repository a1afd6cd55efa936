// Web Preview on a large page: the time from F9 (the command run as its key
// runs it) until the page is loaded, and until its first screen is painted
// (the preview's grab shows the page's own background colour, a new one each
// run, watched from F9 on: the engine paints before the load ends). The first
// run includes starting the browser engine; the rest preview again into
// the open window, as a user does after each edit. On the offscreen
// platform unless QT_QPA_PLATFORM says otherwise.
// Not a test: timings depend on the machine. Usage: preview_bench [MB] [runs]

#include <QApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QWebEngineView>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "HtmlViewer.h"
#include "PreviewCommands.h"
#include "TTextEditControl.h"
#include "TfHTML.h"
#include "TfPreview.h"
#include "TmdiMain.h"

namespace {

// A page of about `bytes` bytes: a table, a flex row and paragraphs, on a
// background of blue `blue`.
std::string page(std::size_t bytes, int blue) {
    char colour[8];
    std::snprintf(colour, sizeof colour, "#1234%02X", blue & 0xFF);
    std::string s = "<html><head><title>Large</title><style>.row{display:flex;gap:4px}</style></head>\n<body bgcolor=\"" +
                    std::string(colour) +
                    "\" text=\"#FFFFFF\">\n<div class=row><div>one</div><div>two</div></div>\n<table>\n";
    for (int i = 0; s.size() < bytes / 2; ++i)
        s += "<tr><td>" + std::to_string(i) + "</td><td>cell text " + std::to_string(i * 7) + "</td><td><b>bold</b></td></tr>\n";
    s += "</table>\n";
    for (int i = 0; s.size() < bytes; ++i)
        s += "<p>Paragraph " + std::to_string(i) + " with <a href=\"p" + std::to_string(i) + ".html\">a link</a> and some words.</p>\n";
    return s + "</body></html>\n";
}

bool painted(HtmlViewer* v, int blue) {
    const QImage img = v->view()->grab().toImage();
    return !img.isNull() && img.width() > 10 && img.pixel(5, img.height() - 5) == qRgb(0x12, 0x34, blue & 0xFF);
}

}  // namespace

int main(int argc, char** argv) {
    const double mb = argc > 1 ? std::atof(argv[1]) : 1.0;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    if (mb <= 0 || runs <= 0) {
        std::fprintf(stderr, "usage: preview_bench [MB] [runs]\n");
        return 2;
    }
    QTemporaryDir config, data;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    TmdiMain main;
    installPreviewCommands(main);
    TfHTML* doc = TfHTML::create(main);
    main.mdiArea()->setActiveSubWindow(doc->subWindow());
    HtmlViewer* viewer = previewWindow(main).Viewer();
    std::size_t size = 0;

    std::vector<double> loaded, shown;
    for (int r = 0; r < runs; ++r) {
        const int blue = 0x56 + r;
        const std::string text = page(static_cast<std::size_t>(mb * 1e6), blue);
        size = text.size();
        doc->txtHTML()->ClearAll();
        doc->txtHTML()->InsertText(text);
        bool done = false;
        double loadMs = 0;
        QElapsedTimer t;
        auto c = QObject::connect(viewer, &HtmlViewer::loadFinished, [&] {
            done = true;
            loadMs = double(t.nsecsElapsed()) / 1e6;
        });
        t.start();
        main.runCommand("WebPreview1Click");
        const double command = double(t.nsecsElapsed()) / 1e6;
        double paintMs = -1;
        while ((!done || paintMs < 0) && t.elapsed() < 60000) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
            if (paintMs < 0 && painted(viewer, blue)) paintMs = double(t.nsecsElapsed()) / 1e6;
        }
        QObject::disconnect(c);
        if (!done || paintMs < 0) {
            std::printf("run %d: the page was not shown\n", r + 1);
            return 1;
        }
        loaded.push_back(loadMs);
        shown.push_back(paintMs);
        std::printf("run %d: command %.0f ms, first screen painted %.0f ms, load finished %.0f ms%s\n", r + 1, command,
                    paintMs, loadMs, r == 0 ? " (engine start included)" : "");
    }
    std::printf("page %zu bytes\n", size);
    if (runs > 1) {
        std::vector<double> warm(shown.begin() + 1, shown.end());
        std::sort(warm.begin(), warm.end());
        std::printf("F9 to first screen painted, median of %d later runs: %.0f ms (goal: under 1000 ms)\n", runs - 1,
                    warm[warm.size() / 2]);
    }
    doc->txtHTML()->setModified(false);
    return 0;
}
