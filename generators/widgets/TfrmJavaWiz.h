#pragma once
// The Java wizard: a stay-on-top window whose fields make one APPLET
// element; "To Document" sends it to the active document and closes.
// Created once and hidden between uses: the fields keep their values within
// a run; only the placement (Prefs) outlives it.

#include <QDialog>
#include <functional>

#include "AppletGen.h"
#include "TBag.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TfrmJavaWiz : public QDialog {
    Q_OBJECT
public:
    // Hands a start and an end text to tag insertion.
    using TagSink = std::function<void(const QString& start, const QString& end)>;

    explicit TfrmJavaWiz(QWidget* parent = nullptr);
    void setTagSink(TagSink sink) { insert_ = std::move(sink); }

    static constexpr int kHelpContext = 100;

    appletgen::Applet applet() const;

    // ---- Handlers ----
    void OKBtnClick();
    void HelpBtnClick();

    QLineEdit* tCode = nullptr;
    QSpinBox* tWidth = nullptr;
    QSpinBox* tHeight = nullptr;
    QComboBox* tAlign = nullptr;
    QLineEdit* tCBase = nullptr;
    QLineEdit* tAlt = nullptr;
    QLineEdit* tName = nullptr;
    QSpinBox* tVSpace = nullptr;
    QSpinBox* tHSpace = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    TBag Prefs;
    TagSink insert_;
};
