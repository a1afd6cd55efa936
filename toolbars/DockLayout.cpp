#include "DockLayout.h"

#include <algorithm>
#include <optional>

#include "IniFile.h"
#include "IntText.h"

namespace toolbars {

namespace {

bool within(int v, int lo, int hi) { return v >= lo && v <= hi; }

// Closed spans [a0, a1] and [b0, b1] meet.
bool meets(int a0, int a1, int b0, int b1) { return a0 <= b1 && b0 <= a1; }

}  // namespace

DockSide chooseSide(const Rect& o, const Rect& c, unsigned allowed, int t) {
    const int oRight = o.right() - 1, oBottom = o.bottom() - 1;
    const int cRight = c.right() - 1, cBottom = c.bottom() - 1;
    const bool alongX = within(o.left, c.left, cRight) || within(oRight, c.left, cRight);
    const bool alongY = within(o.top, c.top, cBottom) || within(oBottom, c.top, cBottom);
    struct Test { DockSide side; bool along; int edge; int lo; int hi; };
    const Test tests[] = {
        {DockSide::Top, alongX, c.top, o.top, oBottom},
        {DockSide::Bottom, alongX, cBottom, o.top, oBottom},
        {DockSide::Left, alongY, c.left, o.left, oRight},
        {DockSide::Right, alongY, cRight, o.left, oRight},
    };
    for (const Test& x : tests)
        if ((allowed & sideBit(x.side)) && x.along && meets(x.edge - t, x.edge + t, x.lo, x.hi)) return x.side;
    return DockSide::None;
}

Flow flowItems(std::span<const int> advances, int length) {
    Flow f;
    int at = kMargin;
    for (int adv : advances) {
        // The last item on a line needs only its button, not the full step.
        const int need = std::min(adv, kButtonSize);
        if (at > kMargin && at + need + kMargin > length) {
            ++f.lines;
            at = kMargin;
        }
        f.places.push_back({at, f.lines - 1});
        at += adv;
        f.longest = std::max(f.longest, at - adv + need + kMargin);
    }
    if (advances.empty()) f.longest = 2 * kMargin;
    return f;
}

std::vector<int> shareLines(std::span<const int> lengths, std::span<const int> lineHints, int available) {
    std::vector<int> lines;
    int line = 0, used = 0;
    for (size_t i = 0; i < lengths.size(); ++i) {
        const bool brk = i > 0 && i < lineHints.size() && lineHints[i] != lineHints[i - 1];
        if (i > 0 && (brk || used + lengths[i] > available)) {
            ++line;
            used = 0;
        }
        lines.push_back(line);
        used += lengths[i];
    }
    return lines;
}

namespace {

int readInt(const IniFile& file, const std::string& section, const char* key, int current) {
    const std::optional<std::string> v = file.ReadValue(section, key);
    if (!v) return current;
    return inttext::StrToIntDef(*v, current);
}

}  // namespace

PanelState readPanelState(const IniFile& file, const std::string& section, const PanelState& current) {
    PanelState s = current;
    s.docked = readInt(file, section, "Docked", current.docked ? 1 : 0) != 0;
    if (s.docked) {
        s.align = static_cast<DockSide>(readInt(file, section, "Align", static_cast<int>(current.align)));
        // Top and Left are read on every side: they place a toolbar on its
        // line (toolbars sharing a line have the same Top).
        s.top = readInt(file, section, "Top", current.top);
        s.left = readInt(file, section, "Left", current.left);
        if (isVertical(s.align))
            s.width = readInt(file, section, "Width", current.width);
        else
            s.height = readInt(file, section, "Height", current.height);
    } else {
        s.floatTop = readInt(file, section, "FTop", current.floatTop);
        s.floatLeft = readInt(file, section, "FLeft", current.floatLeft);
        s.align = static_cast<DockSide>(readInt(file, section, "Align", static_cast<int>(current.align)));
        s.top = readInt(file, section, "Top", current.top);
        s.left = readInt(file, section, "Left", current.left);
        s.width = readInt(file, section, "Width", current.width);
        s.height = readInt(file, section, "Height", current.height);
    }
    return s;
}

void writePanelState(IniFile& file, const std::string& section, const PanelState& s) {
    const auto n = [](int v) { return std::to_string(v); };
    std::vector<std::pair<std::string, std::string>> entries = {
        {"Docked", s.docked ? "1" : "0"},
        {"Align", n(static_cast<int>(s.align))},
        {"Top", n(s.top)},
        {"Left", n(s.left)},
        {"Width", n(s.width)},
        {"Height", n(s.height)},
    };
    if (!s.docked) {
        entries.emplace_back("FTop", n(s.floatTop));
        entries.emplace_back("FLeft", n(s.floatLeft));
    }
    file.WriteStrings(section, entries);
}

}  // namespace toolbars
