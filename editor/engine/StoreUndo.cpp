// Undo and redo of the paragraph store: records of one group are applied
// with recording suspended, through the same inner steps as the edits.

#include "TParagraphStore.h"

#include "StoreBlock.h"
#include "StoreNotifier.h"

#include <algorithm>

namespace qm {

namespace {
class SuspendRecording {
public:
    explicit SuspendRecording(bool& flag) : flag_(flag) { flag_ = true; }
    ~SuspendRecording() { flag_ = false; }
    SuspendRecording(const SuspendRecording&) = delete;
    SuspendRecording& operator=(const SuspendRecording&) = delete;

private:
    bool& flag_;
};
}  // namespace

void TParagraphStore::applyUndo(const UndoRecord& r, TextPos& caret) {
    const ParaNum n(r.paragraph);
    const ParaPos at(r.position);
    switch (r.kind) {
        case UndoKind::Caret: break;
        case UndoKind::Inserted: doDeleteBytes(n, at, static_cast<std::int32_t>(r.data.size()), false); break;
        case UndoKind::ParaInsertedBefore:
        case UndoKind::ParaInsertedAfter: {
            const ParaNum gone = r.kind == UndoKind::ParaInsertedBefore ? n : n + 1;
            auto object = std::make_unique<DetachedParagraph>();
            object->text = rawRemoveParagraph(gone);
            markersParagraphDeleted(gone);
            undo_->keepParagraph(std::move(object));
            break;
        }
        case UndoKind::Deleted: doInsertBytes(n, at, r.data, false); break;
        case UndoKind::ParaDeleted: {
            std::unique_ptr<DetachedParagraph> object = undo_->takeParagraph();
            rawInsertParagraph(n, object ? std::string_view(object->text) : std::string_view());
            markersParagraphInserted(n);
            break;
        }
        case UndoKind::Replaced:
            doReplaceBytes(n, at, static_cast<std::int32_t>(r.newData.size()), r.data, false);
            break;
    }
    caret = {n, at};
}

void TParagraphStore::applyRedo(const UndoRecord& r, TextPos& caret) {
    const ParaNum n(r.paragraph);
    const ParaPos at(r.position);
    caret = {n, at};
    switch (r.kind) {
        case UndoKind::Caret: break;
        case UndoKind::Inserted:
            doInsertBytes(n, at, r.data, false);
            caret.pos += static_cast<std::int32_t>(r.data.size());
            break;
        case UndoKind::ParaInsertedBefore:
        case UndoKind::ParaInsertedAfter: {
            const ParaNum before = r.kind == UndoKind::ParaInsertedBefore ? n : n + 1;
            std::unique_ptr<DetachedParagraph> object = undo_->takeParagraph();
            rawInsertParagraph(before, object ? std::string_view(object->text) : std::string_view());
            markersParagraphInserted(before);
            caret = {n + 1, ParaPos(1)};
            break;
        }
        case UndoKind::Deleted: doDeleteBytes(n, at, static_cast<std::int32_t>(r.data.size()), false); break;
        case UndoKind::ParaDeleted: {
            auto object = std::make_unique<DetachedParagraph>();
            object->text = rawRemoveParagraph(n);
            markersParagraphDeleted(n);
            undo_->keepParagraph(std::move(object));
            caret = {ParaNum(std::min(n.value, paraCount_)), ParaPos(1)};
            break;
        }
        case UndoKind::Replaced:
            doReplaceBytes(n, at, static_cast<std::int32_t>(r.data.size()), r.newData, false);
            caret.pos += static_cast<std::int32_t>(r.newData.size());
            break;
    }
}

UndoResult TParagraphStore::undo() {
    UndoResult result;
    if (!undo_->canUndo()) return result;
    Notifier note(*this);
    SuspendRecording quiet(suspendRecording_);
    const int group = undo_->nextUndoGroup();
    bool modifiedBefore = modified_;
    UndoRecord r;
    while (undo_->nextUndoGroup() == group && undo_->takeUndo(r)) {
        modifiedBefore = r.modifiedBefore;
        applyUndo(r, result.caret);
    }
    result.done = true;
    setModifiedInternal(modifiedBefore);
    return result;
}

UndoResult TParagraphStore::redo() {
    UndoResult result;
    if (!undo_->canRedo()) return result;
    Notifier note(*this);
    SuspendRecording quiet(suspendRecording_);
    const int group = undo_->nextRedoGroup();
    bool changed = false;
    UndoRecord r;
    while (undo_->nextRedoGroup() == group && undo_->takeRedo(modified_, r)) {
        if (r.kind != UndoKind::Caret) changed = true;
        applyRedo(r, result.caret);
        if (changed) modified_ = true;
    }
    result.done = true;
    return result;
}

}  // namespace qm
