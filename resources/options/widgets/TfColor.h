#pragma once
// "Set Editing Colors": picks a background colour, a text colour and a
// fixed-pitch font on a sample, then applies them to the active document
// ("Apply") or also stores them as the default for document windows
// ("Default": Edit_Color and Edit_Font in "Edit Window" and in the dialog's
// own "Editor Colors" section of quilopt.ini).

#include <QColor>
#include <QDialog>
#include <QFont>
#include <functional>
#include <optional>

#include "TBag.h"

class ColorGrid;
class QListWidget;

// What the dialog reads from and gives to an editing control.
struct EditorLook {
    QColor background = Qt::white;
    QFont font;
    QColor fontColor = Qt::black;
};

class TfColor : public QDialog {
    Q_OBJECT
public:
    explicit TfColor(QWidget* parent = nullptr);

    // The active document's look, nullopt when no document is open.
    std::function<std::optional<EditorLook>()> activeLook;
    // Gives the active document the sample's look.
    std::function<void(const EditorLook&)> applyToActive;

    void SetDefC();
    void ColorGridChange();
    void cmdFontClick();
    void OKBtnClick();
    void cmdDefaultClick();

    const EditorLook& sample() const { return sample_; }
    ColorGrid* colorGrid() const { return grid_; }
    QListWidget* sampleList() const { return mSamp_; }

protected:
    void showEvent(QShowEvent* e) override;
    void done(int result) override;

private:
    void showSample();
    void storeDefault(const char* section);

    TBag Prefs;
    EditorLook sample_;
    ColorGrid* grid_ = nullptr;
    QListWidget* mSamp_ = nullptr;
};
