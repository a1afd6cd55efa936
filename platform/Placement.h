#pragma once
// The window placement record of the settings files (the ten numbers of
// FORM_PLACE), converted to and from a widget's geometry and window state.
// This is the one place that knows how the record maps onto Qt.

#include <cstdint>

class QWidget;

struct WindowPlacement {
    // Show commands, with the numbers the stored records use.
    static constexpr std::int32_t kShowNormal = 1;
    static constexpr std::int32_t kShowMinimized = 2;
    static constexpr std::int32_t kShowMaximized = 3;
    // Flag: a minimised window goes back to maximised, not to normal.
    static constexpr std::int32_t kRestoreToMaximized = 2;

    std::int32_t flags = 0;
    std::int32_t showCmd = kShowNormal;
    std::int32_t minX = -1, minY = -1;  // -1: no position of its own
    std::int32_t maxX = -1, maxY = -1;
    // The normal (restored) rectangle: a top-level window's geometry in
    // screen coordinates, a child's in its parent's; right and bottom are
    // exclusive (left + width, top + height).
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;

    bool operator==(const WindowPlacement&) const = default;
};

// The widget's current placement (its normal geometry even while it is
// maximised or minimised).
WindowPlacement placementOf(const QWidget& widget);

// Gives the widget the record's normal geometry and window state; a hidden
// widget stays hidden and shows that way. A top-level window whose rectangle
// lies on no screen is moved onto the primary screen, keeping its size, so a
// window saved on a monitor that is gone is never lost. The caller checks
// the record (an empty rectangle is not applied here either).
void applyPlacement(QWidget& widget, const WindowPlacement& placement);
