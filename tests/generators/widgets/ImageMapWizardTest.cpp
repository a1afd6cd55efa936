// The image map wizard on a wired main window: an image loaded from beside
// the document, areas drawn with the mouse and typed in the list, and the
// bytes "To Document" puts into the page.

#include <QImage>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>
#include <functional>

#include "DocumentFixture.h"
#include "TMegaRegistry.h"
#include "TTextEditControl.h"
#include "TfHTML.h"
#include "TfImageMapWiz.h"

namespace {

class ImageMapWizardTest : public DocumentTest {
protected:
    void TearDown() override {
        if (main) {
            for (TfHTML* doc : main->findChildren<TfHTML*>()) doc->txtHTML()->setModified(false);
            main->mdiArea()->closeAllSubWindows();
            main.reset();
        }
        DocumentTest::TearDown();
    }
    // A page in the test folder, opened, and a 400 x 200 picture below it.
    TfImageMapWiz* start() {
        std::filesystem::create_directories(dir.file("images"));
        QImage picture(400, 200, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        EXPECT_TRUE(picture.save(qpath(dir.file("images/nav bar.png"))));
        main = startWired({makeFile("page.html", "")});
        auto* wizard = main->findChild<TfImageMapWiz*>();
        EXPECT_NE(wizard, nullptr);
        main->runCommand("ClientSideImageMapWizard1Click");
        return wizard;
    }
    static void drag(QWidget* canvas, QPoint from, QPoint to) {
        QTest::mousePress(canvas, Qt::LeftButton, {}, from);
        QTest::mouseMove(canvas, (from + to) / 2);
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, to);
    }
    std::string page() { return textOf(main->findChild<TfHTML*>()); }

    std::unique_ptr<TmdiMain> main;
};

TEST_F(ImageMapWizardTest, AreasDrawnAndTypedBecomeTheMapInThePage) {
    TfImageMapWiz* w = start();
    ASSERT_TRUE(w->isVisible());
    ASSERT_TRUE(w->loadImage(qpath(dir.file("images/nav bar.png"))));
    EXPECT_EQ(w->edtImage->text(), "images/nav bar.png");  // named from the page's folder
    EXPECT_EQ(w->edtName->text(), "nav_bar");

    drag(w->canvas, {110, 80}, {10, 20});  // a rectangle, dragged up and left
    w->optCircle->setChecked(true);
    drag(w->canvas, {200, 100}, {240, 100});
    w->optPoly->setChecked(true);
    for (QPoint p : {QPoint(300, 10), QPoint(390, 10), QPoint(350, 90), QPoint(301, 11)})  // the last closes it
        QTest::mouseClick(w->canvas, Qt::LeftButton, {}, p);
    w->optRect->setChecked(true);
    QTest::mouseClick(w->canvas, Qt::LeftButton, {}, {50, 50});  // a click is no area
    ASSERT_EQ(w->areas().size(), 3u);

    // The list takes links and texts, and coordinates that fit the shape.
    w->lstAreas->item(0, TfImageMapWiz::LinkColumn)->setText(QStringLiteral("Home.html"));
    w->lstAreas->item(0, TfImageMapWiz::TextColumn)->setText(QStringLiteral("Home \"page\""));
    w->lstAreas->item(2, TfImageMapWiz::LinkColumn)->setText(QStringLiteral("Mail.html"));
    w->lstAreas->item(1, TfImageMapWiz::CoordsColumn)->setText(QStringLiteral("1,2"));  // refused
    ASSERT_EQ(prompter->shown().size(), 1);
    EXPECT_TRUE(prompter->shown().front().text.startsWith("A circle needs its coordinates as x,y,radius"));
    EXPECT_EQ(w->lstAreas->item(1, TfImageMapWiz::CoordsColumn)->text(), "200,100,40");
    w->lstAreas->item(1, TfImageMapWiz::CoordsColumn)->setText(QStringLiteral("390 190 25"));

    w->btnToDoc->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(page(),
              "<IMG SRC=\"images/nav bar.png\" WIDTH=\"400\" HEIGHT=\"200\" ALT=\"\" USEMAP=\"#nav_bar\" BORDER=\"0\">\n"
              "<MAP NAME=\"nav_bar\">\n"
              "<AREA SHAPE=\"RECT\" COORDS=\"10,20,110,80\" HREF=\"Home.html\" ALT=\"Home &quot;page&quot;\">\n"
              "<AREA SHAPE=\"CIRCLE\" COORDS=\"390,190,25\" NOHREF ALT=\"\">\n"
              "<AREA SHAPE=\"POLY\" COORDS=\"300,10,390,10,350,90\" HREF=\"Mail.html\" ALT=\"\">\n"
              "</MAP>\n");
}

TEST_F(ImageMapWizardTest, RefusesWhatCannotMakeAMapAndFollowsTheTagCase) {
    TfImageMapWiz* w = start();
    const struct {
        std::function<void()> act;
        const char* says;
    } refusals[] = {
        {[w] { w->btnToDoc->click(); }, "Load an image first."},
        {[w] { w->btnAdd->click(); }, "Load an image first."},
        {[&] { w->loadImage(makeFile("not-a-picture.png", "<html>")); }, "Unable to load image "},
        {[&] { w->loadImage(qpath(dir.file("images"))); }, "Unable to load image "},  // a folder
        {[&] { w->loadImage(qpath(dir.file("images/nav bar.png"))), w->btnToDoc->click(); },
         "Draw at least one area on the image first."},
    };
    for (const auto& r : refusals) {
        prompter->clearShown();
        r.act();
        ASSERT_EQ(prompter->shown().size(), 1) << r.says;
        EXPECT_TRUE(prompter->shown().front().text.startsWith(QString::fromUtf8(r.says))) << r.says;
    }
    EXPECT_EQ(page(), "");

    // Add Area places one by the keyboard; Restart drops the areas, not the image.
    w->btnAdd->click();
    w->btnDelete->click();
    EXPECT_TRUE(w->areas().empty());
    w->btnAdd->click();
    w->btnRestart->click();
    EXPECT_TRUE(w->areas().empty());
    EXPECT_FALSE(w->canvas->image().isNull());

    main->IniControl().WriteString("Tags", "Case", "L");
    w->btnAdd->click();  // a rectangle over the middle half
    w->lstAreas->item(0, TfImageMapWiz::LinkColumn)->setText(QStringLiteral("Big.HTML"));
    w->btnToDoc->click();
    EXPECT_EQ(page(),
              "<img src=\"images/nav bar.png\" width=\"400\" height=\"200\" alt=\"\" usemap=\"#nav_bar\" border=\"0\">\n"
              "<map name=\"nav_bar\">\n"
              "<area shape=\"rect\" coords=\"100,50,300,150\" href=\"Big.HTML\" alt=\"\">\n"
              "</map>\n");
}

}  // namespace
