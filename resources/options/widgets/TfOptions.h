#pragma once
// "Quillmar Application Options": the settings of QUILLMAR.INI that the rest
// of the program reads at the moment of use, on three pages. Filled from the
// store each time it is shown; "Save" writes every setting, "Cancel" none,
// except "Show Tips on Start Up", which is written the moment it is clicked.

#include <QDialog>
#include <functional>
#include <string>

#include "OptionsRules.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class TMegaRegistry;

class TfOptions : public QDialog {
    Q_OBJECT
public:
    // fallbackDir: the default start-up directory, and the one stored when
    // the typed one does not exist.
    TfOptions(TMegaRegistry& ini, std::string fallbackDir, QWidget* parent = nullptr);

    // Shows a text on the main window's status line.
    std::function<void(const QString&)> onStatus;
    // Runs after "Save" has written the settings.
    std::function<void()> onSaved;

    void LoadIniSettings();
    void OKBtnClick();
    void ResetTips();
    // The controls' state as the settings they stand for.
    options::ApplicationOptions fields() const;

    QTabWidget* pages() const { return pages_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    TMegaRegistry& ini_;
    std::string fallbackDir_;
    QTabWidget* pages_ = nullptr;
    QRadioButton* optLower_ = nullptr;
    QRadioButton* optUpper_ = nullptr;
    QRadioButton* optDecide_ = nullptr;
    QRadioButton* optStay_ = nullptr;
    QRadioButton* optMove_ = nullptr;
    QCheckBox* chkWordWrap_ = nullptr;
    QCheckBox* chkSmartTabs_ = nullptr;
    QCheckBox* chkLineNumbers_ = nullptr;
    QSpinBox* spnTabWidth_ = nullptr;
    QLineEdit* txtUserName_ = nullptr;
    QLineEdit* txtEmail_ = nullptr;
    QLineEdit* txtHomePage_ = nullptr;
    QLineEdit* txtOrganisation_ = nullptr;
    QLineEdit* txtStartupDir_ = nullptr;
    QCheckBox* chkTemplate_ = nullptr;
    QCheckBox* chkBackup_ = nullptr;
    QCheckBox* chkTips_ = nullptr;
    QCheckBox* chkCrLf_ = nullptr;
};
