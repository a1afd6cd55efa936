#include "FileTools.h"

#include "DurableFile.h"
#include "TextEditor.h"
#include "TextSearch.h"

#include <algorithm>
#include <cerrno>

namespace filetools {

namespace {

// Replaced files are saved in batches of this many, which share their syncs;
// after a crash at most this many temporaries wait for the next save of their
// file to remove them.
constexpr std::size_t kBatchFiles = 256;

constexpr const char* kOpenModified = "open with unsaved changes";

unsigned searchFlags(const Options& o) {
    return qm::soWholeText | (o.matchCase ? qm::soMatchCase : 0u) | (o.wholeWords ? qm::soWholeWords : 0u);
}

// Runs work on each path with a freshly loaded editor; stops at a cancel.
template <typename Work>
void eachFile(const std::vector<std::string>& paths, const Options& options, std::vector<FileOutcome>& out,
              Work work) {
    out.reserve(paths.size());
    bool cancelled = false;
    for (const std::string& path : paths) {
        FileOutcome& o = out.emplace_back(FileOutcome{path, -1, {}});
        if (!cancelled) {
            qm::TextEditor editor;
            editor.store().setMakeBackup(false);
            const qm::FileResult loaded = editor.LoadFromFile(path);
            if (!loaded.ok) o.problem = loaded.message;
            else work(editor, o);
            if (options.progress && !options.progress(out.size())) cancelled = true;
        }
    }
}

}  // namespace

std::vector<FileOutcome> searchInFiles(const std::vector<std::string>& paths, const std::string& pattern,
                                       const Options& options) {
    std::vector<FileOutcome> out;
    eachFile(paths, options, out, [&](qm::TextEditor& editor, FileOutcome& o) {
        // The count replace-all would make, without changing the text.
        o.count = 0;
        unsigned flags = searchFlags(options);
        while (!pattern.empty() && editor.FindText(pattern, flags)) {
            ++o.count;
            flags &= ~qm::soWholeText;
        }
    });
    return out;
}

std::vector<FileOutcome> replaceInFiles(const std::vector<std::string>& paths, const std::string& pattern,
                                        const std::string& replacement, const Options& options) {
    std::vector<FileOutcome> out;
    durable::Batch batch;
    std::vector<std::pair<std::size_t, int>> staged;  // outcome and count of each file in the batch
    auto openModified = [&](const std::string& path) { return options.isOpenModified && options.isOpenModified(path); };
    auto commit = [&] {
        // Asked again: the user may have begun editing one while the batch grew.
        const std::vector<durable::WriteResult> written =
            batch.commit([&](std::size_t i) { return !openModified(out[staged[i].first].path); });
        for (std::size_t i = 0; i < written.size(); ++i) {
            FileOutcome& o = out[staged[i].first];
            if (written[i]) o.count = staged[i].second;
            else o.problem = written[i].error == ECANCELED ? kOpenModified : written[i].message;
        }
        staged.clear();
    };
    eachFile(paths, options, out, [&](qm::TextEditor& editor, FileOutcome& o) {
        if (openModified(o.path)) {
            o.problem = kOpenModified;
            return;
        }
        if (batch.holds(o.path)) {  // listed twice: work on the text the first time left
            commit();
            if (const qm::FileResult again = editor.LoadFromFile(o.path); !again.ok) {
                o.problem = again.message;
                return;
            }
        }
        // -1: no match (the editor is never read-only here).
        const int n = std::max(0, editor.ReplaceText(pattern, replacement, searchFlags(options) | qm::soReplaceAll));
        if (n == 0) {
            o.count = 0;
            return;
        }
        editor.store().setMakeBackup(options.backup);
        editor.store().setBackupExt("bak");
        editor.store().setSaveBatch(&batch);
        const qm::FileResult saved = editor.SaveToFile(o.path);
        if (!saved.ok) {
            o.problem = saved.message;
            return;
        }
        staged.emplace_back(static_cast<std::size_t>(&o - out.data()), n);
        if (staged.size() >= kBatchFiles) commit();
    });
    commit();  // also after a cancel: the files done so far are written
    return out;
}

}  // namespace filetools
