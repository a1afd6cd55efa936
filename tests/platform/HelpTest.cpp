#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

#include "Help.h"
#include "HelpBook.h"
#include "HelpWindow.h"
#include "Paths.h"

namespace {

QString helpDir() { return QString::fromStdString(paths::helpDir().string()); }

QString readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The production help, with its one window.
WindowHelp& help() {
    auto* h = dynamic_cast<WindowHelp*>(&HelpSystem::current());
    if (!h) throw std::logic_error("the production help is not installed");
    return *h;
}

}  // namespace

TEST(Help, HelpFilesNameBooksInTheDeliveredHelpFolder) {
    EXPECT_EQ(HelpBook::folderFor("quillmar.hlp"), QDir(helpDir()).filePath("quillmar"));
    EXPECT_EQ(HelpBook::folderFor("HTML.HLP"), QDir(helpDir()).filePath("html"));
    EXPECT_EQ(HelpBook::folderFor("/elsewhere/x.hlp"), "/elsewhere/x");
    HelpBook missing;
    EXPECT_FALSE(missing.load(HelpBook::folderFor("nosuch.hlp")));
}

TEST(Help, EveryContextNumberTheDialogsUseOpensItsPage) {
    WindowHelp& h = help();
    h.setHelpFile("quillmar.hlp");
    const struct {
        int context;
        const char* page;
    } topics[] = {{1, "options.html"}, {100, "dialogs.html"}, {200, "homepage.html"}};
    for (const auto& t : topics) {
        ASSERT_TRUE(h.showContext(t.context)) << t.context;
        EXPECT_EQ(QFileInfo(h.window()->currentPage()).fileName(), t.page);
        EXPECT_TRUE(h.window()->isVisible());
        EXPECT_FALSE(h.window()->currentTitle().endsWith(".html")) << "page without a title: " << t.page;
    }
    // An unknown context shows nothing and leaves the page as it was.
    EXPECT_FALSE(h.showContext(4711));
    EXPECT_EQ(QFileInfo(h.window()->currentPage()).fileName(), "homepage.html");
}

TEST(Help, ContentsSearchAndHelpOnHelp) {
    WindowHelp& h = help();
    h.setHelpFile("quillmar.hlp");
    ASSERT_TRUE(h.showContents());
    EXPECT_EQ(h.window()->currentPage(), QDir(helpDir()).filePath("quillmar/index.html"));
    EXPECT_FALSE(h.window()->browser()->toPlainText().isEmpty());

    // The search opens on an empty keyword: the whole index, first entry current.
    ASSERT_TRUE(h.search(""));
    QListWidget* list = h.window()->keywordList();
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(h.window()->keywordField()->text(), "");
    EXPECT_GT(list->count(), 30);
    EXPECT_EQ(list->currentRow(), 0);
    // Typing a keyword moves to the first entry starting with it.
    ASSERT_TRUE(h.search("TABLE"));
    ASSERT_NE(list->currentItem(), nullptr);
    EXPECT_TRUE(list->currentItem()->text().startsWith("table", Qt::CaseInsensitive));
    // ...and scrolls it into view, far down the list.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return list->viewport()->rect().intersects(list->visualItemRect(list->currentItem())); }, 2000));
    emit list->itemActivated(list->currentItem());
    EXPECT_NE(QFileInfo(h.window()->currentPage()).fileName(), "index.html");

    // Help on help belongs to the program's book even while the primer is current.
    h.setHelpFile("html.hlp");
    ASSERT_TRUE(h.helpOnHelp());
    EXPECT_EQ(QFileInfo(h.window()->currentPage()).fileName(), "usinghelp.html");
    h.setHelpFile("quillmar.hlp");
}

TEST(Help, ThePrimerIsItsOwnBook) {
    WindowHelp& h = help();
    h.setHelpFile("html.hlp");
    ASSERT_TRUE(h.showContents());
    EXPECT_EQ(h.window()->currentPage(), QDir(helpDir()).filePath("html/index.html"));
    EXPECT_TRUE(h.window()->book().pages().contains("tables.html"));
    h.setHelpFile("quillmar.hlp");
    ASSERT_TRUE(h.showContents());
    EXPECT_EQ(h.window()->currentPage(), QDir(helpDir()).filePath("quillmar/index.html"));
}

TEST(Help, LinksNavigateAndHistoryGoesBack) {
    WindowHelp& h = help();
    h.setHelpFile("quillmar.hlp");
    ASSERT_TRUE(h.showContents());
    QTextBrowser* b = h.window()->browser();
    emit b->anchorClicked(QUrl("file.html"));
    EXPECT_EQ(QFileInfo(h.window()->currentPage()).fileName(), "file.html");
    emit b->anchorClicked(QUrl("../html/index.html"));
    EXPECT_EQ(h.window()->currentPage(), QDir(helpDir()).filePath("html/index.html"));
    b->backward();
    EXPECT_EQ(QFileInfo(h.window()->currentPage()).fileName(), "file.html");
    // A link leaving the help folder is not followed.
    emit b->anchorClicked(QUrl("https://example.org/"));
    EXPECT_EQ(QFileInfo(h.window()->currentPage()).fileName(), "file.html");
}

// Every link of every page names an existing page, and every #anchor an
// existing name or id on that page; every page has a title and keywords.
TEST(Help, EveryLinkOfTheDeliveredPagesResolves) {
    // Real <A> tags only: examples in the pages are written with &lt;.
    static const QRegularExpression href(QStringLiteral("<a\\s[^>]*?href\\s*=\\s*\"([^\"]*)\""),
                                         QRegularExpression::CaseInsensitiveOption);
    int links = 0;
    for (const char* bookName : {"quillmar", "html"}) {
        HelpBook book;
        ASSERT_TRUE(book.load(QDir(helpDir()).filePath(bookName))) << bookName;
        ASSERT_GE(book.pages().size(), 5) << bookName;
        for (const QString& page : book.pages()) {
            const QString path = book.pagePath(page);
            const std::string where = std::string(bookName) + "/" + page.toStdString();
            EXPECT_NE(HelpBook::pageTitle(path), page) << where << " has no title";
            EXPECT_FALSE(HelpBook::pageKeywords(path).isEmpty()) << where << " has no keywords";
            const QString text = readAll(path);
            for (auto it = href.globalMatch(text); it.hasNext();) {
                const QString link = it.next().captured(1);
                ++links;
                const QUrl url(link);
                ASSERT_TRUE(url.isRelative()) << where << ": link leaves the help: " << link.toStdString();
                const QString file = url.path().isEmpty() ? path : QFileInfo(path).dir().filePath(url.path());
                ASSERT_TRUE(QFileInfo(file).isFile()) << where << ": no page for " << link.toStdString();
                EXPECT_TRUE(QFileInfo(file).canonicalFilePath().startsWith(QFileInfo(helpDir()).canonicalFilePath()))
                    << where << ": " << link.toStdString();
                if (url.hasFragment()) {
                    const QRegularExpression anchor(
                        QStringLiteral("(name|id)\\s*=\\s*\"%1\"").arg(QRegularExpression::escape(url.fragment())));
                    EXPECT_TRUE(anchor.match(readAll(file)).hasMatch())
                        << where << ": no anchor for " << link.toStdString();
                }
            }
        }
        // Every mapped context number names a page of the book.
        for (auto it = book.contexts().cbegin(); it != book.contexts().cend(); ++it)
            EXPECT_FALSE(book.contextPage(it.key()).isEmpty()) << bookName << " context " << it.key();
    }
    EXPECT_GT(links, 40);
}
