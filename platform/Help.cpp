#include "Help.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>

#include "HelpBook.h"
#include "HelpWindow.h"

namespace {

HelpSystem*& installed() {
    static HelpSystem* h = nullptr;
    return h;
}

// One help window per process, as there was one help viewer. It is deleted
// while the application object still exists.
QPointer<HelpWindow>& theWindow() {
    static QPointer<HelpWindow> w;
    return w;
}

void deleteHelpWindow() { delete theWindow().data(); }

}  // namespace

HelpSystem::~HelpSystem() = default;

HelpSystem& HelpSystem::current() {
    static WindowHelp fallback;
    return installed() ? *installed() : fallback;
}

HelpSystem* HelpSystem::install(HelpSystem* h) {
    HelpSystem* previous = installed();
    installed() = h;
    return previous;
}

WindowHelp::WindowHelp() = default;
WindowHelp::~WindowHelp() = default;

void WindowHelp::setHelpFile(const QString& file) { file_ = file; }

HelpWindow* WindowHelp::window() {
    if (!theWindow()) {
        theWindow() = new HelpWindow;
        qAddPostRoutine(deleteHelpWindow);
    }
    return theWindow();
}

bool WindowHelp::openBook() {
    const QString folder = HelpBook::folderFor(file_);
    HelpWindow* w = window();
    if (w->book().isLoaded() && QDir(w->book().folder()) == QDir(folder)) return true;
    return w->openBook(folder);
}

bool WindowHelp::showContents() { return openBook() && window()->showContents(); }

bool WindowHelp::search(const QString& keyword) { return openBook() && window()->showIndex(keyword); }

bool WindowHelp::helpOnHelp() {
    // The help window's own help belongs to the program's book, whichever
    // file is current.
    HelpWindow* w = window();
    const QString folder = HelpBook::folderFor(QStringLiteral("quillmar.hlp"));
    if (!(w->book().isLoaded() && QDir(w->book().folder()) == QDir(folder)) && !w->openBook(folder)) return false;
    return w->showPage(w->book().pagePath(QString::fromLatin1(kHelpOnHelpPage)));
}

bool WindowHelp::showContext(int context) { return openBook() && window()->showContext(context); }
