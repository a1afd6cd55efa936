// The status line, the status panels and the document tab strip.

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>

#include "DocumentStatus.h"
#include "MainWindowFixture.h"
#include "StatusLineLabel.h"

namespace {

// A document as the status panels see it.
class FakeDocument : public QTextEdit, public DocumentStatus {
public:
    int line = 1, column = 1;
    long long bytes = 0;
    bool insert = true;
    int caretLine() const override { return line; }
    int caretColumn() const override { return column; }
    long long byteCount() const override { return bytes; }
    bool insertMode() const override { return insert; }
};

QStringList tabTexts(const QTabBar* bar) {
    QStringList out;
    for (int i = 0; i < bar->count(); ++i) out << bar->tabText(i);
    return out;
}

}  // namespace

TEST_F(MainWindowTest, SetStatusTextWritesOnlyWhenTheTextDiffers) {
    auto w = start();
    QSignalSpy changes(w->statusLine(), &StatusLineLabel::captionChanged);
    w->SetStatusText("Saving x ...");
    w->SetStatusText("Saving x ...");
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(w->statusText(), "   Saving x ...");
    // A hint in between makes the same text write again; the hint is unchanged.
    w->ShowHint("Bold");
    EXPECT_EQ(w->statusText(), "Bold");
    w->SetStatusText("Saving x ...");
    EXPECT_EQ(changes.count(), 3);
    w->ShowHint("");
    EXPECT_EQ(w->statusText(), "");
}

TEST_F(MainWindowTest, ALongStatusTextKeepsBothEndsInViewAndShowsWholeAsTheTooltip) {
    auto w = start();
    StatusLineLabel* line = w->statusLine();
    w->SetStatusText("Ready");
    line->grab();  // paints
    EXPECT_EQ(line->shownText(), line->text());
    EXPECT_EQ(line->toolTip(), "");
    const QString path = QStringLiteral("/home/someone/web/site/pages/a-rather-long-name.html");
    w->SetStatusText(path + QStringLiteral(" was changed by another program."));
    line->grab();
    const QString shown = line->shownText();
    EXPECT_LT(line->fontMetrics().horizontalAdvance(shown), line->contentsRect().width());
    EXPECT_TRUE(shown.startsWith(QStringLiteral("   /home"))) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(QStringLiteral("program."))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QChar(0x2026)));
    EXPECT_EQ(line->toolTip(), line->text());
    EXPECT_EQ(w->statusText(), line->text());  // the caption itself is whole
}

TEST_F(MainWindowTest, PanelsHaveTheirWidthsHintsAndFirstTexts) {
    auto w = start();
    struct Expect {
        const char* name;
        int width;  // at least this wide, and exactly when nothing must fit
        QString hint;
        QString mustFit;
    };
    const Expect panels[] = {
        {"StatusLine", 194, "", ""},
        {"pnlMode", 65, "Current Editing Mode", ""},
        {"pnlPos", 52, "Current Position", "9999999:99999"},
        {"pnlSize", 72, "Files Size in Bytes", "Bytes: 20000000"},
        {"pnlApp", 110, "Your User Name", ""},
    };
    for (const Expect& e : panels) {
        SCOPED_TRACE(e.name);
        QLabel* p = w->panel(e.name);
        ASSERT_NE(p, nullptr);
        if (e.mustFit.isEmpty()) {
            EXPECT_EQ(p->width(), e.width);
        } else {
            EXPECT_GE(p->width(), e.width);
            EXPECT_LE(p->fontMetrics().horizontalAdvance(e.mustFit), p->contentsRect().width());
        }
        EXPECT_EQ(p->statusTip(), e.hint);
    }
    QLabel* tag = w->panel("pnlTag");
    EXPECT_EQ(tag->statusTip(), "Last Tag inserted - to reuse press \"F4\"");
    EXPECT_EQ(tag->text(), "");
    // pnlTag reaches to the right end of the bar.
    EXPECT_GT(tag->width(), 100);
    EXPECT_GE(tag->geometry().right() + 12, tag->parentWidget()->width());
    EXPECT_EQ(w->panel("pnlMode")->text(), "");
}

// The panels show tags and the user's name: after H2 the last-tag panel was
// blank (rich text draws "<H2></H2>" as an empty heading).
TEST_F(MainWindowTest, EveryPanelDrawsTagTextAsWritten) {
    auto w = start();
    const QString tag = QStringLiteral("<H2></H2>");
    for (const char* name : {"StatusLine", "pnlMode", "pnlPos", "pnlSize", "pnlApp", "pnlTag"}) {
        SCOPED_TRACE(name);
        QLabel* p = w->panel(name);
        p->setText(tag);
        EXPECT_EQ(p->textFormat(), Qt::PlainText);
        const QImage drawn = p->grab().toImage();
        const QRect inside = p->contentsRect().adjusted(1, 1, -1, -1);
        int ink = 0;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                if (QColor(drawn.pixel(x, y)).lightness() < 100) ++ink;
        EXPECT_GT(ink, 20) << "nothing drawn for " << tag.toStdString();
    }
}

TEST_F(MainWindowTest, ShowStatusReadsTheActiveDocument) {
    writeIni("[Application Header]\r\nUser Name=Grace\r\n");
    auto w = start();
    w->ShowStatus();  // no document: the panels stay as they are
    EXPECT_EQ(w->panel("pnlPos")->text(), "");

    auto* doc = new FakeDocument;
    doc->line = 12;
    doc->column = 5;
    doc->bytes = 5;
    w->mdiArea()->addSubWindow(doc)->show();
    w->ShowStatus();
    EXPECT_EQ(w->panel("pnlPos")->text(), "12:5");
    EXPECT_EQ(w->panel("pnlSize")->text(), "Bytes: 5");
    EXPECT_EQ(w->panel("pnlMode")->text(), "Insert");
    EXPECT_EQ(w->panel("pnlApp")->text(), "Grace");

    doc->insert = false;
    doc->bytes = 0;
    w->setUserName("Hopper");
    // The timer refreshes within two seconds.
    QTRY_COMPARE_WITH_TIMEOUT(w->panel("pnlMode")->text(), QString("Overwrite"), 3000);
    EXPECT_EQ(w->panel("pnlSize")->text(), "Bytes: 0");
    EXPECT_EQ(w->panel("pnlApp")->text(), "Hopper");

    // With every document closed the last values stay.
    w->mdiArea()->closeAllSubWindows();
    w->ShowStatus();
    EXPECT_EQ(w->panel("pnlPos")->text(), "12:5");
}

TEST_F(MainWindowTest, TabStripKeepsOneTabPerCaptionComparedExactly) {
    auto w = start();
    QTabBar* tabs = w->tabStrip();
    w->TabsUpdate("/web/Index.html");
    w->TabsUpdate("/web/index.html");  // a different file on Linux
    w->TabsUpdate("/web/Index.html");
    EXPECT_EQ(tabTexts(tabs), (QStringList{"/web/Index.html", "/web/index.html"}));
    w->SelectTabName("/web/index.html");
    EXPECT_EQ(tabs->currentIndex(), 1);
    w->SelectTabName("/nowhere");
    EXPECT_EQ(tabs->currentIndex(), 1);
    w->RemovefromTabs("/WEB/INDEX.HTML");
    EXPECT_EQ(tabs->count(), 2);
    w->RemovefromTabs("/web/Index.html");
    EXPECT_EQ(tabTexts(tabs), QStringList{"/web/index.html"});
}

TEST_F(MainWindowTest, TabsFollowTheDocumentWindows) {
    auto w = start();
    QList<QMdiSubWindow*> subs;
    for (const char* caption : {"/a.html", "New HTML Document 1", "/b.html"}) {
        auto* edit = new QTextEdit;
        edit->setWindowTitle(caption);
        subs << w->mdiArea()->addSubWindow(edit);
        subs.back()->show();
    }
    w->TabsRefresh();
    EXPECT_EQ(tabTexts(w->tabStrip()), (QStringList{"/a.html", "New HTML Document 1", "/b.html"}));

    // Clicking a tab brings its document to the front.
    w->mdiArea()->setActiveSubWindow(subs[2]);
    w->activateWindow();
    QTabBar* tabs = w->tabStrip();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(w->mdiArea()->currentSubWindow(), subs[0]);
}
