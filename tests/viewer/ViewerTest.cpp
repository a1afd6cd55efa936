// The rendering control on the real engine (offscreen), its file-access
// rule and its PCX decoder.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTest>
#include <QPrinter>
#include <QProcess>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <filesystem>
#include <string>
#include <vector>

#include "FileAccess.h"
#include "HtmlViewer.h"
#include "Paths.h"
#include "PcxImage.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

// A PCX file: every byte written as a run of one, which the decoder must
// read like any other run.
QByteArray pcx(int bits, int planes, int width, int height, int bytesPerLine, const std::vector<int>& data,
               const std::vector<int>& headerPalette = {}, const std::vector<int>& tailPalette = {}) {
    QByteArray b(128, '\0');
    auto word = [&](int at, int v) { b[at] = char(v & 0xFF); b[at + 1] = char(v >> 8); };
    b[0] = char(0x0A); b[1] = 5; b[2] = 1; b[3] = char(bits);
    word(4, 0); word(6, 0); word(8, width - 1); word(10, height - 1);
    for (std::size_t i = 0; i < headerPalette.size(); ++i) b[int(16 + i)] = char(headerPalette[i]);
    b[65] = char(planes);
    word(66, bytesPerLine);
    for (int v : data) { b.append(char(0xC1)); b.append(char(v)); }
    if (!tailPalette.empty()) {
        b.append(char(12));
        QByteArray pal(768, '\0');
        for (std::size_t i = 0; i < tailPalette.size(); ++i) pal[int(i)] = char(tailPalette[i]);
        b.append(pal);
    }
    return b;
}

}  // namespace

TEST(PcxImage, DecodesEachLayoutAndRefusesBrokenFiles) {
    struct Case {
        const char* what;
        QByteArray bytes;
        std::vector<QRgb> pixels;  // row by row; empty: not decoded
    };
    const std::vector<Case> cases = {
        {"8 bits, palette at the end", pcx(8, 1, 2, 2, 2, {0, 1, 2, 3}, {}, {255, 0, 0, 0, 255, 0, 0, 0, 255, 9, 9, 9}),
         {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(9, 9, 9)}},
        {"24 bits in three planes", pcx(8, 3, 2, 1, 2, {10, 20, 30, 40, 50, 60}),
         {qRgb(10, 30, 50), qRgb(20, 40, 60)}},
        {"16 colours in four planes", pcx(1, 4, 2, 1, 1, {0x80, 0x40, 0x00, 0xC0}, {0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5, 6, 6, 6, 7, 7, 7, 8, 8, 8, 9, 9, 9, 10, 10, 10, 11, 11, 11}),
         {qRgb(9, 9, 9), qRgb(10, 10, 10)}},
        {"black and white", pcx(1, 1, 3, 1, 2, {0xA0, 0x00}), {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(255, 255, 255)}},
        {"truncated data", pcx(8, 3, 2, 1, 2, {10, 20, 30}), {}},
        {"not a PCX file", QByteArray(200, 'x'), {}},
        {"too short for a header", QByteArray(20, char(0x0A)), {}},
        {"width beyond the line length", pcx(8, 1, 9, 1, 2, {1, 2}), {}},
    };
    for (const Case& c : cases) {
        const QImage img = decodePcx(c.bytes);
        if (c.pixels.empty()) {
            EXPECT_TRUE(img.isNull()) << c.what;
            continue;
        }
        ASSERT_FALSE(img.isNull()) << c.what;
        std::vector<QRgb> got;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) got.push_back(img.pixel(x, y) | 0xFF000000u);
        EXPECT_EQ(got, c.pixels) << c.what;
    }
}

TEST(FileAccess, OnlyThePageFolderAndNeverTheProgramsOwnFiles) {
    qmtest::TempDir dir;
    fs::create_directories(dir.file("site/img"));
    fs::create_directories(dir.file("data/preview"));
    fs::create_directories(dir.file("config"));
    fs::create_symlink(dir.file("config"), dir.file("site/link"));
    const viewer::FileAccessRule site{dir.file("site/index.html").string(), dir.file("site").string(), {dir.file("config").string(), dir.file("data").string()},
                                      {dir.file("data/preview").string()}};
    viewer::FileAccessRule inData = site;
    inData.shownFile = dir.file("data/page.html").string();
    inData.pageFolder = dir.file("data").string();
    struct Case {
        const viewer::FileAccessRule* rule;
        std::string path;
        bool allowed;
    };
    const std::vector<Case> cases = {
        {&site, dir.file("site/a.png").string(), true},
        {&site, dir.file("site/img/b.png").string(), true},
        {&site, dir.file("site/../other.png").string(), false},
        {&site, dir.file("site2/a.png").string(), false},      // a folder that only starts alike
        {&site, dir.file("site/link/QUILLMAR.INI").string(), false},  // a link into the settings
        {&inData, dir.file("data/notes.txt").string(), false},
        {&inData, dir.file("data/page.html").string(), true},  // the page itself
        {&inData, dir.file("data/preview/temp.qlm").string(), true},
        {&site, "", false},
    };
    for (const Case& c : cases) EXPECT_EQ(viewer::mayRead(*c.rule, c.path), c.allowed) << c.path;
}

// ---------------------------------------------------------------------------

class HtmlViewerTest : public ::testing::Test {
protected:
    void SetUp() override {
        viewer.resize(640, 480);
        viewer.show();
    }

    fs::path page(const std::string& name, const std::string& html, const fs::path& folder = {}) {
        const fs::path p = (folder.empty() ? dir.path() : folder) / name;
        qmtest::writeFile(p, html);
        return p;
    }
    void load(const fs::path& p) {
        viewer.LoadFromFile(QString::fromStdString(p.string()));
        ASSERT_TRUE(viewer.waitForLoad()) << p;
    }
    QVariant js(const QString& script) {
        QVariant result;
        QEventLoop loop;
        viewer.view()->page()->runJavaScript(script, [&](const QVariant& v) {
            result = v;
            loop.quit();
        });
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
        return result;
    }
    // Waits until every image of the page has settled.
    void settleImages() {
        for (int i = 0; i < 50; ++i) {
            if (js(QStringLiteral("Array.from(document.images).every(i => i.complete)")).toBool()) return;
            QEventLoop loop;
            QTimer::singleShot(50, &loop, &QEventLoop::quit);
            loop.exec();
        }
    }

    qmtest::TempDir dir;
    HtmlViewer viewer;
};

TEST_F(HtmlViewerTest, HistoryIsNewestFirstAndKeepsSixEntries) {
    const fs::path a = page("a.html", "<title>First</title>A");
    const fs::path b = page("b.html", "<title>Second</title>B");
    load(a);
    load(b);
    EXPECT_EQ(viewer.History(), (QStringList{QString::fromStdString(b.string()), QString::fromStdString(a.string())}));
    EXPECT_EQ(viewer.DocumentTitle(), "Second");
    viewer.setHistoryIndex(1);
    ASSERT_TRUE(viewer.waitForLoad());
    EXPECT_EQ(viewer.CurrentFile().toStdString(), a.string());
    EXPECT_EQ(viewer.DocumentTitle(), "First");
    // A new file while an older entry is shown drops the entries ahead of it.
    const fs::path c = page("c.html", "C");
    load(c);
    EXPECT_EQ(viewer.History().size(), 2);
    EXPECT_EQ(viewer.DocumentTitle(), "");  // no <title>
    for (int i = 0; i < 6; ++i) load(c);
    EXPECT_EQ(viewer.History().size(), HtmlViewer::kDefaultHistoryMax);
    viewer.LoadFromFile(QString());  // an empty name does nothing
    EXPECT_EQ(viewer.CurrentFile().toStdString(), c.string());
}

TEST_F(HtmlViewerTest, DefaultColoursApplyOnlyWhereThePageSetsNone) {
    viewer.setDefBackground(QColor(1, 2, 3));
    viewer.setDefFontColor(QColor(4, 5, 6));
    viewer.setDefHotSpotColor(QColor(7, 8, 9));
    struct Case {
        const char* body;
        const char* background;
        const char* text;
        const char* link;
    };
    const std::vector<Case> cases = {
        {"<body><a href='x.html'>x</a>", "rgb(1, 2, 3)", "rgb(4, 5, 6)", "rgb(7, 8, 9)"},
        {"<body bgcolor='#00FF00' text='#FF0000' link='#0000FF'><a href='x.html'>x</a>", "rgb(0, 255, 0)",
         "rgb(255, 0, 0)", "rgb(0, 0, 255)"},
        {"<style>body{background:#101010;color:#202020} a{color:#303030}</style><body><a href='x.html'>x</a>",
         "rgb(16, 16, 16)", "rgb(32, 32, 32)", "rgb(48, 48, 48)"},
    };
    for (const Case& c : cases) {
        load(page("colours.html", c.body));
        EXPECT_EQ(js("getComputedStyle(document.body).backgroundColor").toString(), c.background) << c.body;
        EXPECT_EQ(js("getComputedStyle(document.body).color").toString(), c.text) << c.body;
        EXPECT_EQ(js("getComputedStyle(document.querySelector('a')).color").toString(), c.link) << c.body;
    }
}

TEST_F(HtmlViewerTest, ImagesComeOnlyFromThePageFolderAndPcxIsShown) {
    fs::create_directories(dir.file("site"));
    qmtest::writeFile(dir.file("site/pic.pcx"), pcx(8, 3, 2, 1, 2, {10, 20, 30, 40, 50, 60}).toStdString());
    QImage png(3, 2, QImage::Format_RGB32);
    png.fill(Qt::red);
    png.save(QString::fromStdString(dir.file("outside.png").string()));
    png.save(QString::fromStdString(dir.file("site/inside.png").string()));
    const fs::path data = paths::dataDir();
    png.save(QString::fromStdString((data / "own.png").string()));
    const fs::path p = page("page.html",
                            "<img id=pcx src='pic.pcx'><img id=in src='inside.png'><img id=out src='../outside.png'>"
                            "<img id=abs src='file://" + dir.file("outside.png").string() + "'>",
                            dir.file("site"));
    load(p);
    settleImages();
    EXPECT_EQ(js("document.getElementById('pcx').naturalWidth").toInt(), 2);
    EXPECT_EQ(js("document.getElementById('in').naturalWidth").toInt(), 3);
    EXPECT_EQ(js("document.getElementById('out').naturalWidth").toInt(), 0);
    EXPECT_EQ(js("document.getElementById('abs').naturalWidth").toInt(), 0);
    // A page kept in the program's data folder still cannot read its files.
    load(page("inside-data.html", "<img id=own src='own.png'>", data));
    settleImages();
    EXPECT_EQ(js("document.getElementById('own').naturalWidth").toInt(), 0);
    // Images off: none is loaded.
    viewer.setViewImages(false);
    load(p);
    settleImages();
    EXPECT_EQ(js("document.getElementById('in').naturalWidth").toInt(), 0);
}

TEST_F(HtmlViewerTest, LinkClicksGoThroughTheHandler) {
    const fs::path other = page("other.html", "<title>Other</title>");
    load(page("links.html", "<a id=l href='other.html'>other</a>"));
    QStringList clicked;
    bool stop = true;
    viewer.OnHotSpotClick = [&](const QString& link, bool& handled) {
        clicked << link;
        handled = stop;
    };
    js("document.getElementById('l').click()");
    QTest::qWait(300);
    EXPECT_EQ(clicked, QStringList{QString::fromStdString(other.string())});
    EXPECT_EQ(viewer.History().size(), 1);  // handled: not followed
    stop = false;
    js("document.getElementById('l').click()");
    QTest::qWait(100);
    ASSERT_TRUE(viewer.waitForLoad());
    EXPECT_EQ(viewer.CurrentFile().toStdString(), other.string());
    EXPECT_EQ(viewer.History().size(), 2);
    EXPECT_EQ(viewer.ExpandFileName("sub/x.wav"), QString::fromStdString(dir.file("sub/x.wav").string()));
    EXPECT_EQ(viewer.ExpandFileName("file:x.html#top"), QString::fromStdString(dir.file("x.html").string()));
}

TEST_F(HtmlViewerTest, FindsForwardAndPrintsThePage) {
    load(page("find.html", "<p>alpha Beta alpha</p>"));
    EXPECT_TRUE(viewer.FindInDocument("alpha", false));
    EXPECT_TRUE(viewer.FindInDocument("beta", false));
    EXPECT_FALSE(viewer.FindInDocument("beta", true));
    EXPECT_FALSE(viewer.FindInDocument("gamma", false));

    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    const fs::path pdf = dir.file("page.pdf");
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    ASSERT_TRUE(viewer.PrintPages(printer, 1, 9999));
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QString::fromStdString(pdf.string()), QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_TRUE(p.readAllStandardOutput().contains("alpha Beta alpha"));
}
