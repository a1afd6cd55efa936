#pragma once
// Helpers for driving a TextEditor in tests: build a text, read it back.

#include "TextEditor.h"

#include <gtest/gtest.h>
#include <string>

namespace edtest {

// An editor holding `text` (CR LF between paragraphs), caret at (1, 1),
// with an undo history that starts empty.
inline void load(qm::TextEditor& ed, const std::string& text) {
    ed.ClearAll();
    ASSERT_EQ(ed.InsertText(text), 0);
    ed.store().setUndoBufferSize(ed.store().UndoBufferSize());  // drop the set-up step
    ed.SetCaret(1, 1);
}

inline std::string text(const qm::TextEditor& ed) { return ed.store().text(); }

struct Caret {
    int line;
    int col;
    friend bool operator==(const Caret&, const Caret&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Caret& c) {
        return os << "(" << c.line << ", " << c.col << ")";
    }
};

inline Caret caret(const qm::TextEditor& ed) {
    int col = 0;
    const int line = ed.GetCaret(col);
    return {line, col};
}

inline void keys(qm::TextEditor& ed, std::initializer_list<qm::EditCommand> commands) {
    for (auto c : commands) ed.executeCommand(c);
}

inline void type(qm::TextEditor& ed, const std::string& chars) {
    for (char c : chars) ed.typeChar(std::string(1, c));
}

}  // namespace edtest
