// Undo and redo after runs of replacements whose new bytes differ in length
// from the old ones: neighbouring replacements merge into one record only
// where they touch, so one Undo restores exactly the text before the run.

#include "EditorTestUtil.h"
#include "TextSearch.h"

#include <functional>

using namespace qm;
using edtest::text;

namespace {
struct ReplaceRun {
    const char* name;
    std::string start;
    std::function<void(TextEditor&)> edit;
    std::string afterEdit;
    int steps;              // undo steps back to the start
    std::string firstUndo;  // the text after the first of them
};
}  // namespace

// Each row used to come back wrong after Undo (old bytes written over the
// wrong span) and wrong again after Redo.
TEST(UndoMerge, UnequalReplacementsUndoAndRedoExactly) {
    const ReplaceRun runs[] = {
        {"replace all, longer by shorter", "&nbsp;abcde&nbsp;",
         [](TextEditor& ed) { EXPECT_EQ(ed.ReplaceText("&nbsp;", " ", soWholeText | soReplaceAll), 2); },
         " abcde ", 1, "&nbsp;abcde&nbsp;"},
        {"replace all, touching matches", "abcab",
         [](TextEditor& ed) { EXPECT_EQ(ed.ReplaceText("ab", "x", soWholeText | soReplaceAll), 2); }, "xcx", 1, "abcab"},
        {"replace all, shorter by longer", "a-a-a",
         [](TextEditor& ed) { EXPECT_EQ(ed.ReplaceText("a", "<b>", soWholeText | soReplaceAll), 3); },
         "<b>-<b>-<b>", 1, "a-a-a"},
        {"overwrite over a two-byte character", "\xC3\xA9" "ab",
         [](TextEditor& ed) {
             ed.setInsertMode(false);
             edtest::type(ed, "x");
             edtest::keys(ed, {EditCommand::Right});
             edtest::type(ed, "y");
         },
         "xay", 2, "xab"},
        {"overwrite typed across a two-byte character", "a\xC3\xA9" "bc",
         [](TextEditor& ed) {
             ed.setInsertMode(false);
             edtest::type(ed, "xyz");
         },
         "xyzc", 1, "a\xC3\xA9" "bc"},
    };
    for (const ReplaceRun& run : runs) {
        SCOPED_TRACE(run.name);
        TextEditor ed;
        edtest::load(ed, run.start);
        run.edit(ed);
        ASSERT_EQ(text(ed), run.afterEdit);
        ASSERT_TRUE(ed.Undo());
        EXPECT_EQ(text(ed), run.firstUndo);
        for (int i = 1; i < run.steps; ++i) ASSERT_TRUE(ed.Undo());
        EXPECT_EQ(text(ed), run.start);
        EXPECT_FALSE(ed.store().CanUndo());
        for (int i = 0; i < run.steps; ++i) ASSERT_TRUE(ed.Redo());
        EXPECT_EQ(text(ed), run.afterEdit);
        ASSERT_NO_THROW(ed.store().check());
    }
}
