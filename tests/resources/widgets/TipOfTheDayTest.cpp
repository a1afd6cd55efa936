// The tip of the day at start-up: shown when "Start Options"/"Tips" is on,
// the ring of tips with its titles, and "Tips" written off when the box is
// cleared.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include "DocumentFixture.h"
#include "Paths.h"
#include "TfTipOfTheDay.h"
#include "Wiring.h"

namespace {

class TipOfTheDayTest : public DocumentTest {
protected:
    // Starts wired with tips on; `user` acts on the tip window as a user.
    std::unique_ptr<TmdiMain> startWithTips(std::function<void(TfTipOfTheDay&)> user) {
        writeIni("[System]\r\nOpen Template=0\r\n");
        setModalRunner([this, user](QDialog& d) {
            modalTitles << d.windowTitle();
            if (auto* tip = qobject_cast<TfTipOfTheDay*>(&d)) user(*tip);
            return int(QDialog::Accepted);
        });
        auto w = std::make_unique<TmdiMain>();
        installAllCommands(*w);
        QSignalSpy done(w.get(), &TmdiMain::startUpFinished);
        w->show();
        if (!w->startUpDone()) {
            EXPECT_TRUE(done.wait(5000));
        }
        return w;
    }
};

}  // namespace

TEST_F(TipOfTheDayTest, ShownAtStartUpAndClearingTheBoxTurnsItOff) {
    bool checkedAtFirst = false;
    auto w = startWithTips([&](TfTipOfTheDay& tip) {
        checkedAtFirst = tip.chkShowTips->isChecked();
        tip.chkShowTips->setChecked(false);
    });
    EXPECT_TRUE(modalTitles.contains("Tip of the day"));
    EXPECT_TRUE(checkedAtFirst);
    EXPECT_EQ(iniValue("Start Options", "Tips"), "0");
}

TEST_F(TipOfTheDayTest, ThreeTipsCycleWithTheirTitles) {
    qmtest::writeFile(paths::dataFile("TIPS.TXT"), "?first%ssecond line\r\n^two\r\n!three\r\n");
    QStringList seen;
    auto w = startWithTips([&](TfTipOfTheDay& tip) {
        for (int i = 0; i < 4; ++i) {
            seen << tip.lTitle->text() + "|" + tip.lTip->text();
            tip.btnNext->click();
        }
    });
    ASSERT_EQ(seen.size(), 4);
    EXPECT_EQ(seen[3], seen[0]) << "the fourth tip is the first again";
    EXPECT_TRUE(seen.contains("Did you know...|first\nsecond line"));
    EXPECT_TRUE(seen.contains("Today's tip...|two"));
    EXPECT_TRUE(seen.contains("Today's joke...|three"));
    EXPECT_EQ(iniValue("Start Options", "Tips"), "<none>");  // box left checked: nothing written
}

TEST_F(TipOfTheDayTest, NoTipsFileKeepsTheOopsTextAndDisablesTheButtons) {
    std::filesystem::remove(paths::dataFile("TIPS.TXT"));
    bool disabled = false;
    QString title;
    auto w = startWithTips([&](TfTipOfTheDay& tip) {
        title = tip.lTitle->text();
        disabled = !tip.btnNext->isEnabled() && !tip.btnPrevious->isEnabled();
    });
    EXPECT_EQ(title, "Oops...");
    EXPECT_TRUE(disabled);
}
