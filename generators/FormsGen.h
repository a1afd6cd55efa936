#pragma once
// The Forms wizard's generators: one form element from the fields of its
// page, as the texts that go into a document or onto the clipboard. Field
// texts are copied unchanged (no escaping, no trimming); the attribute
// spelling, case and quoting differ between the elements and are kept as
// they are, since pages written with them depend on them.

#include <string>
#include <string_view>
#include <vector>

namespace formsgen {

// How an element reaches a document.
enum class Send {
    Pair,    // start and end as one tag pair (a selection ends up between them)
    Split,   // start alone, then the body typed at the caret as written, then end alone
    Direct,  // the body alone, typed at the caret as written
};

struct Element {
    Send send = Send::Pair;
    std::string start;
    std::string body;
    std::string end;
};

enum class Align { Left, Centre, Right };

// The Method list's items, quotes included.
inline constexpr std::string_view kMethods[] = {"\"POST\"", "\"GET\""};
inline constexpr std::string_view kDefaultMime = "application/x-www-form-urlencoded";
inline constexpr std::string_view kDefaultActionUrl = "http://";

Element formDeclaration(std::string_view method, std::string_view action, std::string_view mime);
// An empty name leaves the NAME attribute out.
Element submitButton(std::string_view caption, std::string_view name);
Element resetButton(std::string_view caption);
Element textField(std::string_view name, std::string_view defaultText, int maxLength, int size);
// The default text's lines keep their line breaks inside the box.
Element textBox(std::string_view name, const std::vector<std::string>& lines, int rows, int cols);
Element optionButton(std::string_view name, std::string_view value, bool checkBox, Align align);
Element selectList(std::string_view name, int lines, bool multiple, const std::vector<std::string>& options);
// Every line followed by a line break.
Element predefinedForm(const std::vector<std::string>& lines);

// The whole element as one text, as the clipboard receives it: a pair as
// start, a line break and end (no line break when end is empty); the other
// kinds exactly as they would stand in the document.
std::string clipboardText(const Element& e);

// The sample questionnaire of the Predefined page.
std::vector<std::string> sampleQuestionnaire();

// The lines of a multi-line box's text: LF or CR LF between lines; a final
// line break does not start another line, and an empty text has none.
std::vector<std::string> textLines(std::string_view text);

// A form definition file's lines, unchanged (read through the checked-read
// routine: a regular file of bounded size). On failure, error is set and
// reason says why in the words the document messages use.
struct DefinitionFile {
    int error = 0;
    std::string reason;
    std::vector<std::string> lines;
};
DefinitionFile readFormDefinition(const std::string& path);

}  // namespace formsgen
