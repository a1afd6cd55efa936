// The main window's six toolbars as users move them: floating and docking by
// double-click and by drag, rolling up, icons, and the layout kept in
// quil32tb.ini across a restart.

#include <gtest/gtest.h>

#include <QAction>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <set>

#include "CommandTable.h"
#include "DockHost.h"
#include "IniFile.h"
#include "MainWindowFixture.h"
#include "TDocForm.h"
#include "TDocPanel.h"
#include "TmdiMain.h"

using toolbars::DockSide;

namespace {

class ToolbarDockTest : public MainWindowTest {
protected:
    // A started main window at 1280 x 800, not maximised.
    std::unique_ptr<TmdiMain> startWide() {
        auto w = start();
        w->setWindowState(Qt::WindowNoState);
        w->resize(1280, 800);
        QCoreApplication::processEvents();
        return w;
    }
    static DockHost* host(TmdiMain& w) { return qobject_cast<DockHost*>(w.centralWidget()); }
    static std::string layoutValue(const char* section, const char* key) {
        return IniFile("quil32tb.ini").ReadString(section, key, "<none>");
    }
};

// Some pixel of the image is not transparent.
bool drawsSomething(const QImage& img) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) != 0) return true;
    return false;
}

TEST_F(ToolbarDockTest, SixToolbarsOfDrawnIconsTakeAtMostThreeLinesAt1280) {
    auto w = startWide();
    std::set<int> lines;
    int buttons = 0;
    for (const commands::ToolbarInfo& info : commands::toolbarInfo()) {
        TDocPanel* bar = w->toolbar(info.component);
        ASSERT_TRUE(bar->docked());
        EXPECT_EQ(bar->align(), DockSide::Top);
        lines.insert(bar->geometry().y());
        for (QAction* a : bar->actions()) {
            ++buttons;
            // Drawn, and scalable: a 25-pixel bitmap would not give 50 pixels.
            const QPixmap big = a->icon().pixmap(QSize(50, 50));
            EXPECT_EQ(big.size(), QSize(50, 50)) << a->objectName().toStdString();
            EXPECT_TRUE(drawsSomething(a->icon().pixmap(QSize(25, 25)).toImage())) << a->objectName().toStdString();
            EXPECT_EQ(bar->widgetForAction(a)->toolTip(), a->toolTip());
            EXPECT_FALSE(a->toolTip().isEmpty());
        }
    }
    EXPECT_EQ(buttons, 78);
    EXPECT_LE(lines.size(), 3u);
}

TEST_F(ToolbarDockTest, DoubleClickFloatsInPlaceAndTheTitleDocksBackExactly) {
    auto w = startWide();
    TDocPanel* bar = w->toolbar("FormattingBar");
    const QRect before = bar->geometry();
    const QPoint onScreen = bar->mapToGlobal(QPoint(0, 0));
    QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(1, 10));
    ASSERT_FALSE(bar->docked());
    TDocForm* form = bar->floatingWindow();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(form->pos(), onScreen);
    EXPECT_EQ(form->windowTitle(), "Formatting");

    form->move(onScreen + QPoint(40, 200));
    QTest::mouseDClick(form->titleStrip(), Qt::LeftButton, {}, QPoint(10, 5));
    ASSERT_TRUE(bar->docked());
    EXPECT_EQ(bar->align(), DockSide::Top);
    EXPECT_EQ(bar->geometry(), before);
    // Docking by double-click keeps the window's place for the next float.
    EXPECT_EQ(layoutValue("FormattingBar", "FLeft"), std::to_string(onScreen.x() + 40));
    EXPECT_EQ(layoutValue("FormattingBar", "FTop"), std::to_string(onScreen.y() + 200));
    QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(1, 10));
    EXPECT_EQ(bar->floatingWindow()->pos(), onScreen + QPoint(40, 200));
}

TEST_F(ToolbarDockTest, DraggingOntoTheLeftEdgeDocksVerticallyWithTheRememberedThickness) {
    auto w = startWide();
    TDocPanel* bar = w->toolbar("TableToolBar");
    const toolbars::Rect client = host(*w)->clientRect();
    const QPoint grip(1, 10);
    QTest::mousePress(bar, Qt::LeftButton, {}, grip);
    QTest::mouseMove(bar, grip + QPoint(300, 300));
    EXPECT_EQ(bar->cursor().shape(), Qt::ArrowCursor) << "inside the area it would float";
    const QPoint target(client.left + 2 + grip.x(), client.top + 100 + grip.y());
    QTest::mouseMove(bar, bar->mapFromGlobal(target));
    EXPECT_EQ(bar->cursor().shape(), Qt::BitmapCursor) << "the dock cursor of the left side";
    QTest::mouseRelease(bar, Qt::LeftButton, {}, bar->mapFromGlobal(target));

    ASSERT_TRUE(bar->docked());
    EXPECT_EQ(bar->align(), DockSide::Left);
    EXPECT_EQ(bar->width(), toolbars::kThickness);
    const QList<QAction*> actions = bar->actions();
    const QWidget* first = bar->widgetForAction(actions.first());
    const QWidget* second = bar->widgetForAction(actions.at(1));
    EXPECT_EQ(first->x(), second->x());
    EXPECT_EQ(second->y() - first->y(), toolbars::kButtonStep);
    EXPECT_GE(bar->height(), actions.size() * toolbars::kButtonStep);
    QCoreApplication::processEvents();
    EXPECT_EQ(host(*w)->center()->x(), toolbars::kThickness);
}

TEST_F(ToolbarDockTest, CloseBoxAndDropDownRollTheWindowUpAndDown) {
    auto w = startWide();
    TDocPanel* bar = w->toolbar("ListToolBar");
    bar->setDocked(false);
    TDocForm* form = bar->floatingWindow();
    const int full = form->height();
    EXPECT_THROW(bar->setDockingSides(toolbars::kAllSides), std::logic_error);

    struct Step { const char* why; std::function<void()> act; bool rolledUp; };
    const Step steps[] = {
        {"the window manager's close rolls up", [&] { EXPECT_FALSE(form->close()); }, true},
        {"the close box drops down", [&] { form->closeBox()->click(); }, false},
        {"the drop-down button rolls up", [&] { form->dropDownButton()->click(); }, true},
        {"and drops down again", [&] { form->dropDownButton()->click(); }, false},
    };
    for (const Step& s : steps) {
        s.act();
        EXPECT_EQ(form->rolledUp(), s.rolledUp) << s.why;
        EXPECT_TRUE(form->isVisible()) << s.why;
        EXPECT_EQ(bar->isVisible(), !s.rolledUp) << s.why;
        EXPECT_EQ(form->height() < full, s.rolledUp) << s.why;
        EXPECT_TRUE(bar->shown()) << s.why;
    }
    // The View toggle hides the floating window with its toolbar.
    w->runCommand("ListToolBarClick");
    EXPECT_FALSE(form->isVisible());
}

TEST_F(ToolbarDockTest, LayoutComesBackAfterRestart) {
    {
        auto w = startWide();
        TDocPanel* tags = w->toolbar("Tagsbar");
        tags->setDocked(false);
        tags->floatingWindow()->move(150, 120);
        w->toolbar("FormToolBar")->dockByDrag(DockSide::Right);
        w->close();
    }
    EXPECT_EQ(layoutValue("Tagsbar", "Docked"), "0");
    EXPECT_EQ(layoutValue("Tagsbar", "Align"), "1");
    EXPECT_EQ(layoutValue("FormToolBar", "Align"), "4");
    auto w = startWide();
    TDocPanel* tags = w->toolbar("Tagsbar");
    ASSERT_FALSE(tags->docked());
    EXPECT_EQ(tags->floatingWindow()->pos(), QPoint(150, 120));
    EXPECT_TRUE(tags->floatingWindow()->isVisible());
    EXPECT_EQ(w->toolbar("FormToolBar")->align(), DockSide::Right);
    // Back by double-click, it docks at the top where it was designed.
    tags->setDocked(true);
    EXPECT_EQ(tags->align(), DockSide::Top);
    EXPECT_EQ(tags->geometry().y(), 0);
}

}  // namespace
