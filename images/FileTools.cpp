#include "FileTools.h"

#include "TextEditor.h"
#include "TextSearch.h"

#include <algorithm>

namespace filetools {

namespace {

unsigned searchFlags(const Options& o) {
    return qm::soWholeText | (o.matchCase ? qm::soMatchCase : 0u) | (o.wholeWords ? qm::soWholeWords : 0u);
}

// Runs work on each path with a freshly loaded editor; stops at a cancel.
template <typename Work>
std::vector<FileOutcome> eachFile(const std::vector<std::string>& paths, const Options& options, Work work) {
    std::vector<FileOutcome> out;
    out.reserve(paths.size());
    bool cancelled = false;
    for (const std::string& path : paths) {
        FileOutcome o{path, -1, {}};
        if (!cancelled) {
            qm::TextEditor editor;
            editor.store().setMakeBackup(false);
            const qm::FileResult loaded = editor.LoadFromFile(path);
            if (!loaded.ok) o.problem = loaded.message;
            else work(editor, o);
            if (options.progress && !options.progress(out.size() + 1)) cancelled = true;
        }
        out.push_back(std::move(o));
    }
    return out;
}

}  // namespace

std::vector<FileOutcome> searchInFiles(const std::vector<std::string>& paths, const std::string& pattern,
                                       const Options& options) {
    return eachFile(paths, options, [&](qm::TextEditor& editor, FileOutcome& o) {
        // The count replace-all would make, without changing the text.
        o.count = 0;
        unsigned flags = searchFlags(options);
        while (!pattern.empty() && editor.FindText(pattern, flags)) {
            ++o.count;
            flags &= ~qm::soWholeText;
        }
    });
}

std::vector<FileOutcome> replaceInFiles(const std::vector<std::string>& paths, const std::string& pattern,
                                        const std::string& replacement, const Options& options) {
    return eachFile(paths, options, [&](qm::TextEditor& editor, FileOutcome& o) {
        if (options.isOpenModified && options.isOpenModified(o.path)) {
            o.problem = "open with unsaved changes";
            return;
        }
        // -1: no match (the editor is never read-only here).
        const int n = std::max(0, editor.ReplaceText(pattern, replacement, searchFlags(options) | qm::soReplaceAll));
        if (n > 0) {
            editor.store().setMakeBackup(options.backup);
            editor.store().setBackupExt("bak");
            const qm::FileResult saved = editor.SaveToFile(o.path);
            if (!saved.ok) {
                o.problem = saved.message;
                return;
            }
        }
        o.count = n;
    });
}

}  // namespace filetools
