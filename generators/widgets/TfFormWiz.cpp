#include "TfFormWiz.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "DisplayText.h"
#include "Help.h"
#include "Prompter.h"
#include "TMegaRegistry.h"
#include "WizardParts.h"

using namespace wizardparts;

namespace {

constexpr const char* kCaption = "Quillmar Forms Wizard";
constexpr const char* kSection = "Form Defaults";
constexpr const char* kActionKey = "Action URL";

TfFormWiz::SendMode& lastSendMode() {
    static TfFormWiz::SendMode mode = TfFormWiz::SendMode::Clipboard;
    return mode;
}

std::string utf8(const QString& s) { return s.toStdString(); }

std::vector<std::string> boxLines(const QPlainTextEdit* box) { return formsgen::textLines(utf8(box->toPlainText())); }

}  // namespace

TfFormWiz::SendMode TfFormWiz::sendMode() { return lastSendMode(); }

TfFormWiz::TfFormWiz(TMegaRegistry& settings, QWidget* parent)
    : QDialog(parent), settings_(settings), Prefs("quilopt.ini", "Forms Wizard") {
    setObjectName(QStringLiteral("fFormWiz"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setModal(false);

    QWidget* panel = buildPanel();
    Notebook1 = new QTabWidget(this);
    Notebook1->setObjectName(QStringLiteral("Notebook1"));
    Notebook1->setTabPosition(QTabWidget::South);
    Notebook1->setUsesScrollButtons(false);  // every page name in view
    buildPages();
    focusPagesOnSelect(Notebook1);

    btnToDoc = new QPushButton(QStringLiteral("To Document"), this);
    btnToDoc->setObjectName(QStringLiteral("btnToDoc"));
    btnToDoc->setDefault(true);
    btnToClip = button("btnToClip", QStringLiteral("To Clipboard"), this);
    btnCancel = button("btnCancel", QStringLiteral("Cancel"), this);
    HelpBtn = button("HelpBtn", QStringLiteral("&Help"), this);
    auto* side = new QVBoxLayout;
    for (QPushButton* b : {btnToDoc, btnToClip, btnCancel, HelpBtn}) side->addWidget(b);
    side->addStretch();

    auto* top = new QHBoxLayout(this);
    top->addWidget(panel);
    top->addWidget(Notebook1, 1);
    top->addLayout(side);

    connect(btnToDoc, &QPushButton::clicked, this, &TfFormWiz::btnToDocClick);
    connect(btnToClip, &QPushButton::clicked, this, &TfFormWiz::btnToClipClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::close);
    connect(HelpBtn, &QPushButton::clicked, this, &TfFormWiz::HelpBtnClick);
    connect(btnSampleQuest, &QPushButton::clicked, this, &TfFormWiz::LoadTable);
    connect(BitBtn1, &QPushButton::clicked, this, &TfFormWiz::LoadTable);
    connect(btnLoadForm, &QPushButton::clicked, this, &TfFormWiz::btnLoadFormClick);
    // Ticking one style unticks the other; both may be off.
    connect(oOptCB, &QCheckBox::toggled, this, [this](bool on) {
        if (on) oOptRB->setChecked(false);
    });
    connect(oOptRB, &QCheckBox::toggled, this, [this](bool on) {
        if (on) oOptCB->setChecked(false);
    });

    tMethod->setCurrentIndex(0);
    tAction->setText(
        QString::fromStdString(settings_.ReadString(kSection, kActionKey, std::string(formsgen::kDefaultActionUrl))));
    LoadTable();
}

QWidget* TfFormWiz::buildPanel() {
    auto* panel = new QGroupBox(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    auto* v = new QVBoxLayout(panel);
    btnFForm = new QPushButton(QStringLiteral("Form Declaration"), panel);
    btnFSubmit = new QPushButton(QStringLiteral("Submit Button"), panel);
    btnFRefresh = new QPushButton(QStringLiteral("Reset Button"), panel);
    btnFText = new QLineEdit(QStringLiteral("Text Input Area"), panel);
    btnFText->setReadOnly(true);
    btnFMulti = new QPlainTextEdit(QStringLiteral("A multi line\ntext input\narea"), panel);
    btnFMulti->setReadOnly(true);
    btnFMulti->setMaximumHeight(btnFMulti->fontMetrics().lineSpacing() * 4);
    btnFOpt = new QRadioButton(QStringLiteral("Option Button"), panel);
    btnFSelect = new QRadioButton(QStringLiteral("Select Option Area"), panel);
    optList = new QListWidget(panel);
    optList->addItems({QStringLiteral("Option 1"), QStringLiteral("Option 2"), QStringLiteral("Option 3")});
    optList->setMaximumHeight(optList->sizeHintForRow(0) * 3 + 2 * optList->frameWidth());
    btnPredefined = new QPushButton(QStringLiteral("Predefined"), panel);

    // The picture is clicked, not typed into: the pages are reached by the
    // tab strip (and Ctrl+Tab) from the keyboard.
    const QList<QPair<QWidget*, int>> samples{
        {btnFForm, FormPage},     {btnFSubmit, SubmitPage},   {btnFRefresh, ResetPage},
        {btnFText, TextLinePage}, {btnFMulti, MultiLinePage}, {btnFOpt, OptionPage},
        {btnFSelect, SelectPage}, {optList, SelectPage},      {btnPredefined, PredefinedPage}};
    for (const auto& [w, target] : samples) {
        w->setFocusPolicy(Qt::NoFocus);
        v->addWidget(w);
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            if (auto* pb = qobject_cast<QPushButton*>(b)) pb->setAutoDefault(false);
            connect(b, &QAbstractButton::clicked, this, [this, t = target] { selectPage(t); });
        } else {
            // The fields and the list take no clicks of their own: the
            // filter turns a press into the page (on a scroll area's viewport).
            QWidget* surface = w;
            if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) surface = area->viewport();
            surface->setProperty("qmPage", target);
            surface->installEventFilter(this);
        }
    }
    v->addStretch();
    return panel;
}

void TfFormWiz::buildPages() {
    QWidget* nb = Notebook1;
    // Form
    tMethod = new QComboBox(nb);
    tMethod->setObjectName(QStringLiteral("tMethod"));
    for (std::string_view m : formsgen::kMethods) tMethod->addItem(QString::fromLatin1(m.data(), qsizetype(m.size())));
    tAction = lineEdit("tAction", QString(), nb);
    tMime = lineEdit("tMime", QString::fromLatin1(formsgen::kDefaultMime.data()), nb);
    addPage(Notebook1, QStringLiteral("Form"), new QWidget(nb),
            {label(QStringLiteral("Method"), nb, tMethod), tMethod,
             label(QStringLiteral("Action (URL to activate)"), nb, tAction), tAction,
             label(QStringLiteral("Mime type"), nb, tMime), tMime});
    // Submit
    tSubValue = lineEdit("tSubValue", QStringLiteral("SUBMIT"), nb);
    tSubName = lineEdit("tSubName", QString(), nb);
    QLabel* submitNote = label(QStringLiteral("If a SUBMIT button is pressed in order to submit the form and that "
                                              "button has a NAME attribute specified, then the SUBMIT button sends a "
                                              "name and value pair to the submitted data. "),
                               nb);
    submitNote->setWordWrap(true);
    addPage(Notebook1, QStringLiteral("Submit"), new QWidget(nb),
            {label(QStringLiteral("Caption"), nb, tSubValue), tSubValue,
             label(QStringLiteral("Name (optional)"), nb, tSubName), tSubName, submitNote});
    // Reset
    tResetValue = lineEdit("tResetValue", QStringLiteral("RESET"), nb);
    addPage(Notebook1, QStringLiteral("Reset"), new QWidget(nb),
            {label(QStringLiteral("Caption"), nb, tResetValue), tResetValue});
    // TextLine
    tTextName = lineEdit("tTextName", QStringLiteral("NAME"), nb);
    tTextDefault = lineEdit("tTextDefault", QString(), nb);
    sTextMax = spinBox("sTextMax", 50, 1, kMaxNumber, nb);
    sTextSize = spinBox("sTextSize", 50, 1, kMaxNumber, nb);
    addPage(Notebook1, QStringLiteral("TextLine"), new QWidget(nb),
            {label(QStringLiteral("Name"), nb, tTextName), tTextName,
             label(QStringLiteral("Default Text (optional)"), nb, tTextDefault), tTextDefault,
             label(QStringLiteral("Maximum Length"), nb, sTextMax), sTextMax,
             label(QStringLiteral("Size of Input Box"), nb, sTextSize), sTextSize});
    // MultiLine
    tMultiName = lineEdit("tMultiName", QStringLiteral("NAME"), nb);
    mMultiText = textBox("mMultiText", QString(), nb);
    oMultiLines = spinBox("oMultiLines", 3, 1, kMaxNumber, nb);
    oMultiSize = spinBox("oMultiSize", 50, 1, kMaxNumber, nb);
    addPage(Notebook1, QStringLiteral("MultiLine"), new QWidget(nb),
            {label(QStringLiteral("Name"), nb, tMultiName), tMultiName,
             label(QStringLiteral("Default Text (optional)"), nb, mMultiText), mMultiText,
             label(QStringLiteral("No of Lines"), nb, oMultiLines), oMultiLines,
             label(QStringLiteral("Width of Input Box"), nb, oMultiSize), oMultiSize});
    // Option
    tOptText = lineEdit("tOptText", QStringLiteral("NAME"), nb);
    tOptRetVal = lineEdit("tOptRetVal", QString(), nb);
    auto* style = new QGroupBox(QStringLiteral("Style"), nb);
    oOptCB = new QCheckBox(QStringLiteral("Check Box"), style);
    oOptCB->setObjectName(QStringLiteral("oOptCB"));
    oOptRB = new QCheckBox(QStringLiteral("Radio Button"), style);
    oOptRB->setObjectName(QStringLiteral("oOptRB"));
    auto* styleRow = new QHBoxLayout(style);
    styleRow->addWidget(oOptCB);
    styleRow->addWidget(oOptRB);
    auto* alignment = new QGroupBox(nb);
    btnLeft = new QRadioButton(QStringLiteral("Left"), alignment);
    btnCentre = new QRadioButton(QStringLiteral("Centre"), alignment);
    btnRight = new QRadioButton(QStringLiteral("Right"), alignment);
    btnLeft->setChecked(true);
    auto* alignRow = new QHBoxLayout(alignment);
    for (QRadioButton* b : {btnLeft, btnCentre, btnRight}) alignRow->addWidget(b);
    addPage(
        Notebook1, QStringLiteral("Option"), new QWidget(nb),
        {label(QStringLiteral("Name"), nb, tOptText), tOptText,
         label(QStringLiteral("Value to Return on Submit (optional)"), nb, tOptRetVal), tOptRetVal, style, alignment});
    // Select
    tSelName = lineEdit("tSelName", QStringLiteral("NAME"), nb);
    oSelLines = spinBox("oSelLines", 1, 1, kMaxNumber, nb);
    oSelMulti = new QCheckBox(QStringLiteral("Allow Multiple Selections"), nb);
    oSelMulti->setObjectName(QStringLiteral("oSelMulti"));
    mSel = textBox("mSel", QStringLiteral("Option 1"), nb);
    QLabel* selectHint = label(QStringLiteral("Hint: Some browsers may render a SELECT area as a Drop Down List when "
                                              "the Number of Lines is set to 1."),
                               nb);
    selectHint->setWordWrap(true);
    addPage(Notebook1, QStringLiteral("Select"), new QWidget(nb),
            {label(QStringLiteral("Name"), nb, tSelName), tSelName, label(QStringLiteral("No of Lines"), nb, oSelLines),
             oSelLines, oSelMulti, label(QStringLiteral("Enter the options in the box below (1 per line)"), nb, mSel),
             mSel, selectHint});
    // Predefined
    mSample = textBox("mSample", QString(), nb);
    btnSampleQuest = button("btnSampleQuest", QStringLiteral("Sample Questionnaire"), nb);
    BitBtn1 = button("BitBtn1", QStringLiteral("Watch this space for more samples"), nb);
    btnLoadForm = button("btnLoadForm", QStringLiteral("Load a Form Definition from disk"), nb);
    addPage(Notebook1, QStringLiteral("Predefined"), new QWidget(nb), {mSample, btnSampleQuest, BitBtn1, btnLoadForm});
}

void TfFormWiz::selectPage(int index) { Notebook1->setCurrentIndex(index); }

bool TfFormWiz::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress && watched->property("qmPage").isValid())
        selectPage(watched->property("qmPage").toInt());
    return QDialog::eventFilter(watched, e);
}

void TfFormWiz::btnToDocClick() {
    lastSendMode() = SendMode::Document;
    DoIt();
}

void TfFormWiz::btnToClipClick() {
    lastSendMode() = SendMode::Clipboard;
    DoIt();
}

formsgen::Element TfFormWiz::currentElement() const {
    using namespace formsgen;
    const Align align = btnCentre->isChecked() ? Align::Centre : btnRight->isChecked() ? Align::Right : Align::Left;
    switch (Notebook1->currentIndex()) {
    case FormPage: return formDeclaration(utf8(tMethod->currentText()), utf8(tAction->text()), utf8(tMime->text()));
    case SubmitPage: return submitButton(utf8(tSubValue->text()), utf8(tSubName->text()));
    case ResetPage: return resetButton(utf8(tResetValue->text()));
    case TextLinePage:
        return textField(utf8(tTextName->text()), utf8(tTextDefault->text()), sTextMax->value(), sTextSize->value());
    case MultiLinePage:
        return textBox(utf8(tMultiName->text()), boxLines(mMultiText), oMultiLines->value(), oMultiSize->value());
    case OptionPage: return optionButton(utf8(tOptText->text()), utf8(tOptRetVal->text()), oOptCB->isChecked(), align);
    case SelectPage:
        return selectList(utf8(tSelName->text()), oSelLines->value(), oSelMulti->isChecked(), boxLines(mSel));
    default: return predefinedForm(boxLines(mSample));
    }
}

void TfFormWiz::DoIt() {
    const formsgen::Element element = currentElement();
    if (lastSendMode() == SendMode::Document) {
        if (toDocument_) toDocument_(element);
    } else {
        QApplication::clipboard()->setText(QString::fromStdString(formsgen::clipboardText(element)));
        if (status_) status_(QStringLiteral("Form Element copied to Clipboard."));
    }
    // The last action used becomes the next form's default.
    if (Notebook1->currentIndex() == FormPage) settings_.WriteString(kSection, kActionKey, utf8(tAction->text()));
}

void TfFormWiz::LoadTable() {
    QStringList lines;
    for (const std::string& l : formsgen::sampleQuestionnaire()) lines << QString::fromStdString(l);
    mSample->setPlainText(lines.join(QLatin1Char('\n')));
}

void TfFormWiz::btnLoadFormClick() {
    Prompter::FileRequest request;
    request.filter = QStringLiteral("Quillmar Form Definition|*.qfd");
    request.defaultExt = QStringLiteral("qfd");
    const QStringList files = Prompter::current().openFiles(request);
    if (files.isEmpty()) return;
    const formsgen::DefinitionFile file = formsgen::readFormDefinition(files.first().toStdString());
    if (file.error) {
        Prompter::current().message(QString::fromLatin1(kCaption),
                                    QStringLiteral("Unable to read ") + files.first() + QStringLiteral(".\n\n") +
                                        QString::fromStdString(file.reason),
                                    Prompter::Icon::Warning);
        return;
    }
    QStringList lines;
    for (const std::string& l : file.lines) lines << displaytext::decode(l);
    mSample->setPlainText(lines.join(QLatin1Char('\n')));
}

void TfFormWiz::HelpBtnClick() { HelpSystem::current().showContext(kHelpContext); }

void TfFormWiz::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    restorePlacement(Prefs, *this);
    focusFirstField(Notebook1->currentWidget());
}

void TfFormWiz::done(int result) {
    storePlacement(Prefs, *this);
    QDialog::done(result);
}
