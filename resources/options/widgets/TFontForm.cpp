#include "TFontForm.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ColorGrid.h"
#include "ColorNumber.h"

namespace {

constexpr const char* kSystemFont = "System";

// System colours resolved through the application's palette.
QColor resolved(options::ColorValue c) {
    const QPalette pal = QApplication::palette();
    if (c == options::kSystemColors[0].value) return pal.color(QPalette::Dark);
    if (c == options::kSystemColors[1].value) return pal.color(QPalette::Base);
    if (c == options::kSystemColors[2].value) return pal.color(QPalette::Button);
    return colorFromNumber(quint32(c));
}

std::string htmlOf(options::ColorValue c) { return resolved(c).name(QColor::HexRgb).toUpper().toStdString(); }

}  // namespace

QColor TFontForm::colorOf(options::ColorValue c) { return resolved(c); }

TFontForm::TFontForm(QWidget* parent) : QDialog(parent), Prefs("quilopt.ini", "Def Font and Color") {
    setObjectName(QStringLiteral("FontForm"));
    setWindowTitle(QStringLiteral("Edit Default Font and Colors"));
    setModal(true);

    cbFontName_ = new QComboBox(this);
    cbFontName_->setObjectName(QStringLiteral("cbFontName"));
    QStringList families = QFontDatabase::families();
    // No font is called "System" here; it stands for the desktop's own font.
    if (!families.contains(QLatin1String(kSystemFont))) families.prepend(QString::fromLatin1(kSystemFont));
    cbFontName_->addItems(families);
    spnSize_ = new QSpinBox(this);
    spnSize_->setObjectName(QStringLiteral("spnSize"));
    spnSize_->setRange(options::kMinFontSize, options::kMaxFontSize);
    gridFont_ = new ColorGrid(false, this);
    gridFont_->setObjectName(QStringLiteral("gridFontColor"));
    gridLink_ = new ColorGrid(false, this);
    gridLink_->setObjectName(QStringLiteral("gridLinkColor"));
    cbBackground_ = new QComboBox(this);
    cbBackground_->setObjectName(QStringLiteral("cbBackground"));
    for (const auto& c : options::kStandardColors) cbBackground_->addItem(QString::fromLatin1(c.name), c.value);
    for (const auto& c : options::kSystemColors) cbBackground_->addItem(QString::fromLatin1(c.name), c.value);
    sample_ = new QTextBrowser(this);
    sample_->setObjectName(QStringLiteral("htmlSample"));
    sample_->setOpenLinks(false);
    sample_->setMinimumSize(320, 260);

    connect(cbFontName_, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        if (filling_) return;
        values_.fontName = name.toStdString();
        showSample();
    });
    connect(spnSize_, &QSpinBox::valueChanged, this, [this](int size) {
        if (filling_) return;
        values_.fontSize = size;
        showSample();
    });
    connect(gridFont_, &ColorGrid::changed, this, [this] {
        if (filling_) return;
        values_.fontColor = options::kStandardColors[std::size_t(gridFont_->foregroundIndex())].value;
        showSample();
    });
    connect(gridLink_, &ColorGrid::changed, this, [this] {
        if (filling_) return;
        values_.linkColor = options::kStandardColors[std::size_t(gridLink_->foregroundIndex())].value;
        showSample();
    });
    connect(cbBackground_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (filling_ || i < 0) return;
        values_.background = cbBackground_->itemData(i).toInt();
        showSample();
    });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Font &Name"), cbFontName_);
    form->addRow(QStringLiteral("Font &Size"), spnSize_);
    form->addRow(QStringLiteral("&Background"), cbBackground_);
    auto* grids = new QHBoxLayout;
    auto* fontBox = new QGroupBox(QStringLiteral("&Font Color"));
    (new QVBoxLayout(fontBox))->addWidget(gridFont_);
    auto* linkBox = new QGroupBox(QStringLiteral("&Link Color"));
    (new QVBoxLayout(linkBox))->addWidget(gridLink_);
    grids->addWidget(fontBox);
    grids->addWidget(linkBox);
    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addLayout(grids);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("O&K"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("CancelBtn"));
    QPushButton* reset = buttons->addButton(QStringLiteral("&Reset"), QDialogButtonBox::ResetRole);
    reset->setObjectName(QStringLiteral("ResetBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(reset, &QPushButton::clicked, this, [this] { ResetClick(); });

    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(sample_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setValues(values_);
}

void TFontForm::setValues(const options::FontFormValues& v) {
    values_ = options::clampedFontValues(v);
    shown_ = values_;
    showValues();
}

void TFontForm::showEvent(QShowEvent* e) {
    Prefs.Load();
    Prefs.RestorePlacement("FORM_PLACE", *this);
    shown_ = values_;
    QDialog::showEvent(e);
}

void TFontForm::done(int result) {
    Prefs.SavePlacement("FORM_PLACE", *this);
    Prefs.Save();
    QDialog::done(result);
}

void TFontForm::ResetClick() {
    values_ = shown_;
    showValues();
}

void TFontForm::setFontName(const QString& name) {
    const int i = cbFontName_->findText(name);
    cbFontName_->setCurrentIndex(i >= 0 ? i : cbFontName_->findText(QLatin1String(kSystemFont)));
    values_.fontName = cbFontName_->currentText().toStdString();
    showSample();
}

void TFontForm::setBackground(options::ColorValue c) {
    int i = cbBackground_->findData(c);
    if (i < 0) {
        cbBackground_->addItem(QString::fromStdString(options::colorName(c)), c);
        i = cbBackground_->count() - 1;
    }
    cbBackground_->setCurrentIndex(i);
    values_.background = c;
    showSample();
}

void TFontForm::showValues() {
    filling_ = true;
    const options::FontFormValues v = values_;
    spnSize_->setValue(v.fontSize);
    gridFont_->setForegroundIndex(ColorGrid::cellOf(colorFromNumber(quint32(v.fontColor))));
    gridLink_->setForegroundIndex(ColorGrid::cellOf(colorFromNumber(quint32(v.linkColor))));
    filling_ = false;
    setFontName(QString::fromStdString(v.fontName));
    setBackground(v.background);
    values_.fontColor = v.fontColor;
    values_.linkColor = v.linkColor;
    showSample();
}

void TFontForm::showSample() {
    if (filling_) return;
    // The view loads no images; preformatted text stays in a fixed font.
    sample_->document()->setDefaultFont(QFont(QStringLiteral("Times New Roman"), 10));
    sample_->document()->setDefaultStyleSheet(QStringLiteral("pre, code { font-family: 'Courier New'; }"));
    sample_->setHtml(QString::fromStdString(
        options::fontSampleHtml(values_, htmlOf(values_.background), htmlOf(values_.fontColor), htmlOf(values_.linkColor))));
}
