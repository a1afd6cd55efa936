#pragma once
// The error the editing control raises: an edit's error code with its
// message, or an invalid argument to one of its operations.

#include <stdexcept>
#include <string>

namespace qm {

// Argument errors carry no store code; they use these codes so a handler can
// tell them apart from the store's.
constexpr int kErrInvalidIndex = 0x1001;
constexpr int kErrInvalidLineColumn = 0x1002;

// The message of an edit error code (the store's table), or of the two
// argument errors.
std::string editErrorMessage(int code);

class ETextEditError : public std::runtime_error {
public:
    explicit ETextEditError(int code) : std::runtime_error(editErrorMessage(code)), code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};

}  // namespace qm
