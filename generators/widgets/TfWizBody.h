#pragma once
// The Body wizard: a stay-on-top window that composes a BODY start tag from
// a background image and five colours, shows it with a rendered sample page
// in those colours, and sends it to the active document. It stays open after
// inserting. Created once: the fields keep their values within a run; only
// the placement (Prefs) outlives it.

#include <QDialog>
#include <QTemporaryDir>
#include <array>
#include <functional>

#include "BodyGen.h"
#include "TBag.h"

class HtmlViewer;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

class TfWizBody : public QDialog {
    Q_OBJECT
public:
    // Puts the tag into the active document (asking about a BODY tag that
    // is already there); does nothing when no document is open.
    using BodySink = std::function<void(const QString& tag)>;

    explicit TfWizBody(QWidget* parent = nullptr);
    void setBodySink(BodySink sink) { insert_ = std::move(sink); }

    static constexpr int kHelpContext = 100;

    // The fields as the generator takes them.
    bodygen::Body body() const;

    // ---- Handlers ----
    // Regenerates the memo and renders it in the sample.
    void btnPreviewClick();
    // One click of a colour's spinner: its number moved by 64 per step.
    void UpdateHTML(QLineEdit* field, int steps);
    void btnBrowseClick();
    void OKBtnClick();

    QLineEdit* tImage = nullptr;
    QLineEdit* tBGCOLOR = nullptr;
    QLineEdit* tText = nullptr;
    QLineEdit* tLink = nullptr;
    QLineEdit* tVLink = nullptr;
    QLineEdit* tALink = nullptr;
    // Each colour's spinner: its up and down buttons.
    struct Spinner {
        QToolButton* up;
        QToolButton* down;
    };
    Spinner sBG{}, sTC{}, sLC{}, sVC{}, sAC{};
    QPushButton* btnBrowse = nullptr;
    QPushButton* btnUpper = nullptr;
    QPushButton* btnLower = nullptr;
    QPushButton* btnSlash = nullptr;
    QPushButton* btnPreview = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    HtmlViewer* prevHTML = nullptr;

    // The sample page's file, rendered by prevHTML.
    QString sampleFile() const;

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QLineEdit* colourField(const char* name, const std::string& value, Spinner& spinner, const char* spinnerName,
                           bool hinted);
    void RedoMemo();
    void renderSample();

    TBag Prefs;
    BodySink insert_;
    QTemporaryDir sampleDir_;
    std::array<QLineEdit*, 5> colours_{};
};
