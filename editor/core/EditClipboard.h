#pragma once
// Where cut, copy and paste put and take text. The core works on bytes; the
// widget installs a clipboard on the system's, and core tests use the
// in-process one.

#include <optional>
#include <string>

namespace qm {

class EditClipboard {
public:
    virtual ~EditClipboard() = default;
    // Stores the bytes (paragraphs joined by CR LF); false when it could not.
    virtual bool setBytes(const std::string& bytes) = 0;
    // The clipboard's text as bytes to insert; nothing when it holds no text.
    virtual std::optional<std::string> bytes() const = 0;
};

// A clipboard private to the process (the default of a core without widget).
class MemoryClipboard : public EditClipboard {
public:
    bool setBytes(const std::string& bytes) override {
        bytes_ = bytes;
        return true;
    }
    std::optional<std::string> bytes() const override { return bytes_; }

private:
    std::optional<std::string> bytes_;
};

}  // namespace qm
