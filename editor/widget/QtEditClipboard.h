#pragma once
// The editing core's clipboard on the system clipboard. Copy stores the text
// as characters (for other programs) and the exact bytes under a private
// format that paste prefers, so cut and paste inside the editor never changes
// a byte, whatever the bytes are.

#include "EditClipboard.h"

class QtEditClipboard : public qm::EditClipboard {
public:
    static constexpr const char* kBytesMimeType = "application/x-quillmar-text-bytes";

    bool setBytes(const std::string& bytes) override;
    std::optional<std::string> bytes() const override;
};
