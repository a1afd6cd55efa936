#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <stdexcept>

#include "Application.h"
#include "RecordingHooks.h"

namespace {

// Collects what reaches the exception handler while it lives.
class CaughtExceptions {
public:
    CaughtExceptions() : previous_(setExceptionHandler([this](const QString& w) { what << w; })) {}
    ~CaughtExceptions() { setExceptionHandler(previous_); }
    QStringList what;

private:
    ExceptionHandler previous_;
};

// A widget whose handler for one event type throws; every other event (and
// the same type once disarmed) is handled normally and counted.
class Faulty : public QWidget {
public:
    QEvent::Type throwOn = QEvent::None;
    int keys = 0;
    int paints = 0;

protected:
    bool event(QEvent* e) override {
        if (e->type() == throwOn) throw std::runtime_error("fault in " + std::to_string(int(e->type())));
        return QWidget::event(e);
    }
    void keyPressEvent(QKeyEvent*) override { ++keys; }
    void paintEvent(QPaintEvent*) override { ++paints; }
    void dragEnterEvent(QDragEnterEvent* e) override { e->acceptProposedAction(); }
};

}  // namespace

TEST(Dispatcher, TheApplicationIsTheProgramsOwn) {
    EXPECT_NE(qobject_cast<QuillmarApplication*>(qApp), nullptr);
}

// Each kind of handler: the exception reaches the handler and the widget
// goes on handling events afterwards.
TEST(Dispatcher, CatchesInEveryKindOfWidgetHandler) {
    Faulty w;
    w.setAcceptDrops(true);
    w.resize(200, 100);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));

    const struct {
        const char* name;
        QEvent::Type type;
        std::function<void()> trigger;
    } cases[] = {
        {"key", QEvent::KeyPress, [&] { QTest::keyClick(&w, Qt::Key_A); }},
        {"paint", QEvent::Paint, [&] { w.repaint(); }},
        {"mouse", QEvent::MouseButtonPress, [&] { QTest::mouseClick(&w, Qt::LeftButton); }},
        {"resize", QEvent::Resize, [&] { w.resize(w.width() + 10, 100); }},
        {"hide", QEvent::Hide, [&] { w.hide(); }},
        {"show", QEvent::Show, [&] { w.show(); }},
        {"drop", QEvent::Drop, [&] {
             QMimeData data;
             data.setText("<B>");
             // Qt delivers a drop only to the widget that accepted the drag's entry.
             QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(&w, &enter);
             QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(&w, &drop);
         }},
    };
    for (const auto& c : cases) {
        CaughtExceptions caught;
        w.throwOn = c.type;
        c.trigger();
        w.throwOn = QEvent::None;
        EXPECT_EQ(caught.what.size(), 1) << c.name;
        if (!caught.what.isEmpty()) {
            EXPECT_EQ(caught.what[0], QString("fault in %1").arg(int(c.type))) << c.name;
        }
    }
    // The widget still works.
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const int keys = w.keys;
    const int paints = w.paints;
    QTest::keyClick(&w, Qt::Key_B);
    w.grab();
    EXPECT_EQ(w.keys, keys + 1);
    EXPECT_GT(w.paints, paints);
}

TEST(Dispatcher, ACloseHandlerThatThrowsLeavesTheWindowOpen) {
    CaughtExceptions caught;
    Faulty w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.throwOn = QEvent::Close;
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(caught.what.size(), 1);
    w.throwOn = QEvent::None;
    EXPECT_TRUE(w.close());
}

TEST(Dispatcher, ARepeatingTimerKeepsFiringAfterItsSlotThrew) {
    CaughtExceptions caught;
    QTimer timer;
    int ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (++ticks == 1) throw std::logic_error("first tick");
    });
    timer.start(5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 5000));
    timer.stop();
    EXPECT_EQ(caught.what, QStringList{"first tick"});
}

TEST(Dispatcher, MenuCommandsThroughShortcutAndToolButton) {
    CaughtExceptions caught;
    QMainWindow win;
    auto* menu = win.menuBar()->addMenu("&Edit");
    QAction* act = menu->addAction("Repeat &Last Tag");
    act->setShortcut(QKeySequence(Qt::Key_F4));
    int runs = 0;
    QObject::connect(act, &QAction::triggered, [&] {
        ++runs;
        throw std::runtime_error("command failed");
    });
    auto* button = new QToolButton(&win);
    button->setDefaultAction(act);
    win.setCentralWidget(button);
    win.show();
    QApplication::setActiveWindow(&win);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));

    QTest::keyClick(&win, Qt::Key_F4);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(caught.what, (QStringList{"command failed", "command failed"}));
}

TEST(Dispatcher, DispatchHandsExceptionsToTheHandler) {
    CaughtExceptions caught;
    const int before = caughtExceptionCount();
    EXPECT_TRUE(dispatch([] {}));
    EXPECT_FALSE(dispatch([] { throw std::runtime_error("std"); }));
    EXPECT_FALSE(dispatch([] { throw 42; }));
    EXPECT_EQ(caught.what, (QStringList{"std", "unknown exception"}));
    EXPECT_EQ(caughtExceptionCount(), before + 2);
}

TEST(Dispatcher, AFailingHandlerDoesNotEscape) {
    ExceptionHandler previous = setExceptionHandler([](const QString&) { throw std::runtime_error("handler"); });
    EXPECT_FALSE(dispatch([] { throw std::runtime_error("original"); }));
    // Inside the handler a second fault is dropped, never dispatched again.
    int inner = 0;
    setExceptionHandler([&](const QString&) {
        ++inner;
        dispatch([] { throw std::runtime_error("nested"); });
    });
    EXPECT_FALSE(dispatch([] { throw std::runtime_error("outer"); }));
    EXPECT_EQ(inner, 1);
    setExceptionHandler(previous);
}

TEST(Dispatcher, TheDefaultHandlerPlaysTheDefaultSound) {
    RecordingSoundPlayer sound;
    ExceptionHandler previous = setExceptionHandler({});
    dispatch([] { throw std::runtime_error("x"); });
    setExceptionHandler(previous);
    EXPECT_EQ(sound.defaultSounds, 1);
}
