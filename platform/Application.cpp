#include "Application.h"

#include <QDebug>
#include <atomic>
#include <new>

#include "Sound.h"

namespace {

ExceptionHandler& handlerSlot() {
    static ExceptionHandler h;
    return h;
}

std::atomic<int> g_caught{0};
thread_local bool t_inHandler = false; // an exception raised while handling one is not re-dispatched

QString describeCurrent() {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return QStringLiteral("out of memory");
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (const QString& s) {
        return s;
    } catch (const char* s) {
        return QString::fromLocal8Bit(s);
    } catch (...) {
        return QStringLiteral("unknown exception");
    }
}

void defaultHandler(const QString& what) {
    qWarning("Unhandled exception: %s", qUtf8Printable(what));
    SoundPlayer::current().playDefault();
}

}  // namespace

ExceptionHandler setExceptionHandler(ExceptionHandler handler) {
    ExceptionHandler previous = std::move(handlerSlot());
    handlerSlot() = std::move(handler);
    return previous;
}

int caughtExceptionCount() { return g_caught.load(); }

void handleCurrentException() noexcept {
    ++g_caught;
    QString what;
    try {
        what = describeCurrent();
    } catch (...) {
        what = QStringLiteral("unknown exception");
    }
    if (t_inHandler) {
        qWarning("Exception while handling an exception: %s", qUtf8Printable(what));
        return;
    }
    t_inHandler = true;
    try {
        if (handlerSlot())
            handlerSlot()(what);
        else
            defaultHandler(what);
    } catch (...) {
        qWarning("The exception handler failed while handling: %s", qUtf8Printable(what));
    }
    t_inHandler = false;
}

QuillmarApplication::QuillmarApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool QuillmarApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        // Not handled: in particular a close handler that failed must not
        // close the window (its document could still hold unsaved text).
        if (event) event->ignore();
        handleCurrentException();
        return false;
    }
}
