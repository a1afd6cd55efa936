#include "TfColor.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ColorGrid.h"
#include "ColorNumber.h"
#include "Fonts.h"
#include "Help.h"
#include "Prompter.h"

TfColor::TfColor(QWidget* parent) : QDialog(parent), Prefs("quilopt.ini", "Editor Colors") {
    setObjectName(QStringLiteral("fColor"));
    setWindowTitle(QStringLiteral("Set Editing Colors"));
    setModal(true);
    sample_.font = fonts::defaultFixedFont(10);

    grid_ = new ColorGrid(true, this);
    grid_->setObjectName(QStringLiteral("ColorGrid"));
    grid_->setToolTip(QStringLiteral("Left button: text colour; right button: background colour"));
    connect(grid_, &ColorGrid::changed, this, [this] { ColorGridChange(); });

    mSamp_ = new QListWidget(this);
    mSamp_->setObjectName(QStringLiteral("mSamp"));
    mSamp_->addItems({QStringLiteral("<HTML>"), QStringLiteral("<BODY>"), QStringLiteral("Sample text"),
                      QStringLiteral("</BODY>"), QStringLiteral("</HTML>")});
    mSamp_->setSelectionMode(QAbstractItemView::NoSelection);
    mSamp_->setFocusPolicy(Qt::NoFocus);
    mSamp_->setMinimumWidth(220);

    auto* font = new QPushButton(QStringLiteral("Set Editor Font ..."), this);
    font->setObjectName(QStringLiteral("cmdFont"));
    connect(font, &QPushButton::clicked, this, [this] { cmdFontClick(); });

    // Apply, Default, Cancel, Help from top to bottom.
    auto button = [this](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    QPushButton* apply = button(QStringLiteral("Apply"), "OKBtn");
    apply->setToolTip(QStringLiteral("Apply to current Window Only"));
    apply->setDefault(true);
    QPushButton* def = button(QStringLiteral("Default"), "cmdDefault");
    def->setToolTip(QStringLiteral("Set As Default"));
    QPushButton* cancel = button(QStringLiteral("Cancel"), "CancelBtn");
    QPushButton* help = button(QStringLiteral("&Help"), "HelpBtn");
    connect(apply, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(def, &QPushButton::clicked, this, [this] { cmdDefaultClick(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { HelpSystem::current().showContext(1); });
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {apply, def, cancel, help}) buttons->addWidget(b);
    buttons->addStretch();

    auto* sampleSide = new QVBoxLayout;
    sampleSide->addWidget(mSamp_);
    sampleSide->addWidget(font);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(sampleSide, 1);
    layout->addLayout(buttons);
    showSample();
}

void TfColor::showEvent(QShowEvent* e) {
    SetDefC();
    QDialog::showEvent(e);
}

void TfColor::SetDefC() {
    Prefs.Load();
    Prefs.RestorePlacement("FORM_PLACE", *this);
    if (activeLook) {
        if (const std::optional<EditorLook> look = activeLook()) {
            sample_ = *look;
            // The grid shows the document's colours when they are among its 16.
            const QSignalBlocker quiet(grid_);
            grid_->setBackgroundIndex(ColorGrid::cellOf(sample_.background));
            grid_->setForegroundIndex(ColorGrid::cellOf(sample_.fontColor));
        }
    }
    showSample();
}

void TfColor::ColorGridChange() {
    sample_.background = grid_->backgroundColor();
    sample_.fontColor = grid_->foregroundColor();
    showSample();
}

void TfColor::cmdFontClick() {
    Prompter::FontRequest req;
    req.caption = QStringLiteral("Set Editor Font");
    req.font = sample_.font;
    req.color = colorNumber(sample_.fontColor);
    req.fixedPitchOnly = true;
    const std::optional<Prompter::FontChoice> chosen = Prompter::current().chooseFont(req);
    if (!chosen) return;
    sample_.font = chosen->font;
    sample_.fontColor = colorFromNumber(chosen->color);
    showSample();
}

void TfColor::OKBtnClick() {
    if (activeLook && applyToActive && activeLook()) applyToActive(sample_);
    accept();
}

void TfColor::cmdDefaultClick() {
    if (activeLook && activeLook()) {
        storeDefault("Edit Window");
        storeDefault("Editor Colors");
    }
    OKBtnClick();
}

// The bag keeps its other items, so FORM_PLACE goes to "Edit Window" too,
// where nothing reads it.
void TfColor::storeDefault(const char* section) {
    Prefs.SetIniSect(section);
    Prefs.SetInteger("Edit_Color", int(colorNumber(sample_.background)));
    Prefs.SetFont("Edit_Font", TBagFont{sample_.font, std::int32_t(colorNumber(sample_.fontColor))});
    Prefs.Save();
    Prefs.SetIniSect("Editor Colors");
}

void TfColor::done(int result) {
    Prefs.SavePlacement("FORM_PLACE", *this);
    Prefs.Save();
    QDialog::done(result);
}

void TfColor::showSample() {
    QPalette pal = mSamp_->palette();
    pal.setColor(QPalette::Base, sample_.background);
    pal.setColor(QPalette::Text, sample_.fontColor);
    mSamp_->setPalette(pal);
    mSamp_->setFont(sample_.font);
}
