#pragma once
// The plug-ins window ("Quillmar Plug Ins"): the plug-in files of the data
// folder in a drop-down list, the commands of the chosen file in a sorted
// three-column list; "&Insert" or a double-click inserts a command, a press
// arms a drag that carries it as the last tag pair.

#include <functional>

#include "PickTree.h"
#include "TfToolWindow.h"
#include "PluginFile.h"

class QComboBox;
class QPushButton;

class TfPlugIn : public TfToolWindow {
    Q_OBJECT
public:
    explicit TfPlugIn(QWidget* parent = nullptr);

    static constexpr int kHelpContext = 100;

    // The app connects these: insertion through InsertTag, and the last tag
    // pair set when a drag is armed.
    std::function<void(const QString& start, const QString& end)> insertPair;
    std::function<void(const QString& start, const QString& end)> setDragPair;

    // ---- Handlers ----
    // Rescans the data folder; with no plug-in file found both lists keep
    // what they hold.
    void SetListBox();
    // Loads the chosen file's commands ("Cannot open file <path>" and an
    // empty list when it cannot be read).
    void GetCommands();
    void OKBtnClick();
    void StartDrag();
    void HelpBtnClick();

    QComboBox* lstPFiles = nullptr;
    PickTree* lPlug = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* btnRefresh = nullptr;
    QPushButton* CloseBtn = nullptr;
    QPushButton* HelpBtn = nullptr;
    QAction* Rescan1 = nullptr;

private:
    void fillCommands(const plugins::Lines& lines);
    // The selected command's texts; false when none is selected.
    bool selectedCommand(QString& start, QString& end) const;
};
