#pragma once
// "Set Editing Colors": picks a background colour, a text colour and a
// fixed-pitch font on a sample, then applies them to the active document
// ("Apply") or also stores them as the default for document windows
// ("Default": Edit_Color and Edit_Font in "Edit Window" and in the dialog's
// own "Editor Colors" section of quilopt.ini). Below, the colours of HTML
// in the documents: a light or dark scheme and each kind of text's colour,
// bold and italic, stored by "Apply" or "Default" for every document.

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "TBag.h"

class ColorGrid;
class QCheckBox;
class QGroupBox;
class QListWidget;
class QRadioButton;

// What the dialog reads from and gives to an editing control.
struct EditorLook {
    QColor background = Qt::white;
    QFont font;
    QColor fontColor = Qt::black;
};

// The HTML colours as the dialog edits them: the scheme's background and
// text, and one style per kind of text, named as in the settings.
struct SyntaxStyles {
    struct Style {
        QString name;
        QColor color;
        bool bold = false;
        bool italic = false;
        bool operator==(const Style&) const = default;
    };
    bool dark = false;
    QColor background = Qt::white;
    QColor text = Qt::black;
    std::vector<Style> styles;
    bool operator==(const SyntaxStyles&) const = default;
};

class TfColor : public QDialog {
    Q_OBJECT
public:
    explicit TfColor(QWidget* parent = nullptr);

    // The active document's look, nullopt when no document is open.
    std::function<std::optional<EditorLook>()> activeLook;
    // Gives the active document the sample's look.
    std::function<void(const EditorLook&)> applyToActive;
    // The HTML colours as stored; the built-in light or dark scheme; storing
    // them, shown at once in every document. Unset: that part is disabled.
    std::function<SyntaxStyles()> storedSyntax;
    std::function<SyntaxStyles(bool dark)> builtInSyntax;
    std::function<void(const SyntaxStyles&)> storeSyntax;

    void SetDefC();
    void ColorGridChange();
    void cmdFontClick();
    void OKBtnClick();
    void cmdDefaultClick();
    // Light or dark: the kinds take that scheme's styles, the sample its colours.
    void SchemeClick(bool dark);
    void SyntaxColorClick();

    const EditorLook& sample() const { return sample_; }
    const SyntaxStyles& syntax() const { return syntax_; }
    QListWidget* syntaxList() const { return lstSyntax_; }
    ColorGrid* colorGrid() const { return grid_; }
    QListWidget* sampleList() const { return mSamp_; }

protected:
    void showEvent(QShowEvent* e) override;
    void done(int result) override;

private:
    void showSample();
    void storeDefault(const char* section);
    QGroupBox* makeSyntaxGroup();
    SyntaxStyles::Style* currentStyle();
    void showSyntax();

    TBag Prefs;
    EditorLook sample_;
    ColorGrid* grid_ = nullptr;
    QListWidget* mSamp_ = nullptr;
    SyntaxStyles syntax_;
    SyntaxStyles storedSyntax_;  // as at show: stored again only when changed
    QGroupBox* syntaxGroup_ = nullptr;
    QRadioButton* rbLight_ = nullptr;
    QRadioButton* rbDark_ = nullptr;
    QListWidget* lstSyntax_ = nullptr;
    QCheckBox* chkBold_ = nullptr;
    QCheckBox* chkItalic_ = nullptr;
};
