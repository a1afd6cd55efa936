#pragma once
// A main window with the tag, navigation and text-tool commands installed and
// real document windows in it, for the tests of those commands.

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <memory>
#include <string>

#include "ModalRunner.h"
#include "ScriptedPrompter.h"
#include "TTextEditControl.h"
#include "TfHTML.h"
#include "TmdiMain.h"

class TagCommandTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new document window (the active one) holding `text` ("\r\n" between
    // paragraphs), caret at the start, unmodified.
    TTextEditControl& newDocument(const std::string& text = {});
    // The document's paragraphs joined by "\n".
    static std::string textOf(const TTextEditControl& c);
    static std::string selected(const TTextEditControl& c);
    // Wrap at `column`, so the display lines are short.
    static void wrapAt(TTextEditControl& c, int column);
    void setSetting(const char* section, const char* key, const char* value);
    QString status() const;
    QString tagPanel() const;

    // Every window run modally, by title; none blocks.
    QStringList modalTitles;
    std::unique_ptr<ScriptedPrompter> prompter;
    std::unique_ptr<TmdiMain> main;

private:
    ModalRunner previousRunner_;
};
