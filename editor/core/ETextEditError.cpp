#include "ETextEditError.h"

#include "TParagraphStore.h"

namespace qm {

std::string editErrorMessage(int code) {
    switch (code) {
    case kErrInvalidIndex: return "Invalid line or paragraph index";
    case kErrInvalidLineColumn: return "Invalid line or column";
    default: return textEditErrorMessage(code);
    }
}

}  // namespace qm
