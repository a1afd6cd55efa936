#pragma once
// The Forms wizard: a stay-on-top window that builds one form element at a
// time from the page shown and sends it to the active document or to the
// clipboard. It stays open after each element, so a form is put together
// element by element. Created once and hidden between uses: every field
// keeps its value within a run; only the Action URL (main settings) and the
// placement (Prefs) outlive it.

#include <QDialog>
#include <functional>

#include "FormsGen.h"
#include "TBag.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class TMegaRegistry;

class TfFormWiz : public QDialog {
    Q_OBJECT
public:
    enum Page { FormPage, SubmitPage, ResetPage, TextLinePage, MultiLinePage, OptionPage, SelectPage, PredefinedPage };
    enum class SendMode { Clipboard, Document };

    // Sends an element into the active document; false when none is open.
    using DocumentSink = std::function<bool(const formsgen::Element&)>;
    using StatusSink = std::function<void(const QString&)>;

    // The Action URL is read from and written to `settings` (the main
    // settings store), which must outlive the wizard.
    TfFormWiz(TMegaRegistry& settings, QWidget* parent = nullptr);

    void setDocumentSink(DocumentSink sink) { toDocument_ = std::move(sink); }
    void setStatusSink(StatusSink sink) { status_ = std::move(sink); }

    static constexpr int kHelpContext = 100;
    static constexpr int kMaxNumber = 240;

    // The send button pressed last, for every wizard of the run.
    static SendMode sendMode();

    // ---- Handlers ----
    void selectPage(int page);
    void btnToDocClick();
    void btnToClipClick();
    // The current page's element, sent the last-chosen way.
    void DoIt();
    void LoadTable();
    void btnLoadFormClick();
    void HelpBtnClick();
    // The element the current page's fields make.
    formsgen::Element currentElement() const;

    QTabWidget* Notebook1 = nullptr;  // its tab bar is the tab strip
    // Sample controls of the picture panel, each selecting its page.
    QPushButton* btnFForm = nullptr;
    QPushButton* btnFSubmit = nullptr;
    QPushButton* btnFRefresh = nullptr;
    QLineEdit* btnFText = nullptr;
    QPlainTextEdit* btnFMulti = nullptr;
    QRadioButton* btnFOpt = nullptr;
    QRadioButton* btnFSelect = nullptr;
    QListWidget* optList = nullptr;
    QPushButton* btnPredefined = nullptr;
    // Form
    QComboBox* tMethod = nullptr;
    QLineEdit* tAction = nullptr;
    QLineEdit* tMime = nullptr;
    // Submit, Reset
    QLineEdit* tSubValue = nullptr;
    QLineEdit* tSubName = nullptr;
    QLineEdit* tResetValue = nullptr;
    // TextLine
    QLineEdit* tTextName = nullptr;
    QLineEdit* tTextDefault = nullptr;
    QSpinBox* sTextMax = nullptr;
    QSpinBox* sTextSize = nullptr;
    // MultiLine
    QLineEdit* tMultiName = nullptr;
    QPlainTextEdit* mMultiText = nullptr;
    QSpinBox* oMultiLines = nullptr;
    QSpinBox* oMultiSize = nullptr;
    // Option
    QLineEdit* tOptText = nullptr;
    QLineEdit* tOptRetVal = nullptr;
    QCheckBox* oOptCB = nullptr;
    QCheckBox* oOptRB = nullptr;
    QRadioButton* btnLeft = nullptr;
    QRadioButton* btnCentre = nullptr;
    QRadioButton* btnRight = nullptr;
    // Select
    QLineEdit* tSelName = nullptr;
    QSpinBox* oSelLines = nullptr;
    QCheckBox* oSelMulti = nullptr;
    QPlainTextEdit* mSel = nullptr;
    // Predefined
    QPlainTextEdit* mSample = nullptr;
    QPushButton* btnSampleQuest = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* btnLoadForm = nullptr;
    // Side buttons
    QPushButton* btnToDoc = nullptr;
    QPushButton* btnToClip = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* HelpBtn = nullptr;

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QWidget* buildPanel();
    void buildPages();

    TMegaRegistry& settings_;
    TBag Prefs;
    DocumentSink toDocument_;
    StatusSink status_;
};
