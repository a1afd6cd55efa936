#pragma once
// Scope of one outward edit of the store: inner steps only collect the
// changed display lines; the outermost scope tells the observer once.

#include "TParagraphStore.h"

namespace qm {

class TParagraphStore::Notifier {
public:
    explicit Notifier(TParagraphStore& s) : s_(s) {
        if (s_.notifyDepth_++ == 0) {
            s_.pendingChange_ = false;
            s_.paraChange_ = {};
            s_.paraChange_.all = false;
        }
    }
    ~Notifier() {
        if (--s_.notifyDepth_ == 0 && s_.pendingChange_) {
            s_.pendingChange_ = false;
            if (s_.changedLast_.value > s_.lineCount_) s_.changedLast_ = LineNum(kToEndOfText);
            if (s_.observer_) s_.observer_->linesChanged(s_.changedFirst_, s_.changedLast_);
        }
    }
    Notifier(const Notifier&) = delete;  // one scope, one notification
    Notifier& operator=(const Notifier&) = delete;

private:
    TParagraphStore& s_;
};

}  // namespace qm
