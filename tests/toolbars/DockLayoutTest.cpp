// The side a dragged toolbar docks to, the re-flow of buttons, shared lines
// and the layout record in quil32tb.ini.

#include <gtest/gtest.h>

#include <vector>

#include "DockLayout.h"
#include "IniFile.h"

using namespace toolbars;

namespace {

// The client area used by the side cases: 100..899 across, 50..649 down.
const Rect kClient{100, 50, 800, 600};

struct SideCase {
    const char* why;
    Rect outline;
    unsigned allowed;
    DockSide expected;
};

const SideCase kSideCases[] = {
    {"just above the top edge", {300, 25, 200, 29}, kAllSides, DockSide::Top},
    {"ending 6 pixels above the top edge floats", {300, 16, 200, 29}, kAllSides, DockSide::None},
    {"ending 1 pixel above it is within the widening", {300, 21, 200, 29}, kAllSides, DockSide::Top},
    {"far inside the area floats", {300, 300, 200, 29}, kAllSides, DockSide::None},
    {"over the bottom edge", {300, 640, 200, 29}, kAllSides, DockSide::Bottom},
    {"over the left edge", {90, 300, 200, 29}, kAllSides, DockSide::Left},
    {"over the right edge", {850, 300, 200, 29}, kAllSides, DockSide::Right},
    {"corner: top is tried before left", {90, 40, 200, 29}, kAllSides, DockSide::Top},
    {"corner with top not allowed goes left", {90, 40, 200, 29}, sideBit(DockSide::Left), DockSide::Left},
    {"no end within the edge's extent", {-400, 40, 300, 29}, kAllSides, DockSide::None},
    {"wider than the area: no end along the top, the left edge takes it", {0, 40, 1200, 29}, kAllSides,
     DockSide::Left},
    {"right end alone within the extent", {-50, 40, 200, 29}, kAllSides, DockSide::Top},
    {"nothing allowed floats", {300, 25, 200, 29}, 0, DockSide::None},
};

TEST(DockLayout, ChoosesTheSideByTheEdgesTheOutlineMeets) {
    for (const SideCase& c : kSideCases)
        EXPECT_EQ(chooseSide(c.outline, kClient, c.allowed), c.expected) << c.why;
}

struct FlowCase {
    const char* why;
    std::vector<int> advances;
    int length;
    std::vector<Flow::Place> places;
    int lines;
};

const FlowCase kFlowCases[] = {
    {"one line from x = 4 at 28-pixel steps", {28, 28, 28}, 200, {{4, 0}, {32, 0}, {60, 0}}, 1},
    {"exactly fits: the last button needs 25 and the margin 4", {28, 28}, 4 + 28 + 25 + 4, {{4, 0}, {32, 0}}, 1},
    {"one pixel short wraps", {28, 28}, 4 + 28 + 25 + 3, {{4, 0}, {4, 1}}, 2},
    {"a separator advances 8", {28, 8, 28}, 200, {{4, 0}, {32, 0}, {40, 0}}, 1},
    {"narrower than one button: one per line", {28, 28, 28}, 10, {{4, 0}, {4, 1}, {4, 2}}, 3},
};

TEST(DockLayout, FlowsItemsIntoLinesOfTheGivenLength) {
    for (const FlowCase& c : kFlowCases) {
        const Flow f = flowItems(c.advances, c.length);
        ASSERT_EQ(f.places.size(), c.places.size()) << c.why;
        for (size_t i = 0; i < c.places.size(); ++i) {
            EXPECT_EQ(f.places[i].along, c.places[i].along) << c.why << " item " << i;
            EXPECT_EQ(f.places[i].line, c.places[i].line) << c.why << " item " << i;
        }
        EXPECT_EQ(f.lines, c.lines) << c.why;
    }
    EXPECT_EQ(flowItems(std::vector<int>(3, 28), 1000).longest, 4 + 2 * 28 + 25 + 4);
}

TEST(DockLayout, ToolbarsShareALineWhileTheyFit) {
    struct Case {
        const char* why;
        std::vector<int> lengths, hints;
        int available;
        std::vector<int> lines;
    };
    const Case cases[] = {
        {"all fit", {300, 300, 300}, {0, 0, 0}, 1000, {0, 0, 0}},
        {"third spills", {400, 400, 400}, {0, 0, 0}, 1000, {0, 0, 1}},
        {"a stored line of its own", {100, 100, 100}, {0, 29, 29}, 1000, {0, 1, 1}},
        {"longer than the side still gets a line", {1200, 100}, {0, 0}, 1000, {0, 1}},
        // The six toolbars of the main window at 1280 pixels: two lines.
        {"six at 1280", {644, 572, 376, 236, 152, 292}, {0, 0, 0, 0, 0, 0}, 1280, {0, 0, 1, 1, 1, 1}},
    };
    for (const Case& c : cases) EXPECT_EQ(shareLines(c.lengths, c.hints, c.available), c.lines) << c.why;
}

class LayoutFileTest : public ::testing::Test {
protected:
    IniFile file{"quil32tb.ini"};
};

TEST_F(LayoutFileTest, RecordsRoundTripForDockedAndFloating) {
    const PanelState docked{true, DockSide::Left, 60, 0, 33, kThickness, 0, 0};
    const PanelState floating{false, DockSide::Top, 29, 640, 572, 29, 120, 300};
    writePanelState(file, "Tagsbar", docked);
    writePanelState(file, "ListToolBar", floating);
    EXPECT_EQ(readPanelState(file, "Tagsbar", PanelState{}), docked);
    EXPECT_EQ(readPanelState(file, "ListToolBar", PanelState{}), floating);
    EXPECT_EQ(file.ReadString("ListToolBar", "FLeft", ""), "300");
    EXPECT_EQ(file.ReadString("ListToolBar", "Align", ""), "1");
}

TEST_F(LayoutFileTest, MissingKeysLeaveTheCurrentValuesAndOnlyTheSidesSizeIsRead) {
    const PanelState current{true, DockSide::Top, 0, 0, 500, 29, 7, 8};
    EXPECT_EQ(readPanelState(file, "SpeedBar", current), current);
    // Docked at the top: Height is read, Width is not; values are taken as stored.
    file.WriteStrings("SpeedBar", {{"Docked", "1"}, {"Align", "2"}, {"Width", "9"}, {"Height", "-3"}});
    PanelState expected = current;
    expected.align = DockSide::Bottom;
    expected.height = -3;
    EXPECT_EQ(readPanelState(file, "SpeedBar", current), expected);
    // Docked on the left: Width is read, Height is not.
    file.WriteStrings("SpeedBar", {{"Align", "3"}});
    expected.align = DockSide::Left;
    expected.height = current.height;
    expected.width = 9;
    EXPECT_EQ(readPanelState(file, "SpeedBar", current), expected);
}

}  // namespace
