#include "ImgTag.h"

#include <algorithm>

std::pair<std::string, std::string> imgTagPair(const ImgTagFields& f) {
    std::string name = f.name;
    if (f.slashes) std::replace(name.begin(), name.end(), '\\', '/');
    std::string start = "<IMG SRC=\"" + name + "\" BORDER=" + std::to_string(f.border);
    // Each size ends in a blank of its own, so two sizes leave two blanks
    // before ALT: the form users of earlier versions know.
    if (f.width > 0) start += " WIDTH=" + std::to_string(f.width) + " ";
    if (f.height > 0) start += " HEIGHT=" + std::to_string(f.height) + " ";
    start += " ALT=\"";
    return {start, "\">"};
}
