#pragma once
// "Edit Default Font and Colors": the preview's default font name and size,
// font and link colours and background, with a sample page drawn in them.
// The caller sets the five values, runs the dialog and on "O&K" reads them
// back; "&Reset" brings back the values it had when it was shown.

#include <QColor>
#include <QDialog>

#include "OptionsRules.h"
#include "TBag.h"

class ColorGrid;
class QComboBox;
class QSpinBox;
class QTextBrowser;

class TFontForm : public QDialog {
    Q_OBJECT
public:
    explicit TFontForm(QWidget* parent = nullptr);

    void setValues(const options::FontFormValues& v);
    // The colour a value stands for (system colours through the palette).
    static QColor colorOf(options::ColorValue c);
    const options::FontFormValues& values() const { return values_; }

    void ResetClick();
    // A name that is not in the font list selects "System".
    void setFontName(const QString& name);
    // A colour that is not in the background list is added under its name
    // or number and selected.
    void setBackground(options::ColorValue c);

    QComboBox* fontList() const { return cbFontName_; }
    QComboBox* backgroundList() const { return cbBackground_; }
    QSpinBox* sizeBox() const { return spnSize_; }
    ColorGrid* fontColorGrid() const { return gridFont_; }
    ColorGrid* linkColorGrid() const { return gridLink_; }
    QTextBrowser* sampleView() const { return sample_; }

protected:
    void showEvent(QShowEvent* e) override;
    void done(int result) override;

private:
    void showValues();
    void showSample();

    TBag Prefs;
    options::FontFormValues values_;
    options::FontFormValues shown_; // as the dialog was shown, for Reset
    bool filling_ = false;
    QComboBox* cbFontName_ = nullptr;
    QSpinBox* spnSize_ = nullptr;
    ColorGrid* gridFont_ = nullptr;
    ColorGrid* gridLink_ = nullptr;
    QComboBox* cbBackground_ = nullptr;
    QTextBrowser* sample_ = nullptr;
};
