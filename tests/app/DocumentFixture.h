#pragma once
// A fully wired main window (every command installed, as the program runs)
// with a scripted Prompter answering every question.

#include <QString>
#include <filesystem>
#include <memory>
#include <string>

#include "MainWindowFixture.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"

class TfHTML;

class DocumentTest : public MainWindowTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Started without the start-up document unless openTemplate.
    std::unique_ptr<TmdiMain> startWired(const QStringList& args = {}, bool openTemplate = false);

    // The editing control's whole text, paragraphs joined by "\n".
    static std::string textOf(const TfHTML* doc);
    static QString qpath(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }
    QString makeFile(const std::string& name, const std::string& bytes);

    std::unique_ptr<ScriptedPrompter> prompter;
    qmtest::TempDir dir;
};
