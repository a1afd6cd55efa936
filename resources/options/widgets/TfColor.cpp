#include "TfColor.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
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
    auto* top = new QHBoxLayout;
    top->addWidget(grid_);
    top->addLayout(sampleSide, 1);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(makeSyntaxGroup());
    showSample();
}

QGroupBox* TfColor::makeSyntaxGroup() {
    syntaxGroup_ = new QGroupBox(QStringLiteral("Syntax Colours"), this);
    syntaxGroup_->setObjectName(QStringLiteral("grpSyntax"));
    rbLight_ = new QRadioButton(QStringLiteral("&Light"), syntaxGroup_);
    rbLight_->setObjectName(QStringLiteral("rbLight"));
    rbDark_ = new QRadioButton(QStringLiteral("Dar&k"), syntaxGroup_);
    rbDark_->setObjectName(QStringLiteral("rbDark"));
    connect(rbLight_, &QRadioButton::clicked, this, [this] { SchemeClick(false); });
    connect(rbDark_, &QRadioButton::clicked, this, [this] { SchemeClick(true); });

    lstSyntax_ = new QListWidget(syntaxGroup_);
    lstSyntax_->setObjectName(QStringLiteral("lstSyntax"));
    lstSyntax_->setMinimumHeight(150);
    connect(lstSyntax_, &QListWidget::currentRowChanged, this, [this] { showSyntax(); });

    auto* color = new QPushButton(QStringLiteral("C&olour ..."), syntaxGroup_);
    color->setObjectName(QStringLiteral("cmdSyntaxColor"));
    connect(color, &QPushButton::clicked, this, [this] { SyntaxColorClick(); });
    chkBold_ = new QCheckBox(QStringLiteral("&Bold"), syntaxGroup_);
    chkBold_->setObjectName(QStringLiteral("chkBold"));
    chkItalic_ = new QCheckBox(QStringLiteral("&Italic"), syntaxGroup_);
    chkItalic_->setObjectName(QStringLiteral("chkItalic"));
    for (QCheckBox* box : {chkBold_, chkItalic_})
        connect(box, &QCheckBox::clicked, this, [this] {
            if (SyntaxStyles::Style* st = currentStyle()) {
                st->bold = chkBold_->isChecked();
                st->italic = chkItalic_->isChecked();
                showSyntax();
            }
        });

    auto* side = new QVBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{rbLight_, rbDark_, color, chkBold_, chkItalic_}) side->addWidget(w);
    side->addStretch();
    auto* layout = new QHBoxLayout(syntaxGroup_);
    layout->addWidget(lstSyntax_, 1);
    layout->addLayout(side);
    syntaxGroup_->setEnabled(false);  // until there are colours to edit
    return syntaxGroup_;
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
    syntaxGroup_->setEnabled(storedSyntax && builtInSyntax && storeSyntax);
    if (syntaxGroup_->isEnabled()) {
        syntax_ = storedSyntax_ = storedSyntax();
        (syntax_.dark ? rbDark_ : rbLight_)->setChecked(true);
        const QSignalBlocker quiet(lstSyntax_);
        lstSyntax_->clear();
        for (const SyntaxStyles::Style& st : syntax_.styles) lstSyntax_->addItem(st.name);
        lstSyntax_->setCurrentRow(0);
    }
    showSample();
}

void TfColor::SchemeClick(bool dark) {
    if (!builtInSyntax || dark == syntax_.dark) return;  // the same scheme keeps the kinds as edited
    syntax_ = builtInSyntax(dark);
    sample_.background = syntax_.background;
    sample_.fontColor = syntax_.text;
    showSample();
}

void TfColor::SyntaxColorClick() {
    SyntaxStyles::Style* st = currentStyle();
    if (!st) return;
    if (const std::optional<quint32> c = Prompter::current().chooseColor(QStringLiteral("Syntax Colours"), colorNumber(st->color))) {
        st->color = colorFromNumber(*c);
        showSyntax();
    }
}

SyntaxStyles::Style* TfColor::currentStyle() {
    const int row = lstSyntax_->currentRow();
    return row >= 0 && row < static_cast<int>(syntax_.styles.size()) ? &syntax_.styles[static_cast<std::size_t>(row)]
                                                                      : nullptr;
}

// Each kind drawn as it will be in the documents, on the sample's background.
void TfColor::showSyntax() {
    for (int row = 0; row < lstSyntax_->count() && row < static_cast<int>(syntax_.styles.size()); ++row) {
        const SyntaxStyles::Style& st = syntax_.styles[static_cast<std::size_t>(row)];
        QListWidgetItem* item = lstSyntax_->item(row);
        item->setForeground(st.color);
        item->setBackground(sample_.background);
        QFont f = sample_.font;
        f.setBold(st.bold);
        f.setItalic(st.italic);
        item->setFont(f);
    }
    const SyntaxStyles::Style* st = currentStyle();
    chkBold_->setChecked(st && st->bold);
    chkItalic_->setChecked(st && st->italic);
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
    // The HTML colours first: storing them gives every document the
    // scheme's background, which the active one then takes from the sample.
    if (syntaxGroup_->isEnabled() && syntax_ != storedSyntax_) storeSyntax(syntax_);
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
    lstSyntax_->setPalette(pal);
    showSyntax();
}
