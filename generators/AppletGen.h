#pragma once
// The Java wizard's APPLET element: the start tag from its fields, pieces in
// a fixed order, no value quoted (pages written with it depend on that), and
// always a blank before ">".

#include <cstdint>
#include <string>
#include <string_view>

namespace appletgen {

inline constexpr std::string_view kAlignments[] = {"Left",   "Right",    "Top",    "TextTop",  "Middle",
                                                   "AbsMiddle", "Baseline", "Bottom", "AbsBottom"};
inline constexpr std::string_view kEndText = "</APPLET>";
inline constexpr std::int64_t kMaxNumber = 2147483647;

struct Applet {
    std::string code = "AppletFile";
    std::int64_t width = 100;
    std::int64_t height = 100;
    std::string align = "Left";
    std::string codeBase = "CodeBaseURL";
    std::string alt = "AlternateText";
    std::string name = "AppletInstanceName";
    std::int64_t vspace = 0;
    std::int64_t hspace = 0;
};

// Code, width, height and alignment always; code base, spaces above 0, name
// and alternate text only when given.
std::string startText(const Applet& a);

}  // namespace appletgen
