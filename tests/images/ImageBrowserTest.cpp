// The image browser on real image files of each format, and its OK into a
// real document window through the main window's tag insertion.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include "ImageCommands.h"
#include "TagInsertion.h"
#include "TagTestSupport.h"
#include "TfImageBrowser.h"

namespace {

// A 40 x 20 picture, red on the left half, blue on the right.
QImage sample(QImage::Format format = QImage::Format_RGB32) {
    QImage img(40, 20, format);
    img.fill(Qt::blue);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) img.setPixelColor(x, y, Qt::red);
    return img;
}

QByteArray encoded(const QImage& img, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    EXPECT_TRUE(writer.write(img)) << format << writer.errorString().toStdString();
    return bytes;
}

// Qt writes no GIF: the 40 x 20 picture by hand (LZW, code size 2).
QByteArray gif() {
    QByteArray b("GIF89a");
    b += QByteArray("\x28\x00\x14\x00\x80\x00\x00", 7);  // 40 x 20, 2-entry global table
    b += QByteArray("\xff\x00\x00\x00\x00\xff", 6);      // red, blue
    b += QByteArray("\x2c\x00\x00\x00\x00\x28\x00\x14\x00\x00", 10);
    // Each pixel a plain code after a clear code, so the code table never
    // grows and every code stays 3 bits wide.
    QByteArray data;
    quint32 acc = 0;
    int bits = 0;
    auto put = [&](int code, int width) {
        acc |= quint32(code) << bits;
        bits += width;
        while (bits >= 8) {
            data += char(acc & 0xff);
            acc >>= 8;
            bits -= 8;
        }
    };
    for (int i = 0; i < 800; ++i) {
        put(4, 3);  // clear
        put(i % 40 < 20 ? 0 : 1, 3);
    }
    put(5, 3);  // end
    if (bits) data += char(acc & 0xff);
    b += char(2);
    for (int at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        b += char(block.size());
        b += block;
    }
    b += char(0);
    b += ';';
    return b;
}

// A PCX of 40 x 20 in three 8-bit planes, no byte needing a run.
QByteArray pcx() {
    QByteArray b(128, '\0');
    b[0] = 0x0a;
    b[1] = 5;
    b[2] = 1;
    b[3] = 8;
    b[8] = 39;   // xmax
    b[10] = 19;  // ymax
    b[65] = 3;
    b[66] = 40;  // bytes per line
    b[68] = 1;
    for (int y = 0; y < 20; ++y)
        for (int plane = 0; plane < 3; ++plane)
            for (int x = 0; x < 40; ++x) b += char(plane == (x < 20 ? 0 : 2) ? 0xbf : 0);
    return b;
}

QByteArray svg() {
    return "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='20'>"
           "<rect width='20' height='20' fill='red'/><rect x='20' width='20' height='20' fill='blue'/></svg>";
}

QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return f.fileName();
}

QStringList fields(const TfImageBrowser& b) {
    QStringList out;
    for (QLineEdit* f : b.info) out << f->text();
    return out;
}

TEST(ImageBrowser, ReadsEachFormatsFactsAndShowsThePictureFitted) {
    QTemporaryDir dir;
    struct Case {
        const char* name;
        QByteArray bytes;
        QStringList facts;  // height, width, bits, planes, colours, type, compression (size checked apart)
    } cases[] = {
        {"A.BMP", encoded(sample(), "bmp"), {"20", "40", "24", "1", "16777216", "BMP", "None"}},
        {"a.png", encoded(sample(), "png"), {"20", "40", "24", "1", "16777216", "PNG", "Deflate"}},
        {"a.jpg", encoded(sample(), "jpeg"), {"20", "40", "24", "1", "16777216", "JPEG", "JPEG baseline"}},
        {"a.tif", encoded(sample(QImage::Format_ARGB32), "tiff"), {"20", "40", "32", "1", "16777216", "TIFF", "None"}},
        {"a.webp", encoded(sample(), "webp"), {"20", "40", "24", "1", "16777216", "WebP", "VP8 lossy"}},
        {"a.gif", gif(), {"20", "40", "1", "1", "2", "GIF", "LZW"}},
        {"a.pcx", pcx(), {"20", "40", "24", "3", "16777216", "PCX", "RLE"}},
        {"a.svg", svg(), {"20", "40", "32", "1", "16777216", "SVG", "None"}},
    };
    TfImageBrowser browser;
    for (const Case& c : cases) {
        const QString path = write(dir, QString::fromLatin1(c.name), c.bytes);
        ASSERT_TRUE(browser.loadImage(path)) << c.name;
        EXPECT_EQ(browser.txtImageName->text(), path) << c.name;
        EXPECT_EQ(fields(browser).mid(0, 7), c.facts) << c.name;
        EXPECT_EQ(browser.info[7]->text(), QString::number(c.bytes.size())) << c.name;
        EXPECT_EQ(browser.oW->value(), 40) << c.name;
        EXPECT_EQ(browser.oH->value(), 20) << c.name;
        // Fitted into the 117-pixel square: 117 x 59, red left, blue right.
        const QImage shown = browser.PImage->pixmap().toImage();
        ASSERT_EQ(shown.size(), QSize(117, 59)) << c.name;
        EXPECT_GT(qRed(shown.pixel(10, 30)), 180) << c.name;
        EXPECT_GT(qBlue(shown.pixel(106, 30)), 180) << c.name;
        EXPECT_LT(qRed(shown.pixel(106, 30)), 60) << c.name;
    }
}

TEST(ImageBrowser, AnUnreadableFileEmptiesTheFactsAndKeepsTheSizes) {
    QTemporaryDir dir;
    const std::pair<QString, const char*> cases[] = {
        {write(dir, "bad.png", "\x89PNG but not really"), "Reading png file failed"},
        {write(dir, "notes.txt", "hello"), "Non TIF, JPeg, BMP, GIF, PNG or PCX Image"},
        {dir.filePath("missing.gif"), "Reading gif file failed"},
        {dir.path(), "Non TIF, JPeg, BMP, GIF, PNG or PCX Image"},  // a folder
    };
    TfImageBrowser browser;
    browser.oW->setValue(7);
    browser.oH->setValue(8);
    for (const auto& [path, text] : cases) {
        EXPECT_FALSE(browser.loadImage(path)) << path.toStdString();
        EXPECT_EQ(fields(browser), QStringList(8, QString())) << path.toStdString();
        EXPECT_EQ(browser.PImage->text(), text) << path.toStdString();
        EXPECT_EQ(browser.oW->value(), 7);
        EXPECT_EQ(browser.oH->value(), 8);
    }
}

class ImageBrowserCommandTest : public TagCommandTest {
protected:
    TfImageBrowser& browser() {
        main->runCommand("Pick2Click");
        auto* b = main->findChild<TfImageBrowser*>();
        EXPECT_TRUE(b && b->isVisible());
        return *b;
    }
};

TEST_F(ImageBrowserCommandTest, OkWrapsTheSelectionAsAltTextAndStaysOpen) {
    installImageCommands(*main);
    QTemporaryDir dir;
    const QString path = write(dir, "Wide.PNG", encoded(QImage(400, 200, QImage::Format_RGB32), "png"));
    TTextEditControl& c = newDocument("see the logo here");
    c.SelectRange(1, 9, 1, 13);
    TfImageBrowser& b = browser();
    ASSERT_TRUE(b.loadImage(path));
    b.btnOK->click();
    const std::string name = path.toStdString();
    EXPECT_EQ(textOf(c), "see the <IMG SRC=\"" + name + "\" BORDER=1 WIDTH=400  HEIGHT=200  ALT=\"logo\"> here");
    EXPECT_TRUE(b.isVisible());

    // Upper case and the tag case setting reach the whole name.
    b.oW->setValue(0);
    b.oH->setValue(0);
    b.btnUpper->click();
    setSetting("Tags", "Case", "L");
    TTextEditControl& d = newDocument();
    b.btnOK->click();
    EXPECT_EQ(textOf(d), "<img src=\"" + path.toLower().toStdString() + "\" border=1 alt=\"\">");
}

TEST_F(ImageBrowserCommandTest, OkWithNoDocumentDoesNothing) {
    installImageCommands(*main);
    TfImageBrowser& b = browser();
    b.btnOK->click();
    EXPECT_NE(status(), "Adding Command ...");
    EXPECT_EQ(lastTagPair().start, "");
}

}  // namespace
