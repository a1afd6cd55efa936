#include "DocumentFixture.h"

#include <QSignalSpy>

#include "Paths.h"
#include "TTextEditControl.h"
#include "TfHTML.h"
#include "Wiring.h"

void DocumentTest::SetUp() {
    MainWindowTest::SetUp();
    prompter = std::make_unique<ScriptedPrompter>();
    paths::installDeliveredData();
}

void DocumentTest::TearDown() {
    EXPECT_TRUE(prompter->errors().isEmpty()) << prompter->errors().join("\n").toStdString();
    prompter.reset();
    MainWindowTest::TearDown();
}

std::unique_ptr<TmdiMain> DocumentTest::startWired(const QStringList& args, bool openTemplate) {
    if (!openTemplate) writeIni("[System]\r\nOpen Template=0\r\n[Start Options]\r\nTips=0\r\n");
    auto w = std::make_unique<TmdiMain>(args);
    installAllCommands(*w);
    QSignalSpy done(w.get(), &TmdiMain::startUpFinished);
    w->show();
    if (!w->startUpDone()) {
        EXPECT_TRUE(done.wait(5000)) << "start-up did not finish";
    }
    return w;
}

std::string DocumentTest::textOf(const TfHTML* doc) {
    std::string out;
    const TTextEditControl* c = doc->txtHTML();
    for (int p = 1; p <= c->ParagraphCount(); ++p) {
        if (p > 1) out += '\n';
        out += c->GetParagraphText(p);
    }
    return out;
}

QString DocumentTest::makeFile(const std::string& name, const std::string& bytes) {
    qmtest::writeFile(dir.file(name), bytes);
    return qpath(dir.file(name));
}
