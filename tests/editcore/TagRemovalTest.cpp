// Removing every tag in one pass against the rule written plainly over the
// whole text: each "<" up to the first ">" after it goes, line ends inside
// a tag included; after a "<" with no ">", nothing more goes.

#include "EditorTestUtil.h"
#include "TagRemoval.h"

using namespace qm;

namespace {
struct Expected {
    std::string text, lastTag;
    int removed = 0;
};

Expected byTheRule(const std::string& t) {
    Expected e;
    for (std::size_t i = 0;;) {
        const std::size_t lt = t.find('<', i);
        const std::size_t gt = lt == std::string::npos ? lt : t.find('>', lt + 1);
        if (gt == std::string::npos) {
            e.text += t.substr(i);
            return e;
        }
        e.text += t.substr(i, lt - i);
        e.lastTag = t.substr(lt, gt + 1 - lt);
        ++e.removed;
        i = gt + 1;
    }
}
}  // namespace

TEST(TagRemoval, OnePassEqualsTheRuleOverTheWholeText) {
    const char* pieces[] = {"<", ">", "a", "b ", "\r\n", "<td>", "</td>", "<a\r\nhref=x>", "\xC3\xA9"};
    std::uint64_t state = 99;
    auto rnd = [&](int n) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<int>((state >> 33) % static_cast<std::uint64_t>(n));
    };
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (int i = rnd(30); i >= 0; --i) text += pieces[rnd(9)];
        const Expected e = byTheRule(text);
        TextEditor ed;
        edtest::load(ed, text);
        ed.store().setUndoBufferSize(1u << 20);
        const TagRemoval dry = removeTags(ed.store(), false);
        ASSERT_EQ(dry.removed, e.removed) << text;
        ASSERT_EQ(edtest::text(ed), text) << "a dry run changes nothing";
        TagRemoval r;
        {
            TParagraphStore::EditGroup oneStep(ed.store());
            r = removeTags(ed.store(), true);
        }
        ASSERT_EQ(edtest::text(ed), e.text) << text;
        ASSERT_EQ(r.removed, e.removed) << text;
        ASSERT_EQ(r.lastTag, e.lastTag) << text;
        const std::uint64_t used = ed.store().undoBuffer().size() - ed.store().undoBuffer().freeBytes();
        ASSERT_LE(used, dry.undoBytes) << "the dry run's estimate covers the history taken: " << text;
        ASSERT_NO_THROW(ed.store().check());
        if (r.removed > 0) {
            ASSERT_TRUE(ed.Undo());
            ASSERT_EQ(edtest::text(ed), text) << "one undo step";
        }
    }
}
