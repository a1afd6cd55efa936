// Grab URLs and the URL library on a large bookmark file: a document of N
// links (default 20,000) and a library file of N entries. Times, on the real
// dialog (offscreen platform):
//   grab:  Tools > Grab URLs until the dialog is shown with its lists filled;
//   move:  ">>" (every new link into the library);
//   save:  "&Save" (library.fil written).
// Not a test: timings depend on the machine. Usage: urlgrab_bench [links]

#include <QApplication>
#include <QMdiArea>
#include <QPushButton>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "Paths.h"
#include "TTextEditControl.h"
#include "TagCommands.h"
#include "TfHTML.h"
#include "TfURLGrab.h"
#include "TmdiMain.h"

namespace {

double msSince(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

// Link i: scattered keys in mixed case, as bookmark files hold them.
std::string link(int i, int n, const char* tag) {
    return "<A HREF=\"http://" + std::string(i % 3 ? "www" : "WWW") + ".example.org/" + std::to_string((i * 7919) % n) +
           tag + "\">Page " + std::to_string(i) + "</A>";
}

}  // namespace

int main(int argc, char** argv) {
    const int n = argc > 1 ? std::atoi(argv[1]) : 20000;
    if (n <= 0) {
        std::fprintf(stderr, "usage: urlgrab_bench [links]\n");
        return 2;
    }
    // Fresh settings and data folders: the user's library is never touched.
    QTemporaryDir config, data;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    std::filesystem::create_directories(paths::dataFile("library.fil").parent_path());
    {
        std::ofstream library(paths::dataFile("library.fil"), std::ios::binary);
        for (int i = 0; i < n; ++i) library << link(i, n, "/lib") << "\r\n";
    }
    std::string document;
    for (int i = 0; i < n; ++i) document += "<DT>" + link(i, n, "/new") + "\r\n";

    TmdiMain main;
    installTagCommands(main);
    TfHTML* doc = TfHTML::create(main);
    main.mdiArea()->setActiveSubWindow(doc->subWindow());
    doc->txtHTML()->InsertText(std::string_view(document));
    TfURLGrab* grab = main.findChild<TfURLGrab*>();

    auto t0 = std::chrono::steady_clock::now();
    main.runCommand("GrabURLs1Click");
    QApplication::processEvents();
    const double grabMs = msSince(t0);
    const auto found = grab->newUrls().size(), library = grab->libraryUrls().size();

    t0 = std::chrono::steady_clock::now();
    grab->IncAllBtn->click();
    QApplication::processEvents();
    const double moveMs = msSince(t0);

    t0 = std::chrono::steady_clock::now();
    grab->OKBtn->click();
    const double saveMs = msSince(t0);

    const auto saved = grab->libraryUrls().size();
    std::printf("links %d: found %lld, library %lld, saved %lld\n", n, static_cast<long long>(found),
                static_cast<long long>(library), static_cast<long long>(saved));
    std::printf("grab %.0f ms, move %.0f ms, save %.0f ms\n", grabMs, moveMs, saveMs);
    const bool ok = found == n && library == n && saved == 2 * n;
    if (!ok) std::printf("the dialog did not do the whole work\n");
    doc->txtHTML()->setModified(false);
    return ok ? 0 : 1;
}
