// The window placement record against real (offscreen) widgets.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "Placement.h"

namespace {

WindowPlacement record(int showCmd, int left, int top, int right, int bottom) {
    WindowPlacement p;
    p.showCmd = showCmd;
    p.left = left;
    p.top = top;
    p.right = right;
    p.bottom = bottom;
    return p;
}

TEST(Placement, NormalWindowGivesItsRectangleWithExclusiveEdges) {
    QWidget w;
    w.setGeometry(30, 40, 200, 100);
    const WindowPlacement p = placementOf(w);
    EXPECT_EQ(p, record(WindowPlacement::kShowNormal, 30, 40, 230, 140));
    EXPECT_EQ(p.minX, -1);
    EXPECT_EQ(p.flags, 0);
}

TEST(Placement, ApplyingKeepsAHiddenWindowHidden) {
    QWidget w;
    applyPlacement(w, record(WindowPlacement::kShowNormal, 50, 60, 350, 260));
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.geometry(), QRect(50, 60, 300, 200));
}

TEST(Placement, MaximisedWindowKeepsItsNormalRectangle) {
    QWidget w;
    applyPlacement(w, record(WindowPlacement::kShowMaximized, 50, 60, 350, 260));
    EXPECT_TRUE(w.windowState() & Qt::WindowMaximized);
    w.show();
    const WindowPlacement p = placementOf(w);
    EXPECT_EQ(p.showCmd, WindowPlacement::kShowMaximized);
    EXPECT_EQ(p, record(WindowPlacement::kShowMaximized, 50, 60, 350, 260));
    w.showNormal();
    EXPECT_EQ(w.geometry(), QRect(50, 60, 300, 200));
}

TEST(Placement, MinimisedFromMaximisedIsRecordedWithItsFlag) {
    QWidget w;
    WindowPlacement p = record(WindowPlacement::kShowMinimized, 50, 60, 350, 260);
    p.flags = WindowPlacement::kRestoreToMaximized;
    applyPlacement(w, p);
    EXPECT_EQ(w.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized),
              Qt::WindowMinimized | Qt::WindowMaximized);
    const WindowPlacement back = placementOf(w);
    EXPECT_EQ(back.showCmd, WindowPlacement::kShowMinimized);
    EXPECT_EQ(back.flags, WindowPlacement::kRestoreToMaximized);
}

TEST(Placement, WindowOffEveryScreenIsBroughtBack) {
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    QWidget w;
    applyPlacement(w, record(WindowPlacement::kShowNormal, 50000, 40000, 50300, 40200));
    EXPECT_EQ(w.geometry(), QRect(screen->availableGeometry().topLeft(), QSize(300, 200)));
}

TEST(Placement, EmptyRectangleIsNotApplied) {
    QWidget w;
    w.setGeometry(10, 20, 300, 200);
    applyPlacement(w, record(WindowPlacement::kShowNormal, 50, 60, 350, 60));
    EXPECT_EQ(w.geometry(), QRect(10, 20, 300, 200));
}

TEST(Placement, ChildWidgetUsesItsParentsCoordinates) {
    QWidget parent;
    parent.setGeometry(100, 100, 400, 400);
    QWidget child(&parent);
    applyPlacement(child, record(WindowPlacement::kShowNormal, 5, 6, 105, 56));
    EXPECT_EQ(child.geometry(), QRect(5, 6, 100, 50));
    EXPECT_EQ(placementOf(child), record(WindowPlacement::kShowNormal, 5, 6, 105, 56));
}

}  // namespace
