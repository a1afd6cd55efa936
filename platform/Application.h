#pragma once
// The exception dispatcher. No exception may reach Qt: QuillmarApplication
// catches every exception at the one place all events pass (notify), which
// covers commands (menu and toolbar actions, shortcuts) and the show, close,
// resize, paint, key, mouse, drop and timer handlers alike, and hands it to
// the installed exception handler. The program then carries on.
//
// Code that runs outside event delivery (before exec(), from main, from a
// callback a library makes) wraps itself in dispatch().

#include <QApplication>
#include <QString>
#include <exception>
#include <functional>
#include <utility>

// Receives a description of the exception ("what()" for std::exception).
// The main window installs its AppException here: a status text and the
// default sound, no dialog.
using ExceptionHandler = std::function<void(const QString& what)>;

// Installs the handler (empty: the default one, which logs a warning and
// plays the default sound); returns the previous one.
ExceptionHandler setExceptionHandler(ExceptionHandler handler);

// Hands the exception being handled to the handler; call only inside a catch
// block. Never throws: an exception from the handler itself is logged and
// dropped.
void handleCurrentException() noexcept;

// How many exceptions have reached the handler so far in this process.
int caughtExceptionCount();

// Runs f; an exception goes to the handler instead of the caller.
// Returns true when f finished normally.
template <class F>
bool dispatch(F&& f) noexcept {
    try {
        std::forward<F>(f)();
        return true;
    } catch (...) {
        handleCurrentException();
        return false;
    }
}

class QuillmarApplication : public QApplication {
    Q_OBJECT
public:
    QuillmarApplication(int& argc, char** argv);

    // Delivers the event; an exception from any handler goes to the
    // exception handler and the event counts as not handled (ignored), so a
    // close handler that throws leaves its window open.
    bool notify(QObject* receiver, QEvent* event) override;
};
