#include "AppletGen.h"

namespace appletgen {

std::string startText(const Applet& a) {
    std::string s = "<APPLET CODE=" + a.code + " WIDTH=" + std::to_string(a.width) +
                    " HEIGHT=" + std::to_string(a.height) + " ALIGN=" + a.align + " ";
    if (!a.codeBase.empty()) s += "CODEBASE=" + a.codeBase + " ";
    if (a.vspace > 0) s += "VSPACE=" + std::to_string(a.vspace) + " ";
    if (a.hspace > 0) s += "HSPACE=" + std::to_string(a.hspace) + " ";
    if (!a.name.empty()) s += "NAME=" + a.name + " ";
    if (!a.alt.empty()) s += "ALT=" + a.alt + " ";
    return s + ">";
}

}  // namespace appletgen
