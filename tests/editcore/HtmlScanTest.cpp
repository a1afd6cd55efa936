// The HTML scanner on written-out texts, shown as "kind[bytes]" runs so a
// failure reads as the markup it got wrong, and the lazily kept paragraph
// states against a scan of the whole text after random edits.

#include "HtmlScan.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace qm::html;

namespace {
const char* kindName(Kind k) {
    static const char* names[] = {"text", "p", "tag", "attr", "val", "cmt", "ent", "decl", "js", "css"};
    return names[static_cast<int>(k)];
}

// Each paragraph's spans as kind[bytes], paragraphs joined by " | ".
std::string shown(const std::vector<std::string>& paras) {
    std::ostringstream os;
    State s = kTextState;
    for (std::size_t p = 0; p < paras.size(); ++p) {
        if (p) os << " | ";
        std::vector<Span> spans;
        s = scanParagraph(paras[p], s, &spans);
        for (const Span& sp : spans)
            os << kindName(sp.kind) << '[' << paras[p].substr(sp.start, sp.length) << ']';
    }
    return os.str();
}
}  // namespace

TEST(HtmlScanTest, SpansOfWrittenOutTexts) {
    struct Case {
        std::vector<std::string> text;
        std::string spans;
    } cases[] = {
        {{"<p class=\"x\">Hi</p>"}, "p[<]tag[p]attr[class]p[=]val[\"x\"]p[>]p[</]tag[p]p[>]"},
        {{"<A HREF=x.htm>"}, "p[<]tag[A]attr[HREF]p[=]val[x.htm]p[>]"},
        // a tag across lines: the attribute on the next line is still one
        {{"<img", "  src='a.gif' alt=\"two", "lines\">x"},
         "p[<]tag[img] | attr[src]p[=]val['a.gif']attr[alt]p[=]val[\"two] | val[lines\"]p[>]"},
        {{"<a title=\"1 > 0\">"}, "p[<]tag[a]attr[title]p[=]val[\"1 > 0\"]p[>]"},
        {{"a <!-- open", "still -- in", "-->b"}, "cmt[<!-- open] | cmt[still -- in] | cmt[-->]"},
        {{"<!-- never closed <p>", "<b>"}, "cmt[<!-- never closed <p>] | cmt[<b>]"},
        {{"<script>var s = \"</div>\";", "if (a < b) x();</SCRIPT>c"},
         "p[<]tag[script]p[>]js[var s = \"</div>\";] | js[if (a < b) x();]p[</]tag[SCRIPT]p[>]"},
        {{"<style>p > a { }</style>"}, "p[<]tag[style]p[>]css[p > a { }]p[</]tag[style]p[>]"},
        {{"&amp; &#160; &#x41; &nbsp x & y &#;"}, "ent[&amp;]ent[&#160;]ent[&#x41;]ent[&nbsp]"},
        {{"<!DOCTYPE html>", "<?xml v?>"}, "decl[<!DOCTYPE html>] | decl[<?xml v?>]"},
        {{"a < b <3 <"}, ""},
        // bytes that are not UTF-8 are text or value like any others
        {{"\xff\xfe<b t=\xe9\x80>\x80"}, "p[<]tag[b]attr[t]p[=]val[\xe9\x80]p[>]"},
        {{"<br/>"}, "p[<]tag[br]p[/>]"},
    };
    for (const Case& c : cases) EXPECT_EQ(shown(c.text), c.spans) << c.text[0];
}

TEST(HtmlScanTest, TagsSkipCommentsAndScript) {
    const auto tags = tagsIn("<P><!-- <b> --><script>\"<i>\"</script><BR/></p", kTextState);
    std::vector<std::string> seen;
    for (const TagRef& t : tags)
        seen.push_back(std::string(t.closing ? "/" : "") + std::string(t.name) + (t.selfClosing ? "/" : "") + "@" +
                       std::to_string(t.start) + "-" + std::to_string(t.end));
    EXPECT_EQ(seen, (std::vector<std::string>{"P@0-3", "script@15-23", "/script@28-37", "BR/@37-42", "/p@42-45"}));
    EXPECT_TRUE(isVoidElement("IMG"));
    EXPECT_FALSE(isVoidElement("p"));
}

// The partner of the tag at a position; "-" for none, "x" for no tag there.
TEST(HtmlScanTest, MatchingTag) {
    struct Case {
        std::vector<std::string> text;
        int para, pos;
        std::string partner;  // "para:start-end", or "para:start-endPara:end" across lines
        std::string tag = {};  // the same for the tag found, when given
    } cases[] = {
        {{"<div><DIV>a</div></Div>"}, 1, 1, "1:17-23"},
        {{"<div><DIV>a</div></Div>"}, 1, 20, "1:0-5"},
        {{"<div><DIV>a</div></Div>"}, 1, 10, "1:11-17"},  // just after a tag's ">"
        {{"<ul>", "<!-- </ul> -->", "<script>'</ul>'</script>", "</ul>"}, 1, 2, "4:0-5"},
        {{"<ul>", "<!-- </ul> -->", "<script>'</ul>'</script>", "</ul>"}, 4, 3, "1:0-4"},
        {{"<p><br><img src=x></p>"}, 1, 4, "-"},  // void elements have none
        {{"<p><br/></p>"}, 1, 0, "1:8-12"},
        {{"<b>unclosed"}, 1, 1, "-"},
        {{"plain <b>"}, 1, 2, "x"},
        // on any line of a tag that spans lines
        {{"<div", "  class=\"a", "b\">x", "</div>"}, 2, 3, "4:0-6", "1:0-3:3"},
        {{"<div", "  class=\"a", "b\">x", "</div>"}, 3, 3, "4:0-6", "1:0-3:3"},
        {{"<div", "  class=\"a", "b\">x", "</div>"}, 3, 4, "x"},  // after the tag
        {{"<div", "  class=\"a", "b\">x", "</div>"}, 4, 1, "1:0-3:3", "4:0-6"},
        {{"<p>", "text", "</p", ">"}, 4, 0, "1:0-3", "3:0-4:1"},
        {{"<p><br", "  clear=all>"}, 2, 4, "-", "1:3-2:12"},
        {{"<!-- <p", "  a=b> -->"}, 2, 3, "x"},
    };
    for (const Case& c : cases) {
        auto textOf = [&](int p) { return std::string_view(c.text[static_cast<std::size_t>(p) - 1]); };
        HtmlStates states;
        const TagPair m = matchingTag(c.para, c.pos, static_cast<int>(c.text.size()), textOf,
                                      [&](int p) { return states.startOf(p, textOf); });
        auto place = [](const TagPlace& t) {
            return std::to_string(t.para) + ":" + std::to_string(t.start) + "-" +
                   (t.endPara == t.para ? "" : std::to_string(t.endPara) + ":") + std::to_string(t.end);
        };
        const std::string got = m.tag.para == 0 ? "x" : m.partner.para == 0 ? "-" : place(m.partner);
        EXPECT_EQ(got, c.partner) << c.text[0] << " at " << c.para << "," << c.pos;
        if (!c.tag.empty()) {
            EXPECT_EQ(place(m.tag), c.tag) << c.text[0] << " at " << c.para << "," << c.pos;
        }
    }
    // A partner beyond the budget is not looked for.
    std::vector<std::string> far = {"<i>"};
    far.resize(2000, "text text text");
    far.push_back("</i>");
    auto textOf = [&](int p) { return std::string_view(far[static_cast<std::size_t>(p) - 1]); };
    HtmlStates states;
    auto stateOf = [&](int p) { return states.startOf(p, textOf); };
    EXPECT_EQ(matchingTag(1, 0, 2001, textOf, stateOf).partner.para, 2001);
    EXPECT_EQ(matchingTag(1, 0, 2001, textOf, stateOf, 1000).partner.para, 0);
    EXPECT_EQ(matchingTag(1, 0, 2001, textOf, stateOf, 2).tag.para, 0) << "a paragraph over the budget";
}

// A scan that leaves resume points every few bytes gives the spans and end
// state of a plain scan, and a scan resumed at any point gives the same
// spans from there on.
TEST(HtmlScanTest, ResumePointsGiveTheSpansOfAScanFromTheStart) {
    const std::vector<std::pair<std::string, State>> texts = {
        {"<p class=\"x y z\">Hi &amp; bye</p> <a href=x.htm title='a > b'>", kTextState},
        {"text <!-- a -- b - -> c --> <!DOCTYPE html> <?x y?> &#x41;&#160", kTextState},
        {"<script>if (a </ b) s = \"</scr\" + 'ipt>';</script ><style>p{}</Style>x", kTextState},
        {"<<</</ <a\n<b c=\"d\ne\" f>", kTextState},
        {"still in a comment --- -> -- >end", scanParagraph("<!-- open", kTextState, nullptr)},
        {"rest of a script </scri </script>", scanParagraph("<script>", kTextState, nullptr)},
    };
    for (const auto& [text, in] : texts) {
        std::vector<Span> whole;
        const State end = scanParagraph(text, in, &whole);
        for (std::size_t every : {1, 2, 3, 7}) {
            std::vector<Span> spans;
            std::vector<ResumePoint> points;
            EXPECT_EQ(scanFrom(text, {0, in}, &spans, 0, std::string::npos, every, &points), end) << text;
            EXPECT_EQ(spans, whole) << text << " every " << every;
            for (const ResumePoint& at : points) {
                std::vector<Span> tail, fromStart;
                scanParagraph(text, in, &fromStart, at.pos);
                EXPECT_EQ(scanFrom(text, at, &tail, at.pos), end) << text << " from " << at.pos;
                EXPECT_EQ(tail, fromStart) << text << " from " << at.pos;
            }
        }
    }
}

// Random edits of random HTML-ish paragraphs, some of them long: the states
// and spans kept and invalidated as the control does (which paragraphs
// changed, from which byte, and how many came or went) must equal those of a
// scan from the top. Long paragraphs are scanned from resume points every 16
// bytes.
TEST(HtmlScanTest, IncrementalScanMatchesAFullScanAfterRandomEdits) {
    std::mt19937 rng(18);
    const std::vector<std::string> pieces = {"<", ">", "<!--", "-->", "-", "\"", "'", "=", " ", "a", "p",
                                             "script", "</script>", "<style>", "&amp", "<!D", "/", "\xc3\xa9"};
    auto randomText = [&](int count) {
        std::string s;
        for (int n = static_cast<int>(rng() % count); n > 0; --n) s += pieces[rng() % pieces.size()];
        return s;
    };
    std::vector<std::string> paras(40);
    for (auto& p : paras) p = randomText(rng() % 5 ? 8 : 80);
    HtmlStates states(64, 16);
    auto textOf = [&](int p) { return std::string_view(paras[static_cast<std::size_t>(p) - 1]); };
    auto para = [&](int p) -> std::string& { return paras[static_cast<std::size_t>(p) - 1]; };
    for (int step = 0; step < 6000; ++step) {
        const int count = static_cast<int>(paras.size());
        const int at = 1 + static_cast<int>(rng() % paras.size());
        std::string& text = para(at);
        const std::size_t byte = text.empty() ? 0 : rng() % text.size();
        const int k = 1 + static_cast<int>(rng() % 3);
        switch (rng() % 8) {
        case 0: text = randomText(rng() % 4 ? 8 : 80); states.changed(at, at); break;
        case 1:  // typing or deleting inside a paragraph, as most edits are
            if (rng() % 2) text.insert(byte, pieces[rng() % pieces.size()]);
            else text.erase(byte, rng() % 4);
            states.changed(at, at, byte);
            break;
        case 2: {  // Enter, or a pasted block of k lines: the tail goes to the last
            std::vector<std::string> lines;
            for (int i = 0; i < k; ++i) lines.push_back(randomText(8));
            lines.back() += text.substr(byte);
            text.erase(byte);
            paras.insert(paras.begin() + at, lines.begin(), lines.end());
            states.changed(at, at + k, byte, k);
            break;
        }
        case 3:  // lines inserted before a paragraph, none changed
            for (int i = 0; i < k; ++i) paras.insert(paras.begin() + at - 1, randomText(8));
            states.changed(at, at + k - 1, 0, k);
            break;
        case 4: {  // a selection over k line ends deleted: the lines join
            const int m = std::min(k, count - at);
            if (m == 0) continue;
            const std::size_t keep = text.size();
            for (int i = 1; i <= m; ++i) text += para(at + i);
            paras.erase(paras.begin() + at, paras.begin() + at + m);
            states.changed(at, at, keep, -m);
            break;
        }
        case 5:  // a paragraph removed whole
            if (count == 1) continue;
            paras.erase(paras.begin() + at - 1);
            states.changed(std::max(1, at - 1), std::max(1, at - 1), 0, -1);
            break;
        case 6:  // told only where the change starts
            paras.insert(paras.begin() + at - 1, randomText(8));
            states.changed(at);
            break;
        default: {  // two paragraphs at once
            const int last = std::min<int>(at + 1 + static_cast<int>(rng() % 3), count);
            para(last) = randomText(8);
            text += pieces[rng() % pieces.size()];
            states.changed(at, last, 0);
        }
        }
        if (paras.size() > 80) {  // keep it small: more edits reach the same paragraphs
            paras.resize(40);
            states.changed(41);
        }
        const int probe = 1 + static_cast<int>(rng() % paras.size());
        State full = kTextState;
        for (int p = 1; p < probe; ++p) full = scanParagraph(paras[p - 1], full, nullptr);
        ASSERT_EQ(states.startOf(probe, textOf), full) << "step " << step << " paragraph " << probe;
        const std::string& shown = paras[static_cast<std::size_t>(probe) - 1];
        const std::size_t from = shown.empty() ? 0 : rng() % shown.size();
        std::vector<Span> expected, got;
        const State end = scanParagraph(shown, full, &expected, from, from + 20);
        states.scan(probe, shown, full, &got, from, from + 20);
        ASSERT_EQ(got, expected) << "step " << step << " paragraph " << probe << " from " << from;
        ASSERT_EQ(states.scan(probe, shown, full, nullptr), scanParagraph(shown, full, nullptr)) << "step " << step;
        (void)end;
    }
}

// An edit at the top changes the states after it only as far as they
// differ: once a later paragraph starts as it did, the rest are not scanned
// again, also when the edit added or removed paragraphs.
TEST(HtmlScanTest, RescanStopsAtTheFirstUnchangedState) {
    std::vector<std::string> paras(1000, "<p class=x>text</p>");
    int scanned = 0;
    auto textOf = [&](int p) {
        ++scanned;
        return std::string_view(paras[static_cast<std::size_t>(p) - 1]);
    };
    HtmlStates states;
    EXPECT_EQ(states.startOf(1000, textOf), kTextState);
    struct Case {
        std::vector<std::string> top;  // take the place of the first `replaced` paragraphs
        int replaced;
        int scansToTheEnd;  // paragraphs scanned for the state of the last one
    } cases[] = {
        {{"<p class=x>texts</p>"}, 1, 1},  // no state changes: one paragraph
        {{"<p"}, 1, 2},                      // the second paragraph ends the tag
        {{"<p class=\"x>text</p>"}, 1, 999},  // an open quote: every later paragraph is in the value
        {{"<p class=x>text</p>"}, 1, 999},
        {{"<p class=x>", "text</p>"}, 1, 2},  // Enter: the new paragraph, then a kept state
        {{"<p class=x>text</p>"}, 2, 1},      // the lines joined again
        {{"<p>", "<b", ">", "<p class=x>text</p>"}, 1, 4},  // three lines pasted above
        {{"<p class=x>text</p>"}, 4, 1},                    // and deleted
        {{"<!-- a", "b"}, 1, 1000},       // a pasted comment start: all later states change
        {{"<p class=x>text</p>"}, 2, 999},  // and back
    };
    for (const Case& c : cases) {
        paras.erase(paras.begin(), paras.begin() + c.replaced);
        paras.insert(paras.begin(), c.top.begin(), c.top.end());
        const int added = static_cast<int>(c.top.size()) - c.replaced;
        states.changed(1, static_cast<int>(c.top.size()), 0, added);
        scanned = 0;
        const int last = static_cast<int>(paras.size());
        State full = kTextState;
        for (int p = 1; p < last; ++p) full = scanParagraph(paras[p - 1], full, nullptr);
        EXPECT_EQ(states.startOf(last, textOf), full) << c.top[0];
        EXPECT_EQ(scanned, c.scansToTheEnd) << c.top[0] << " + " << added;
    }
}
