// Mouse selection and the clipboard through the real widget.

#include "WidgetTestUtil.h"

#include <QClipboard>
#include <QMimeData>

using P = std::pair<int, int>;

TEST_F(EditWidgetTest, ClickShiftClickAndDragSelect) {
    setText("first line\r\nsecond line\r\nthird");
    QTest::mouseClick(w->viewport(), Qt::LeftButton, Qt::NoModifier, cellCenter(1, 7) - QPoint(3, 0));
    EXPECT_EQ(caret(), P(1, 7)) << "the left half of a cell puts the caret before it";
    QTest::mouseClick(w->viewport(), Qt::LeftButton, Qt::NoModifier, cellCenter(1, 7) + QPoint(3, 0));
    EXPECT_EQ(caret(), P(1, 8)) << "the right half after it";
    QTest::mouseClick(w->viewport(), Qt::LeftButton, Qt::ShiftModifier, cellCenter(2, 4) - QPoint(3, 0));
    EXPECT_EQ(w->editor().selectedText(), "ine\r\nsec") << "from the caret before i to before c";

    QTest::mousePress(w->viewport(), Qt::LeftButton, Qt::NoModifier, cellCenter(3, 2) - QPoint(3, 0));
    QTest::mouseMove(w->viewport(), cellCenter(2, 3) - QPoint(3, 0));
    QTest::mouseMove(w->viewport(), cellCenter(1, 3) - QPoint(3, 0));
    QTest::mouseRelease(w->viewport(), Qt::LeftButton, Qt::NoModifier, cellCenter(1, 3) - QPoint(3, 0));
    EXPECT_EQ(w->editor().selectedText(), "rst line\r\nsecond line\r\nt") << "dragging upwards from line 3";
    EXPECT_EQ(caret(), P(1, 3));
}

TEST_F(EditWidgetTest, DragBelowTheWindowScrolls) {
    std::string t;
    for (int i = 1; i <= 200; ++i) t += "line " + std::to_string(i) + "\r\n";
    setText(t);
    QTest::mousePress(w->viewport(), Qt::LeftButton, Qt::NoModifier, cellCenter(1, 1));
    QTest::mouseMove(w->viewport(), QPoint(50, w->viewport()->height() + 20));
    QTest::qWait(400);
    QTest::mouseRelease(w->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(50, w->viewport()->height() + 20));
    EXPECT_GT(w->editor().TopLine(), 2) << "held outside the window, the view keeps scrolling";
    EXPECT_GT(caret().first, w->VisibleLines());
    EXPECT_TRUE(w->HasSelection());
}

TEST_F(EditWidgetTest, DoubleClickSelectsWordAndMarginSelectsLines) {
    setText("<a href=x>link text</a>\r\nnext");
    QTest::mouseDClick(w->viewport(), Qt::LeftButton, Qt::NoModifier, cellCenter(1, 13));
    EXPECT_EQ(w->editor().selectedText(), "link ") << "the word and the blank after it";
    QTest::mouseClick(w->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(3, cellCenter(1, 1).y()));
    EXPECT_EQ(w->editor().selectedText(), "<a href=x>link text</a>\r\n") << "a margin click selects the line";
    QTest::mouseClick(w->viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(3, cellCenter(2, 1).y()));
    EXPECT_EQ(w->editor().selectedText(), "<a href=x>link text</a>\r\nnext") << "Shift extends by lines";

    w->ClearAll();
    QTest::mouseDClick(w->viewport(), Qt::LeftButton, Qt::NoModifier, cellCenter(1, 1));
    EXPECT_FALSE(w->HasSelection()) << "an empty text ignores the mouse";
}

TEST_F(EditWidgetTest, CutCopyPasteThroughTheSystemClipboard) {
    setText("caf\xC3\xA9 \xE9t\xE9");  // UTF-8 "é", then Latin-1 bytes that are not UTF-8
    w->SelectRange(1, 1, 1, 11);
    key(Qt::Key_C, Qt::ControlModifier);
    QClipboard* cb = QApplication::clipboard();
    EXPECT_EQ(cb->text(), QString::fromUtf8("café été")) << "other programs get the characters shown";
    ASSERT_TRUE(cb->mimeData()->hasFormat(QtEditClipboard::kBytesMimeType));

    key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(text(), "");
    key(Qt::Key_V, Qt::ControlModifier);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text(), "caf\xC3\xA9 \xE9t\xE9" "caf\xC3\xA9 \xE9t\xE9") << "the editor's own bytes come back exactly";

    cb->setText(QString::fromUtf8("naïve\nline"));  // another program's text
    w->ClearAll();
    key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(text(), "na\xC3\xAFve\r\nline") << "foreign text is stored as UTF-8";

    w->SelectRange(1, 1, 1, 3);
    key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(cb->text(), QStringLiteral("na"));
    key(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(text(), "\xC3\xAFve\r\nline");
}

TEST_F(EditWidgetTest, ReadOnlyCutAndPasteDoNothing) {
    setText("keep");
    w->setReadOnly(true);
    w->SelectRange(1, 1, 1, 5);
    QApplication::clipboard()->setText(QStringLiteral("other"));
    key(Qt::Key_X, Qt::ControlModifier);
    key(Qt::Key_V, Qt::ControlModifier);
    QTest::keyClicks(w.get(), "z");
    EXPECT_EQ(text(), "keep");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("other"));
}

TEST_F(EditWidgetTest, DropsGoToTheOwnersHooks) {
    QMimeData data;
    data.setText(QStringLiteral("<B>"));
    const QPoint at = cellCenter(1, 1);
    QDragEnterEvent refused(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w->viewport(), &refused);
    EXPECT_FALSE(refused.isAccepted()) << "without a hook nothing is accepted";

    int drops = 0;
    w->OnDragOver = [](QDragMoveEvent* e) { return e->mimeData()->hasText(); };
    w->OnDragDrop = [&](QDropEvent* e) {
        ++drops;
        w->InsertText(e->mimeData()->text());
    };
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w->viewport(), &move);
    EXPECT_TRUE(move.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w->viewport(), &drop);
    EXPECT_EQ(drops, 1);
    EXPECT_EQ(text(), "<B>");
}
