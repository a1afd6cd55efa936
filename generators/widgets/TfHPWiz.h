#pragma once
// The Home page wizard: six tabbed pages of fields for a complete home page,
// shown modally. "Create it" accepts the dialog; whoever showed it then
// builds the page from fields(). Created once: the fields keep their values
// within a run; only the placement (Prefs) outlives it.

#include <QDialog>
#include <array>

#include "HomePageGen.h"
#include "TBag.h"

class ColourGrid;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

class TfHPWiz : public QDialog {
    Q_OBJECT
public:
    enum Page { WelcomePage, TitlePage, ImagePage, SectionsPage, FooterPage, AppearancePage };

    explicit TfHPWiz(QWidget* parent = nullptr);

    static constexpr int kHelpContext = 200;

    // Everything the pages hold, as the generator takes it.
    homepage::Fields fields() const;

    // ---- Handlers ----
    // The image open dialog; on OK the file's full path goes into `field`.
    void browseImage(QLineEdit* field);
    void HelpBtnClick();

    QTabWidget* Notebook = nullptr;  // its tab bar is the tab strip
    QPlainTextEdit* mWelcome = nullptr;
    QLineEdit* tTitle = nullptr;
    QLineEdit* tSubTitle = nullptr;
    QCheckBox* optWelcome = nullptr;
    QRadioButton* btnLeft = nullptr;
    QRadioButton* btnCentre = nullptr;
    QRadioButton* btnRight = nullptr;
    QLineEdit* txtIM = nullptr;
    QSpinBox* spnBorder = nullptr;
    QCheckBox* optSlash2 = nullptr;
    QCheckBox* optIncImage = nullptr;
    QRadioButton* optIB = nullptr;
    QRadioButton* optIA = nullptr;
    QPushButton* btnBrowse2 = nullptr;
    QPushButton* btnUC = nullptr;
    QPushButton* btnLC = nullptr;
    QPlainTextEdit* mSections = nullptr;
    QRadioButton* optLines = nullptr;
    QCheckBox* optMail = nullptr;
    QCheckBox* optAddress = nullptr;
    QPlainTextEdit* mAddress = nullptr;
    QCheckBox* optUpdated = nullptr;
    ColourGrid* grdColor = nullptr;
    QCheckBox* optFColor = nullptr;
    QCheckBox* optBColor = nullptr;
    QLineEdit* txtImageName = nullptr;
    QCheckBox* optUseBGImage = nullptr;
    QCheckBox* chkslash = nullptr;
    QPushButton* btnBrowse = nullptr;
    QPushButton* btnUpper = nullptr;
    QPushButton* btnLower = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    // The image-name controls of a page: the name, "&Browse ...", "&Upper
    // Case", "&Lower Case" (all acting on the name) and the slash option.
    struct ImageName {
        QLineEdit* name;
        QPushButton* browse;
        QPushButton* upper;
        QPushButton* lower;
        QCheckBox* slashes;
    };
    ImageName imageName(const std::array<const char*, 5>& names, const QString& text, bool slashes, QWidget* page);
    void buildPages();
    TBag Prefs;
};
