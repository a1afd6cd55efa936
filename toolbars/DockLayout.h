#pragma once
// The geometry of the dockable toolbars, free of widgets: which side a
// dragged outline docks to, how buttons re-flow to a length, which docked
// toolbars share a row, and the record kept for each toolbar in quil32tb.ini.

#include <span>
#include <string>
#include <vector>

class IniFile;

namespace toolbars {

// The values are the ones stored under "Align".
enum class DockSide { None = 0, Top = 1, Bottom = 2, Left = 3, Right = 4 };

constexpr unsigned sideBit(DockSide s) { return 1u << static_cast<unsigned>(s); }
constexpr unsigned kAllSides = sideBit(DockSide::Top) | sideBit(DockSide::Bottom) | sideBit(DockSide::Left) |
                               sideBit(DockSide::Right);

inline bool isVertical(DockSide s) { return s == DockSide::Left || s == DockSide::Right; }

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const { return left + width; }   // exclusive
    int bottom() const { return top + height; }  // exclusive
    bool operator==(const Rect&) const = default;
};

// Button metrics: 25-pixel buttons at 28-pixel steps, the first at 4.
inline constexpr int kButtonSize = 25;
inline constexpr int kButtonStep = 28;
inline constexpr int kMargin = 4;
inline constexpr int kThickness = 29;
inline constexpr int kDragThreshold = 5;

// The side a dragged outline docks to, given the client rectangle (both in
// screen coordinates). Sides are tried top, bottom, left, right among the
// allowed ones: a side wins when one end of the outline along that edge lies
// within the edge's extent and the edge line, widened by `threshold` on both
// sides, meets the outline across it. None means the toolbar floats.
DockSide chooseSide(const Rect& outline, const Rect& client, unsigned allowed = kAllSides,
                    int threshold = kDragThreshold);

// Items (buttons and separators, given by their advance along the line) laid
// out in lines no longer than `length`; an item never starts a line twice, so
// an item longer than the length still gets a line of its own.
struct Flow {
    struct Place { int along = 0; int line = 0; };
    std::vector<Place> places;
    int lines = 1;
    int longest = 0;  // the longest line, margins included
};
Flow flowItems(std::span<const int> advances, int length);

// The extent across the lines of a flow with `lines` lines.
inline int flowThickness(int lines) { return kThickness + (lines - 1) * kButtonStep; }

// Docked toolbars along one side, in order, share a line while their natural
// lengths fit in `available`; the result is each toolbar's line. A toolbar
// whose line hint differs from the one before (it was docked on a line of
// its own) starts a new line.
std::vector<int> shareLines(std::span<const int> lengths, std::span<const int> lineHints, int available);

// One toolbar's record. While docked, top/left/width/height are the panel's
// place and size; while floating, the remembered docked place.
struct PanelState {
    bool docked = true;
    DockSide align = DockSide::Top;
    int top = 0, left = 0, width = 0, height = kThickness;
    int floatTop = 0, floatLeft = 0;
    bool operator==(const PanelState&) const = default;
};

// Reads the section over `current`: a missing key leaves the current value;
// stored values are taken as they are. Only the keys that apply to the
// stored docked state are read (a docked bar on the left reads Width, not
// Height; one at the top reads Height).
PanelState readPanelState(const IniFile& file, const std::string& section, const PanelState& current);

// Writes the section in one replacement (raises EIniWriteError).
void writePanelState(IniFile& file, const std::string& section, const PanelState& state);

}  // namespace toolbars
