#pragma once
// The browser-extension dialog: a background sound (with a small player to
// listen to it) or a scrolling text, written by THTMLWriter and sent to the
// active document as one text at the caret. A stay-on-top window created
// once; nothing of it is stored.

#include <QDialog>
#include <functional>

#include "HTMLWriter.h"

class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

class TfrmIE : public QDialog {
    Q_OBJECT
public:
    enum Page { SoundsPage, MarqueesPage };
    // Hands a start and an end text to tag insertion.
    using TagSink = std::function<void(const QString& start, const QString& end)>;

    explicit TfrmIE(QWidget* parent = nullptr);
    void setTagSink(TagSink sink) { insert_ = std::move(sink); }

    static constexpr int kHelpContext = 100;
    // The count travels as a byte: the box stops there, so the tag shows
    // what the user typed.
    static constexpr int kMaxRepetitions = 255;

    // The tag the shown page makes.
    QString soundTag() const;
    QString marqueeTag() const;

    // ---- Handlers ----
    void btnBrowseClick();
    void OKBtnClick();
    void HelpBtnClick();

    QTabWidget* Notebook = nullptr;  // its tab bar is the tab strip
    QLineEdit* tSound = nullptr;
    QSpinBox* spnSoundReps = nullptr;
    QPushButton* btnBrowse = nullptr;
    QPushButton* btnUpper = nullptr;
    QPushButton* btnLower = nullptr;
    QPushButton* btnSlash = nullptr;
    QWidget* MediaPlayer1 = nullptr;  // its buttons are named btnPlay, btnPause, ...
    QLineEdit* tMarquee = nullptr;
    QRadioButton* btnMScroll = nullptr;
    QRadioButton* btnMSlide = nullptr;
    QRadioButton* btnMAlternate = nullptr;
    QRadioButton* btnMLeft = nullptr;
    QRadioButton* btnMRight = nullptr;
    QSpinBox* spnMarqueeWidth = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;

public slots:
    void done(int result) override;

private:
    QWidget* buildPlayer(QWidget* parent);
    THTMLWriter HTMLWrite;  // Errors empty: never raises
    TagSink insert_;
};
