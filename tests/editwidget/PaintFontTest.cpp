// What the widget shows: selection and markers in the painted image, hidden
// selection, the fixed font rules, scroll ranges and wrapping to the window.

#include "Fonts.h"
#include "WidgetTestUtil.h"

#include <QImage>
#include <QScrollBar>
#include <cstdlib>
#include <random>
#include <stdexcept>
#include <vector>

namespace {
// Pixels of one colour inside a rectangle of the image.
int countColor(const QImage& img, const QRect& r, const QColor& c) {
    int n = 0;
    for (int y = std::max(0, r.top()); y <= std::min(img.height() - 1, r.bottom()); ++y)
        for (int x = std::max(0, r.left()); x <= std::min(img.width() - 1, r.right()); ++x)
            n += img.pixelColor(x, y).rgb() == c.rgb();
    return n;
}
}  // namespace

TEST_F(EditWidgetTest, SelectionIsPaintedOnlyWhereSelectedAndHiddenWithoutFocus) {
    const QColor hl(10, 120, 200);
    w->setHighlightColors(Qt::white, hl);
    setText("alpha\r\nbeta\r\ngamma");
    w->SelectRange(2, 1, 2, 5);
    const auto rowRect = [&](int line) {
        return QRect(w->LeftMargin(), (line - 1) * w->lineHeight(), 200, w->lineHeight());
    };
    QImage img = w->viewport()->grab().toImage();
    EXPECT_GT(countColor(img, rowRect(2), hl), 50);
    EXPECT_EQ(countColor(img, rowRect(1), hl), 0);
    EXPECT_EQ(countColor(img, rowRect(3), hl), 0);

    QWidget other;
    other.show();
    other.activateWindow();
    other.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    ASSERT_FALSE(w->hasFocus());
    img = w->viewport()->grab().toImage();
    EXPECT_EQ(countColor(img, rowRect(2), hl), 0) << "HideSelection: not drawn without focus";
    w->setHideSelection(false);
    img = w->viewport()->grab().toImage();
    EXPECT_GT(countColor(img, rowRect(2), hl), 50);
    w->setEnabled(false);
    img = w->viewport()->grab().toImage();
    EXPECT_EQ(countColor(img, rowRect(2), hl), 0) << "a disabled control draws no selection";
}

TEST_F(EditWidgetTest, MarkerGlyphInTheMargin) {
    setText("one\r\ntwo\r\nthree");
    const QRect margin2(0, w->lineHeight(), w->LeftMargin(), w->lineHeight());
    const QImage before = w->viewport()->grab().toImage();
    w->SetCaret(2, 2);
    w->SetMarker(3);
    const QImage after = w->viewport()->grab().toImage();
    EXPECT_EQ(countColor(before, margin2, Qt::white), margin2.width() * margin2.height());
    EXPECT_LT(countColor(after, margin2, Qt::white), margin2.width() * margin2.height() / 2);
    w->setShowBookmarks(false);
    EXPECT_EQ(countColor(w->viewport()->grab().toImage(), margin2, Qt::white), margin2.width() * margin2.height());
}

TEST_F(EditWidgetTest, NulAndControlBytesAreVisible) {
    w->editor().store().insertBytes(qm::ParaNum(1), qm::ParaPos(1), std::string("a\0b", 3));
    const QRect cell(static_cast<int>(w->LeftMargin() + w->charWidth()), 0, static_cast<int>(w->charWidth()), w->lineHeight());
    const QImage img = w->viewport()->grab().toImage();
    EXPECT_LT(countColor(img, cell, Qt::white), cell.width() * cell.height()) << "the NUL cell is not blank";
}

TEST_F(EditWidgetTest, FixedFontRefusesProportionalFonts) {
    TFixedFontSet& f = w->FixedFont();
    const QString before = f.name();
    const qreal width = w->charWidth();
    EXPECT_FALSE(f.setName(QStringLiteral("Liberation Sans")));
    EXPECT_FALSE(f.setName(QStringLiteral("Times New Roman")));
    EXPECT_EQ(f.name(), before) << "the font stays as it was";
    EXPECT_EQ(w->charWidth(), width);
    EXPECT_THROW(f.assign(QFont(QStringLiteral("Liberation Sans"))), std::invalid_argument);
    try {
        f.assign(QFont(QStringLiteral("Liberation Serif")));
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "Invalid font assignment. Font must be a fixed font");
    }

    EXPECT_TRUE(f.setName(QStringLiteral("Courier New"))) << "an alias the font configuration resolves";
    EXPECT_TRUE(f.setName(QStringLiteral("COURIER NEW")));
    EXPECT_TRUE(f.setName(QStringLiteral("liberation mono")));
    EXPECT_EQ(f.name(), QStringLiteral("Liberation Mono")) << "spelled as installed";
    f.setSize(20);
    EXPECT_GT(w->charWidth(), width) << "metrics follow the font";
    EXPECT_EQ(w->VisibleColumns(),
              static_cast<int>((w->viewport()->width() - w->LeftMargin() - w->RightMargin()) / w->charWidth()));

    // An unknown name paints in the font system's fallback face: accepted
    // exactly when that face is fixed pitch (it is on a machine whose only
    // fonts sort a monospaced family first).
    const bool fallbackIsFixed = fonts::isFixedPitch(QFont(QStringLiteral("No Such Font Anywhere")));
    EXPECT_EQ(f.setName(QStringLiteral("No Such Font Anywhere")), fallbackIsFixed);
}

TEST_F(EditWidgetTest, ScrollBarRanges) {
    std::string t;
    for (int i = 0; i < 100; ++i) t += "x\r\n";
    setText(t);
    EXPECT_EQ(w->verticalScrollBar()->maximum(), w->LineCount() - w->VisibleLines());
    EXPECT_EQ(w->horizontalScrollBar()->maximum(), 512 - w->VisibleColumns());
    w->setWordWrap(true);
    EXPECT_EQ(w->horizontalScrollBar()->maximum(), std::max(0, 80 - w->VisibleColumns()));
    w->verticalScrollBar()->setValue(10);
    EXPECT_EQ(w->editor().TopLine(), 11) << "the scroll bar moves the view";
    EXPECT_EQ(caret(), std::make_pair(1, 1)) << "but not the caret";
    key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(w->verticalScrollBar()->value(), w->verticalScrollBar()->maximum());
}

TEST_F(EditWidgetTest, WrapFollowsTheWindowWidth) {
    w->setWordWrap(true);
    w->setWrapToWindow(true);
    setText(std::string(200, 'w'));
    w->resize(300, 200);
    QApplication::processEvents();
    EXPECT_EQ(w->WrapColumn(), w->VisibleColumns() - 2);
    const int wide = w->WrapColumn();
    w->resize(200, 200);
    QApplication::processEvents();
    EXPECT_EQ(w->WrapColumn(), w->VisibleColumns() - 2);
    EXPECT_LT(w->WrapColumn(), wide);
    EXPECT_EQ(w->LineCount(), (200 + w->WrapColumn() - 1) / w->WrapColumn());
}

TEST_F(EditWidgetTest, ColorizerSpansColourThePaintedText) {
    struct Red : LineColorizer {
        std::vector<ColorSpan> spans(int, std::string_view, int, int) override { return {{0, 3, QColor(255, 0, 0)}}; }
    } red;
    w->FixedFont().setSize(14);
    setText("<b>bold");
    const QRect first(w->LeftMargin(), 0, static_cast<int>(3 * w->charWidth()), w->lineHeight());
    const QRect rest(first.right() + 1, 0, static_cast<int>(4 * w->charWidth()), w->lineHeight());
    EXPECT_EQ(countColor(w->viewport()->grab().toImage(), first, Qt::red), 0);
    w->setColorizer(&red);
    const QImage img = w->viewport()->grab().toImage();
    EXPECT_GT(countColor(img, first, Qt::red), 5);
    EXPECT_EQ(countColor(img, rest, Qt::red), 0);
    w->setColorizer(nullptr);
}

// HTML colouring: cells of a kind drawn in the scheme's colour for it, and
// none of it elsewhere in the row; the last rows follow an edit above them.
TEST_F(EditWidgetTest, SyntaxColouringDrawsSchemeColours) {
    using qm::html::Kind;
    w->FixedFont().setSize(14);
    w->setSyntaxColouring(true);
    const SyntaxScheme& scheme = w->htmlColorizer().scheme();
    auto colourOf = [&](Kind k) { return scheme.styles[static_cast<std::size_t>(k)].color; };
    auto cells = [&](int row, int col, int count) {
        return QRect(w->LeftMargin() + static_cast<int>(col * w->charWidth()), row * w->lineHeight(),
                     static_cast<int>(count * w->charWidth()), w->lineHeight());
    };
    struct Case {
        std::string text;
        std::string typedAtTop;  // typed at 1,1 before looking
        int row, col, count;     // the cells, from 0
        Kind kind;
    } cases[] = {
        {"<body bgcolor=\"red\">", "", 0, 1, 4, Kind::TagName},
        {"<body bgcolor=\"red\">", "", 0, 14, 5, Kind::AttrValue},
        {"<a\r\nhref='x.htm'>", "", 1, 5, 7, Kind::AttrValue},
        {"x\r\n<p>", "<!--", 1, 0, 3, Kind::Comment},
    };
    for (const Case& c : cases) {
        setText(c.text);
        if (!c.typedAtTop.empty()) {
            ASSERT_EQ(w->InsertText(std::string_view(c.typedAtTop)), 0);
        }
        const QImage img = w->viewport()->grab().toImage();
        const QColor want = colourOf(c.kind);
        EXPECT_GT(countColor(img, cells(c.row, c.col, c.count), want), 5) << c.text << " " << c.typedAtTop;
        EXPECT_EQ(countColor(img, cells(c.row, c.col + c.count + 1, 40), want) +
                      countColor(img, cells(c.row, 0, c.col - 1), want), 0)
            << c.text << ": the colour stays in its cells";
    }
    w->setSyntaxColouring(false);
    setText("<body>");
    EXPECT_EQ(countColor(w->viewport()->grab().toImage(), cells(0, 1, 4), colourOf(Kind::TagName)), 0);
}

// Random edits through the control, word wrap on, a long paragraph among
// short ones: the colours it keeps must be those of a colorizer that never
// saw the text before (what the control tells of each change is enough).
TEST_F(EditWidgetTest, ColouringAfterRandomEditsEqualsAFreshScan) {
    w->setSyntaxColouring(true);
    w->setWordWrap(true);
    std::mt19937 rng(18);
    // Plain markup, and edits that change the state of all that follows
    // until another edit ends it.
    const std::vector<std::string> plain = {"word ", "<b>", "</b> ", "&amp; ", "<i x=y>"};
    const std::vector<std::string> pieces = {"<!--", "-->", "\"", "<a title=\"", ">", "x", "<script>", "</script>",
                                             "<b>\r\n<!--\r\nx", "-->\r\n\r\n<i", "\r\n"};
    std::string text = "<p>\r\n";
    while (text.size() < 90'000) text += plain[rng() % plain.size()];
    text += "\r\n<a href=x>\r\nlast";
    for (int i = 0; i < 30; ++i) text += "\r\n" + plain[rng() % plain.size()] + plain[rng() % plain.size()];
    setText(text);
    w->editor().store().setUndoBufferSize(1 << 20);  // Undo undoes the edits below, not the text
    auto shown = [](const std::vector<ColorSpan>& spans) {
        std::string s;
        for (const ColorSpan& sp : spans)
            s += std::to_string(sp.start) + "+" + std::to_string(sp.length) + sp.color.name().toStdString() + " ";
        return s;
    };
    for (int step = 0; step < 300; ++step) {
        // Mostly in the long paragraph, where the resume points are.
        const int para = rng() % 4 && w->ParagraphCount() >= 2 ? 2 : 1 + static_cast<int>(rng() % w->ParagraphCount());
        const int length = static_cast<int>(w->GetParagraphText(para).size());
        const int at = length ? static_cast<int>(rng() % length) : 0;
        const qm::LinePos lp = w->editor().store().toLinePos({qm::ParaNum(para), qm::ParaPos(at + 1)});
        w->SetCaret(lp.line.value, lp.col.value);
        switch (rng() % 5) {
        case 0: w->InsertText(QString::fromStdString(pieces[rng() % pieces.size()])); break;
        case 1: key(Qt::Key_Delete); break;
        case 2: key(rng() % 8 ? Qt::Key_Backspace : Qt::Key_Return); break;
        case 3:  // a selection over line ends deleted
            for (int n = static_cast<int>(rng() % 3); n >= 0; --n) key(Qt::Key_Down, Qt::ShiftModifier);
            key(Qt::Key_Delete);
            break;
        default: w->Undo();
        }
        HtmlColorizer fresh(w->editor().store());
        for (int p = 1, probes = 0; p <= w->ParagraphCount(); probes = (probes + 1) % 4, p += probes == 0) {
            const std::string_view t = w->GetParagraphText(p);
            const int from = t.empty() ? 0 : static_cast<int>(rng() % t.size());
            ASSERT_EQ(shown(w->htmlColorizer().spans(p, t, from, from + 200)), shown(fresh.spans(p, t, from, from + 200)))
                << "step " << step << " paragraph " << p << " from " << from;
        }
    }
}


// cover, and the caret goes to the partner.
TEST_F(EditWidgetTest, MatchingTagMarkedAndReached) {
    w->FixedFont().setSize(14);
    w->setSyntaxColouring(true);
    const QColor mark = w->htmlColorizer().scheme().tagMark;
    auto row = [&](int r) { return QRect(w->LeftMargin(), r * w->lineHeight(), 200, w->lineHeight()); };
    struct Case {
        const char* text;
        int line, col;
        std::vector<bool> marked;  // rows
        int toLine, toCol;
    } cases[] = {
        {"<ul>\r\n<li>x\r\n</UL>", 1, 2, {true, false, true}, 3, 1},
        {"<ul\r\n  class=x>\r\n<li>x\r\n</UL>", 2, 4, {true, true, false, true}, 4, 1},
        {"<ul\r\n  class=x>\r\n<li>x\r\n</UL\r\n>", 5, 1, {true, true, false, true, true}, 1, 1},
    };
    for (const Case& c : cases) {
        setText(c.text);
        w->SetCaret(c.line, c.col);
        const QImage img = w->viewport()->grab().toImage();
        for (std::size_t r = 0; r < c.marked.size(); ++r)
            EXPECT_EQ(countColor(img, row(static_cast<int>(r)), mark) > 20, c.marked[r]) << c.text << " row " << r;
        EXPECT_TRUE(w->GotoMatchingTag()) << c.text;
        int col = 0;
        EXPECT_EQ(w->GetCaret(col), c.toLine) << c.text;
        EXPECT_EQ(col, c.toCol) << c.text;
    }
    setText("<ul>\r\n<li>x\r\n</UL>");
    w->SetCaret(1, 2);
    w->SetCaret(2, 5);  // on the text: nothing marked, nowhere to go
    EXPECT_FALSE(w->GotoMatchingTag());
    EXPECT_EQ(countColor(w->viewport()->grab().toImage(), row(0), mark), 0);
    w->setSyntaxColouring(false);
}

// Writes a picture of the control (selection, marker, a wrapped long line)
// to the file named by QM_EDITWIDGET_SHOT, for a person to look at.
TEST_F(EditWidgetTest, Screenshot) {
    const char* out = std::getenv("QM_EDITWIDGET_SHOT");
    if (!out) GTEST_SKIP() << "set QM_EDITWIDGET_SHOT to a PNG path to write the picture";
    w->resize(520, 260);
    w->FixedFont().setName(QStringLiteral("Courier New"));
    w->setWordWrap(true);
    w->setWrapToWindow(true);
    w->setTabSize(4);
    setText("<html>\r\n<head><title>Caf\xC3\xA9 \xE2\x82\xAC 5</title></head>\r\n<body>\r\n"
            "\t<p>This paragraph is long enough to wrap at the window's right edge, twice, "
            "so that the wrapped display lines show how words stay together.</p>\r\n"
            "\t<p>Latin-1 byte: \xE9, NUL: " + std::string(1, '\0') + " end</p>\r\n</body>\r\n</html>");
    w->SetCaret(3, 1);
    w->SetMarker(1);
    w->SelectRange(4, 5, 5, 10);
    w->setInsertMode(false);  // the block caret
    QApplication::processEvents();
    ASSERT_TRUE(w->grab().save(QString::fromLocal8Bit(out)));
}

// A 10 MB line without wrap: the view scrolls to column 5,000,000 and paints
// what is there, and typing there lands in the right place.
TEST_F(EditWidgetTest, TenMegabyteLineScrollsAndPaintsFarToTheRight) {
    w->setWordWrap(false);
    std::string line(10'000'000, ' ');
    line.replace(5'000'000, 4, "MMMM");
    setText(line);
    EXPECT_GE(w->horizontalScrollBar()->maximum(), 5'000'000);
    w->horizontalScrollBar()->setValue(4'999'990);  // as a drag of the scroll bar
    ASSERT_EQ(w->editor().LeftColumn(), 4'999'990);
    const QImage img = w->viewport()->grab().toImage();
    const auto inkIn = [&](int column) {
        const QPoint c = cellCenter(1, column);
        const QRect cell(c.x() - int(w->charWidth() / 2) + 1, c.y() - w->lineHeight() / 2 + 1,
                         int(w->charWidth()) - 2, w->lineHeight() - 2);
        return cell.width() * cell.height() - countColor(img, cell, Qt::white);
    };
    EXPECT_EQ(inkIn(4'999'995), 0) << "blanks before the Ms";
    EXPECT_GT(inkIn(5'000'002), 3) << "an M is drawn at column 5,000,002";
    EXPECT_EQ(inkIn(5'000'006), 0) << "a blank after them";

    w->horizontalScrollBar()->setValue(0);
    w->SetCaret(1, 5'000'001);  // the caret's column becomes the last visible one
    EXPECT_EQ(w->editor().LeftColumn(), 5'000'001 - w->editor().VisibleColumns());
    typeText("x");
    EXPECT_EQ(w->GetParagraphText(1).substr(4'999'999, 6), " xMMMM");
}

TEST_F(EditWidgetTest, LineNumbersMarkEachFileLineNotItsWrappedContinuations) {
    w->setWordWrap(true);
    w->setWrapToWindow(false);
    w->setWrapColumn(10);
    setText("one\r\ntwo words that wrap\r\nthree");
    const int textLeftBefore = w->caretRect().left();
    const int columnsBefore = w->VisibleColumns();
    w->setShowLineNumbers(true);
    const int textLeft = w->caretRect().left();
    ASSERT_GT(textLeft, textLeftBefore + 2 * w->charWidth()) << "the text moves right of the numbers";
    ASSERT_GT(w->LineCount(), 3);
    const QImage img = w->viewport()->grab().toImage();
    // Ink in the number column of a row: pixels unlike the column's own shade.
    auto numbered = [&](int row) {
        const QRect cell(w->LeftMargin(), row * w->lineHeight(), textLeft - w->LeftMargin() - 1, w->lineHeight());
        const QColor shade = img.pixelColor(cell.left() + 1, cell.top() + 1);
        return countColor(img, cell, shade) < cell.width() * cell.height();
    };
    // File line 1, file line 2 and its continuations, then file line 3.
    std::vector<bool> rows, expected(static_cast<size_t>(w->LineCount()), false);
    for (int row = 0; row < w->LineCount(); ++row) rows.push_back(numbered(row));
    expected.front() = expected[1] = expected.back() = true;
    EXPECT_EQ(rows, expected);
    w->setShowLineNumbers(false);
    EXPECT_EQ(w->caretRect().left(), textLeftBefore);
    EXPECT_EQ(w->VisibleColumns(), columnsBefore);
}
