// Our paragraph store, driven through its public API only: the file
// operations, the display-line queries, the wrap settings and the primitive
// edits (replace-all is one replaceBytes per paragraph inside one edit group,
// as the editing control's Replace All does).

#include "BenchSubject.h"

#include <TParagraphStore.h>

#include <stdexcept>

namespace bench {
namespace {

class StoreSubject final : public BenchSubject {
public:
    // The undo history a document window keeps (64 MiB, taken as it grows).
    StoreSubject() { store_.setUndoBufferSize(64u << 20); }

    void load(const std::string& path) override
    {
        qm::FileResult r = store_.LoadFromFile(path);
        if (!r.ok)
            throw std::runtime_error("cannot load " + path + ": " + r.message);
    }

    std::int64_t lineCount() override { return store_.ParagraphCount(); }
    std::size_t lineLength(std::int64_t line) override
    {
        return static_cast<std::size_t>(store_.paragraphLength(para(line)));
    }
    std::string_view lineText(std::int64_t line) override { return store_.paragraphText(para(line)); }

    std::uint64_t readDisplayLine(std::int64_t line) override
    {
        std::uint64_t sum = 0;
        for (unsigned char c : store_.lineText(qm::LineNum(static_cast<std::int32_t>(line + 1))))
            sum += c;
        return sum;
    }

    std::int64_t rewrap(int column) override
    {
        // The column is set while wrapping is still off, where it changes no
        // line; turning wrapping on then wraps every paragraph once.
        store_.setWrapColumn(column);
        store_.setWordWrap(true);
        return store_.LineCount();
    }

    std::int64_t replaceAll(std::string_view from, std::string_view to) override
    {
        // As the editing control's Replace All does: each paragraph's new
        // bytes from its first match to its last built in one pass, then one
        // replaceBytes per paragraph, all in one edit group.
        std::int64_t count = 0;
        qm::TParagraphStore::EditGroup group(store_);
        const std::int32_t paragraphs = store_.ParagraphCount();
        std::string bytes;
        for (std::int32_t n = 1; n <= paragraphs; ++n) {
            const qm::ParaNum p(n);
            const std::string_view text = store_.paragraphText(p);
            const std::size_t first = text.find(from);
            if (first == std::string_view::npos)
                continue;
            bytes.clear();
            std::size_t done = first;
            for (std::size_t at = first; at != std::string_view::npos; at = text.find(from, done)) {
                bytes.append(text.substr(done, at - done));
                bytes.append(to);
                done = at + from.size();
                ++count;
            }
            int code = store_.replaceBytes(p, qm::ParaPos(static_cast<std::int32_t>(first + 1)),
                                           static_cast<std::int32_t>(done - first), bytes);
            if (code != qm::kEditOk)
                throw std::runtime_error(std::string("replace failed: ") + qm::textEditErrorMessage(code));
        }
        return count;
    }

    // Setting the undo size replaces the buffer, which forgets the history.
    void clearUndo() override { store_.setUndoBufferSize(store_.UndoBufferSize()); }

    void insertChar(std::int64_t line, std::size_t column, char c) override
    {
        int code = store_.insertBytes(para(line), qm::ParaPos(static_cast<std::int32_t>(column + 1)), std::string_view(&c, 1));
        if (code != qm::kEditOk)
            throw std::runtime_error(std::string("insert failed: ") + qm::textEditErrorMessage(code));
    }

    void undoOnce() override { store_.undo(); }

    std::int64_t undoAll() override
    {
        std::int64_t steps = 0;
        while (store_.CanUndo() && store_.undo().done)
            ++steps;
        return steps;
    }

    void save(const std::string& path) override
    {
        qm::FileResult r = store_.SaveToFile(path);
        if (!r.ok)
            throw std::runtime_error("cannot save " + path + ": " + r.message);
    }

private:
    static qm::ParaNum para(std::int64_t line) { return qm::ParaNum(static_cast<std::int32_t>(line + 1)); }

    qm::TParagraphStore store_;
};

}  // namespace

std::unique_ptr<BenchSubject> makeStoreSubject() { return std::make_unique<StoreSubject>(); }

}  // namespace bench
