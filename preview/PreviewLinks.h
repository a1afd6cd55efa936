#pragma once
// What a click on a link in the preview does, decided from the link's text
// alone. Plain C++.

#include <string>

namespace preview {

enum class LinkKind {
    Sound,      // a .WAV file: played
    Program,    // a .EXE file: started after the user agrees
    LocalFile,  // any other local file: the viewer follows it
    Web,        // a scheme and a colon: a web address
};

struct LinkAction {
    LinkKind kind = LinkKind::Web;
    std::string target;      // the file part (not yet resolved), or the whole address
    std::string parameters;  // from the first space on (leading space kept), local links only
};

// Local links (no ':' or one at the first two places, or "file:" in any
// case) are cut to 80 characters and then at their first space.
LinkAction classifyLink(const std::string& link);

}  // namespace preview
