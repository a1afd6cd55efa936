#include "FormsGen.h"

#include "DurableFile.h"

namespace formsgen {

namespace {

std::string cat(std::initializer_list<std::string_view> pieces) {
    std::string out;
    for (std::string_view p : pieces) out += p;
    return out;
}

std::string num(int n) { return std::to_string(n); }

}  // namespace

Element formDeclaration(std::string_view method, std::string_view action, std::string_view mime) {
    return {
        Send::Pair, cat({"<FORM METHOD=", method, " ACTION=\"", action, "\" ENCTYPE=\"", mime, "\">"}), {}, "</FORM>"};
}

Element submitButton(std::string_view caption, std::string_view name) {
    std::string start = cat({"<INPUT TYPE=SUBMIT VALUE=\"", caption, "\""});
    if (!name.empty()) start += cat({" NAME=\"", name, "\""});
    return {Send::Pair, start + ">", {}, {}};
}

Element resetButton(std::string_view caption) {
    return {Send::Pair, cat({"<INPUT TYPE=\"RESET\" VALUE=\"", caption, "\">"}), {}, {}};
}

Element textField(std::string_view name, std::string_view defaultText, int maxLength, int size) {
    return {Send::Pair,
            cat({"<INPUT TYPE=TEXT NAME=\"", name, "\" VALUE=\"", defaultText, "\" SIZE=\"", num(size),
                 "\" MAXLENGTH=\"", num(maxLength), "\">"}),
            {},
            {}};
}

Element textBox(std::string_view name, const std::vector<std::string>& lines, int rows, int cols) {
    std::string body;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) body += '\n';
        body += lines[i];
    }
    return {Send::Split, cat({"<TEXTAREA NAME=\"", name, "\" ROWS=", num(rows), " COLS=", num(cols), ">"}), body,
            "</TEXTAREA>"};
}

Element optionButton(std::string_view name, std::string_view value, bool checkBox, Align align) {
    const std::string_view word = align == Align::Left ? "left" : align == Align::Centre ? "center" : "right";
    return {Send::Pair,
            cat({"<INPUT TYPE=\"", checkBox ? "CHECKBOX" : "RADIO", "\" NAME=\"", name, "\" VALUE=\"", value,
                 "\" ALIGN=", word, ">"}),
            {},
            {}};
}

Element selectList(std::string_view name, int lines, bool multiple, const std::vector<std::string>& options) {
    std::string body;
    for (const std::string& o : options) body += "<OPTION>" + o;
    return {Send::Split, cat({"<SELECT NAME=\"", name, "\" SIZE=", num(lines), " ", multiple ? "MULTIPLE " : "", ">"}),
            body, "</SELECT>"};
}

Element predefinedForm(const std::vector<std::string>& lines) {
    std::string body;
    for (const std::string& l : lines) body += l + '\n';
    return {Send::Direct, {}, body, {}};
}

std::string clipboardText(const Element& e) {
    if (e.send != Send::Pair) return e.start + e.body + e.end;
    return e.end.empty() ? e.start : e.start + '\n' + e.end;
}

std::vector<std::string> sampleQuestionnaire() {
    return {
        "<H1>My Questionnaire</H1>",
        "<FORM METHOD=\"POST\" ACTION=\"http://www.example.com/cgi-bin/questionnaire\">",
        "  Your Name:<BR><INPUT TYPE=TEXT NAME=\"name\" size=\"50\"><P><BR>",
        "  Your Address:<BR><TEXTAREA NAME=\"addr\" cols=50 rows=5></TEXTAREA><P><BR>",
        "  Your E-Mail Address:<BR><INPUT TYPE=TEXT NAME=\"email\" SIZE=\"50\"><P><BR>",
        "  <INPUT VALUE=\"SUBMIT\" TYPE=SUBMIT> <INPUT VALUE=\"RESET\" TYPE=RESET>",
        "</FORM><P>",
    };
}

std::vector<std::string> textLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t from = 0;
    while (from < text.size()) {
        const size_t nl = text.find('\n', from);
        size_t end = nl == std::string_view::npos ? text.size() : nl;
        const size_t stop = end > from && text[end - 1] == '\r' ? end - 1 : end;
        lines.emplace_back(text.substr(from, stop - from));
        if (nl == std::string_view::npos) break;
        from = nl + 1;
    }
    return lines;
}

DefinitionFile readFormDefinition(const std::string& path) {
    durable::ReadResult r = durable::readFile(path);
    DefinitionFile out;
    out.error = r.error;
    out.reason = r.reason;
    if (r) out.lines = textLines(r.bytes);
    return out;
}

}  // namespace formsgen
