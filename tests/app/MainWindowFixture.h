#pragma once
// Starts the main window as the program does (shown, start-up run), with the
// splash closed through its own button and every modal window recorded.

#include <gtest/gtest.h>

#include <QAction>
#include <QStringList>
#include <filesystem>
#include <memory>
#include <string>

#include "ModalRunner.h"
#include "TmdiMain.h"

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A shown main window whose start-up has finished.
    std::unique_ptr<TmdiMain> start(const QStringList& args = {});

    // The settings file and its contents ("" when missing).
    static std::filesystem::path iniPath();
    static std::string iniText();
    // Replaces the settings file.
    static void writeIni(const std::string& text);
    // A value as the settings store reads it ("<none>" when absent).
    static std::string iniValue(const std::string& section, const std::string& key);

    // The menu item reached through captions, e.g. {"&View", "&List Toolbar"}.
    static QAction* item(TmdiMain& w, const QStringList& path);

    QStringList modalTitles; // every window run modally, in order

private:
    std::filesystem::path cwd_;
    ModalRunner previousRunner_;
};
