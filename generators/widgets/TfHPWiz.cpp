#include "TfHPWiz.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <array>

#include "ColourGrid.h"
#include "FormsGen.h"
#include "Help.h"
#include "Prompter.h"
#include "WizardParts.h"

using namespace wizardparts;

namespace {

constexpr const char* kWelcomeText =
    "Welcome to the Quillmar Home Page Wizard !\n"
    "\n"
    "This wizard builds a complete home page for you, ready to\n"
    "be filled in and published.\n"
    "\n"
    "A home page document is made of three parts:\n"
    "\n"
    "  - a header and title section, with the page's title, an\n"
    "    optional sub-title, a greeting and a header image;\n"
    "  - a body, made of the sections you name, each with its\n"
    "    own heading;\n"
    "  - a footer, with a mail link, your address and the date\n"
    "    the page was last updated.\n"
    "\n"
    "Work through the pages with the tabs below, choose the\n"
    "colours on the Appearance page, then press \"Create it\"\n"
    "to produce the page in a new document.";

QString qs(const std::string& s) { return QString::fromStdString(s); }

QString joined(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& l : lines) out << qs(l);
    return out.join(QLatin1Char('\n'));
}

std::vector<std::string> linesOf(const QPlainTextEdit* box) {
    return formsgen::textLines(box->toPlainText().toStdString());
}

QCheckBox* checkBox(const char* name, const QString& caption, bool on, QWidget* parent) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setChecked(on);
    return c;
}

QRadioButton* radio(const char* name, const QString& caption, QWidget* parent) {
    auto* r = new QRadioButton(caption, parent);
    r->setObjectName(QString::fromLatin1(name));
    return r;
}

}  // namespace

TfHPWiz::TfHPWiz(QWidget* parent) : QDialog(parent), Prefs("quilopt.ini", "HP Wizard") {
    setObjectName(QStringLiteral("fHPWiz"));
    setWindowTitle(QStringLiteral("Home Page Wizard"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);

    Notebook = new QTabWidget(this);
    Notebook->setObjectName(QStringLiteral("Notebook"));
    Notebook->setTabPosition(QTabWidget::South);
    Notebook->setUsesScrollButtons(false);  // every page name in view
    buildPages();
    focusPagesOnSelect(Notebook);

    OKBtn = new QPushButton(QStringLiteral("Create it"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn = button("CancelBtn", QStringLiteral("Cancel"), this);
    HelpBtn = button("HelpBtn", QStringLiteral("&Help"), this);
    layOutNotebookDialog(this, Notebook, {OKBtn, CancelBtn, HelpBtn});

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, &TfHPWiz::HelpBtnClick);
}

TfHPWiz::ImageName TfHPWiz::imageName(const std::array<const char*, 5>& names, const QString& text, bool slashes,
                                      QWidget* page) {
    ImageName n{lineEdit(names[0], text, page), button(names[1], QStringLiteral("&Browse ..."), page),
                button(names[2], QStringLiteral("&Upper Case"), page),
                button(names[3], QStringLiteral("&Lower Case"), page),
                checkBox(names[4], QStringLiteral("Change \"\\\" to \"/\""), slashes, page)};
    QLineEdit* field = n.name;
    connect(n.browse, &QPushButton::clicked, this, [this, field] { browseImage(field); });
    connect(n.upper, &QPushButton::clicked, this, [field] { field->setText(field->text().toUpper()); });
    connect(n.lower, &QPushButton::clicked, this, [field] { field->setText(field->text().toLower()); });
    return n;
}

void TfHPWiz::buildPages() {
    const homepage::Fields d;  // the defaults
    QWidget* nb = Notebook;

    auto* welcome = new QWidget(nb);
    mWelcome = textBox("mWelcome", QString::fromLatin1(kWelcomeText), welcome);
    mWelcome->setReadOnly(true);
    addPage(Notebook, QStringLiteral("Welcome"), welcome, {mWelcome});

    auto* title = new QWidget(nb);
    tTitle = lineEdit("tTitle", qs(d.title), title);
    tSubTitle = lineEdit("tSubTitle", qs(d.subTitle), title);
    optWelcome = checkBox("optWelcome", QStringLiteral("Include a \"Welcome to\" greeting ?"), d.welcome, title);
    auto* alignment = new QGroupBox(title);
    btnLeft = radio("btnLeft", QStringLiteral("Left"), alignment);
    btnCentre = radio("btnCentre", QStringLiteral("Centre"), alignment);
    btnRight = radio("btnRight", QStringLiteral("Right"), alignment);
    btnLeft->setChecked(true);
    auto* alignRow = new QHBoxLayout(alignment);
    for (QRadioButton* b : {btnLeft, btnCentre, btnRight}) alignRow->addWidget(b);
    addPage(Notebook, QStringLiteral("Document &Title"), title,
            {label(QStringLiteral("Please enter a title for this home page"), title, tTitle), tTitle,
             label(QStringLiteral("Please enter a Sub-Title (if required)"), title, tSubTitle), tSubTitle, optWelcome,
             alignment});

    auto* image = new QWidget(nb);
    optIncImage =
        checkBox("optIncImage", QStringLiteral("Include an Image in your Home Page Header"), d.includeImage, image);
    const ImageName header =
        imageName({"txtIM", "btnBrowse2", "btnUC", "btnLC", "optSlash2"}, qs(d.headerImage), d.headerSlashes, image);
    txtIM = header.name;
    btnBrowse2 = header.browse;
    btnUC = header.upper;
    btnLC = header.lower;
    optSlash2 = header.slashes;
    spnBorder = spinBox("spnBorder", d.border, 0, homepage::kMaxBorder, image);
    spnBorder->setToolTip(QStringLiteral("Set Border Size"));
    auto* position = new QGroupBox(image);
    optIB = radio("optIB", QStringLiteral("Position Before Heading"), position);
    optIA = radio("optIA", QStringLiteral("Position After Heading"), position);
    optIB->setChecked(d.imageBeforeHeading);
    optIA->setChecked(!d.imageBeforeHeading);
    auto* positionRow = new QHBoxLayout(position);
    positionRow->addWidget(optIB);
    positionRow->addWidget(optIA);
    addPage(Notebook, QStringLiteral("Page &Image"), image,
            {optIncImage, txtIM, row({btnBrowse2, btnUC, btnLC}), optSlash2,
             row({label(QStringLiteral("Border Size"), image, spnBorder), spnBorder}), position});

    auto* sections = new QWidget(nb);
    mSections = textBox("mSections", joined(d.sections), sections);
    // A lone option button: once on, clicking it keeps it on.
    auto* linesHolder = new QWidget(sections);
    optLines = radio("optLines", QStringLiteral("Add Lines between sections ?"), linesHolder);
    optLines->setChecked(d.linesBetween);
    (new QHBoxLayout(linesHolder))->addWidget(optLines);
    linesHolder->layout()->setContentsMargins(0, 0, 0, 0);
    QLabel* sectionsLabel = label(QStringLiteral("Please enter the title of each section you would like to include "
                                                 "(one per line)."),
                                  sections, mSections);
    sectionsLabel->setWordWrap(true);
    addPage(Notebook, QStringLiteral("&Sections"), sections, {sectionsLabel, mSections, linesHolder});

    auto* footer = new QWidget(nb);
    optMail = checkBox("optMail", QStringLiteral("Add a Mail to me Link"), d.mailLink, footer);
    optAddress = checkBox("optAddress", QStringLiteral("Add an Address Section"), d.address, footer);
    mAddress = textBox("mAddress", joined(d.addressLines), footer);
    mAddress->setToolTip(QStringLiteral("Enter the Address text in here"));
    optUpdated = checkBox("optUpdated", QStringLiteral("Add a Last Updated Section"), d.lastUpdated, footer);
    addPage(Notebook, QStringLiteral("&Footer"), footer, {optMail, optAddress, mAddress, optUpdated});

    auto* appearance = new QWidget(nb);
    grdColor = new ColourGrid(appearance);
    grdColor->setForeground(d.foreground);
    grdColor->setBackground(d.background);
    grdColor->setToolTip(QStringLiteral("Left button: text colour. Right button: background colour."));
    optFColor = checkBox("optFColor", QStringLiteral("Set Text Colour"), d.textColour, appearance);
    optBColor = checkBox("optBColor", QStringLiteral("Set Background Colour"), d.backgroundColour, appearance);
    optUseBGImage =
        checkBox("optUseBGImage", QStringLiteral("Use a Background Image"), d.useBackgroundImage, appearance);
    const ImageName background = imageName({"txtImageName", "btnBrowse", "btnUpper", "btnLower", "chkslash"},
                                           qs(d.backgroundImage), d.backgroundSlashes, appearance);
    txtImageName = background.name;
    btnBrowse = background.browse;
    btnUpper = background.upper;
    btnLower = background.lower;
    chkslash = background.slashes;
    addPage(Notebook, QStringLiteral("&Appearance"), appearance,
            {grdColor, row({optFColor, optBColor}), optUseBGImage, txtImageName, row({btnBrowse, btnUpper, btnLower}),
             chkslash});
}

homepage::Fields TfHPWiz::fields() const {
    homepage::Fields f;
    f.title = tTitle->text().toStdString();
    f.subTitle = tSubTitle->text().toStdString();
    f.welcome = optWelcome->isChecked();
    f.align = btnCentre->isChecked()  ? homepage::Align::Centre
              : btnRight->isChecked() ? homepage::Align::Right
                                      : homepage::Align::Left;
    f.headerImage = txtIM->text().toStdString();
    f.border = spnBorder->value();
    f.headerSlashes = optSlash2->isChecked();
    f.includeImage = optIncImage->isChecked();
    f.imageBeforeHeading = optIB->isChecked();
    f.sections = linesOf(mSections);
    f.linesBetween = optLines->isChecked();
    f.mailLink = optMail->isChecked();
    f.address = optAddress->isChecked();
    f.addressLines = linesOf(mAddress);
    f.lastUpdated = optUpdated->isChecked();
    f.foreground = grdColor->foreground();
    f.background = grdColor->background();
    f.textColour = optFColor->isChecked();
    f.backgroundColour = optBColor->isChecked();
    f.backgroundImage = txtImageName->text().toStdString();
    f.useBackgroundImage = optUseBGImage->isChecked();
    f.backgroundSlashes = chkslash->isChecked();
    return f;
}

void TfHPWiz::browseImage(QLineEdit* field) {
    Prompter::FileRequest request;
    request.filter = QStringLiteral(
        "Graphics Files|*.gif;*.jpg|GIF Files (*.gif)|*.gif|JPEG Files (*.jpg)|*.jpg|"
        "All Files (*.*)|*.*");
    request.defaultExt = QStringLiteral("gif");
    const QStringList files = Prompter::current().openFiles(request);
    if (!files.isEmpty()) field->setText(files.first());
}

void TfHPWiz::HelpBtnClick() { HelpSystem::current().showContext(kHelpContext); }

void TfHPWiz::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    restorePlacement(Prefs, *this);
    focusFirstField(Notebook->currentWidget());
}

void TfHPWiz::done(int result) {
    storePlacement(Prefs, *this);
    QDialog::done(result);
}
