#include "TfWizBody.h"

#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include "DisplayText.h"
#include "DurableFile.h"
#include "HtmlViewer.h"
#include "Prompter.h"
#include "WizardParts.h"

using namespace wizardparts;

namespace {

constexpr const char* kSampleName = "bodysample.htm";

QString qs(const std::string& s) { return QString::fromStdString(s); }

QToolButton* arrow(const QString& name, Qt::ArrowType type, const char* hint, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setArrowType(type);
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);  // the field's Up and Down keys step it from the keyboard
    b->setFixedSize(18, 12);
    if (hint) b->setToolTip(QString::fromLatin1(hint));
    return b;
}

}  // namespace

TfWizBody::TfWizBody(QWidget* parent) : QDialog(parent), Prefs("quilopt.ini", "Body Wizard") {
    setObjectName(QStringLiteral("fWizBody"));
    setWindowTitle(QStringLiteral("Quillmar Body Wizard"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setModal(false);

    const bodygen::Body d;  // the defaults
    tImage = lineEdit("tImage", QString(), this);
    colours_ = {colourField("tBGCOLOR", d.background, sBG, "sBG", false),
                colourField("tText", d.text, sTC, "sTC", true), colourField("tLink", d.link, sLC, "sLC", true),
                colourField("tVLink", d.visited, sVC, "sVC", true),
                colourField("tALink", d.active, sAC, "sAC", true)};
    tBGCOLOR = colours_[0];
    tText = colours_[1];
    tLink = colours_[2];
    tVLink = colours_[3];
    tALink = colours_[4];

    btnBrowse = button("btnBrowse", QStringLiteral("&Browse ..."), this);
    btnBrowse->setToolTip(QStringLiteral("Browse for an Image"));
    btnUpper = button("btnUpper", QStringLiteral("&UpperCase"), this);
    btnUpper->setToolTip(QStringLiteral("Change Image name to Uppercase"));
    btnLower = button("btnLower", QStringLiteral("&LowerCase"), this);
    btnLower->setToolTip(QStringLiteral("Change Image name to Lowercase"));
    btnSlash = button("btnSlash", QStringLiteral("Change &\\ to /"), this);
    btnSlash->setToolTip(QStringLiteral("Change Slashes to Unix Type"));
    btnPreview = button("btnPreview", QStringLiteral("&Preview"), this);
    OKBtn = new QPushButton(QStringLiteral("&Insert"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setToolTip(QStringLiteral("Paste BODY tag to document"));
    OKBtn->setDefault(true);
    CancelBtn = button("CancelBtn", QStringLiteral("&Close"), this);

    Memo1 = textBox("Memo1", QString(), this);
    Memo1->setReadOnly(true);
    Memo1->setToolTip(QStringLiteral("The formatted BODY shown is shown here"));
    Memo1->setFixedHeight(Memo1->fontMetrics().lineSpacing() * 6);
    prevHTML = new HtmlViewer(this);
    prevHTML->setObjectName(QStringLiteral("prevHTML"));
    prevHTML->setToolTip(QStringLiteral("WWW preview of the body command."));
    prevHTML->setDefFontName(QStringLiteral("Times New Roman"));
    prevHTML->setDefFontSize(10);
    prevHTML->setDefPreFontName(QStringLiteral("Courier New"));
    prevHTML->setViewImages(true);
    prevHTML->setHistoryMaxCount(1);  // the sample only: nothing to go back to
    prevHTML->setMinimumSize(280, 160);

    auto* fields = new QFormLayout;
    fields->addRow(label(QStringLiteral("Background Image"), this, tImage), tImage);
    const char* labels[] = {"Background Color", "Text Color", "Link Color", "Visited Link Color", "Active Link Color"};
    const Spinner* spinners[] = {&sBG, &sTC, &sLC, &sVC, &sAC};
    for (int i = 0; i < 5; ++i) {
        auto* updown = new QVBoxLayout;
        updown->setSpacing(0);
        updown->addWidget(spinners[i]->up);
        updown->addWidget(spinners[i]->down);
        auto* h = new QHBoxLayout;
        h->addWidget(colours_[i]);
        h->addLayout(updown);
        h->addStretch();
        fields->addRow(label(QString::fromLatin1(labels[i]), this, colours_[i]), h);
    }
    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(row({btnBrowse, btnUpper, btnLower, btnSlash}));
    left->addWidget(Memo1);
    auto* side = new QVBoxLayout;
    for (QPushButton* b : {OKBtn, btnPreview, CancelBtn}) side->addWidget(b);
    side->addStretch();
    auto* top = new QHBoxLayout(this);
    top->addLayout(left, 1);
    top->addWidget(prevHTML, 1);
    top->addLayout(side);

    connect(tImage, &QLineEdit::textChanged, this, &TfWizBody::btnPreviewClick);
    connect(btnBrowse, &QPushButton::clicked, this, &TfWizBody::btnBrowseClick);
    connectNameButtons(tImage, btnUpper, btnLower, btnSlash);
    connect(btnPreview, &QPushButton::clicked, this, &TfWizBody::btnPreviewClick);
    connect(OKBtn, &QPushButton::clicked, this, &TfWizBody::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::close);
    RedoMemo();
}

// Only hexadecimal digits can be typed; Up and Down in the field step it as
// its spinner does.
QLineEdit* TfWizBody::colourField(const char* name, const std::string& value, Spinner& spinner,
                                  const char* spinnerName, bool hinted) {
    QLineEdit* field = lineEdit(name, qs(value), this);
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Fa-f]{0,6}")), field));
    field->setToolTip(QStringLiteral("Enter a RGB Value"));
    field->setMaxLength(6);
    field->installEventFilter(this);
    const char* hint = hinted ? "Click to Change RGB Value" : nullptr;
    const QString base = QString::fromLatin1(spinnerName);
    spinner.up = arrow(base + QStringLiteral("Up"), Qt::UpArrow, hint, this);
    spinner.down = arrow(base + QStringLiteral("Down"), Qt::DownArrow, hint, this);
    connect(spinner.up, &QToolButton::clicked, this, [this, field] { UpdateHTML(field, 1); });
    connect(spinner.down, &QToolButton::clicked, this, [this, field] { UpdateHTML(field, -1); });
    // Leaving the field shows its number as six digits and the sample anew.
    connect(field, &QLineEdit::editingFinished, this, [this, field] {
        field->setText(qs(bodygen::colourText(bodygen::colourValue(field->text().toStdString()))));
        btnPreviewClick();
    });
    return field;
}

bodygen::Body TfWizBody::body() const {
    bodygen::Body b;
    b.image = displaytext::encode(tImage->text());
    b.background = tBGCOLOR->text().toStdString();
    b.text = tText->text().toStdString();
    b.link = tLink->text().toStdString();
    b.visited = tVLink->text().toStdString();
    b.active = tALink->text().toStdString();
    return b;
}

void TfWizBody::RedoMemo() {
    QStringList lines{displaytext::decode(bodygen::bodyTag(body()))};
    for (const std::string& l : bodygen::sampleLines()) lines << qs(l);
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}

QString TfWizBody::sampleFile() const { return sampleDir_.filePath(QString::fromLatin1(kSampleName)); }

// The sample is a page of its own in a private folder. The viewer lets a page
// read only its own folder, so an existing background image is shown from a
// copy beside the sample; the memo keeps the name as typed.
void TfWizBody::renderSample() {
    if (!sampleDir_.isValid()) return;
    QString text = Memo1->toPlainText();
    const QFileInfo image(tImage->text());
    if (!tImage->text().isEmpty() && image.isFile()) {
        const QString copy = QStringLiteral("background.") + image.suffix();
        const durable::ReadResult bytes = durable::readFile(image.absoluteFilePath().toStdString());
        if (bytes && durable::writeFile(sampleDir_.filePath(copy).toStdString(), bytes.bytes)) {
            const QString shown = QStringLiteral("BACKGROUND=\"%1\"");
            text.replace(shown.arg(tImage->text()), shown.arg(copy));
        }
    }
    if (durable::writeFile(sampleFile().toStdString(), displaytext::encode(text))) prevHTML->LoadFromFile(sampleFile());
}

void TfWizBody::btnPreviewClick() {
    RedoMemo();
    renderSample();
}

void TfWizBody::UpdateHTML(QLineEdit* field, int steps) {
    field->setText(qs(bodygen::colourText(bodygen::stepColour(bodygen::colourValue(field->text().toStdString()), steps))));
    btnPreviewClick();
}

void TfWizBody::btnBrowseClick() {
    Prompter::FileRequest request;
    request.caption = QStringLiteral("Open File");
    request.filter = QStringLiteral(
        "All Media|*.BMP;*.CMS;*.GIF;*.JPG;*.PCX;*.PNG;*.RTF;*.SCM;*.TIF;*.WAV;*.MID;*.RMI;*.AVI;*.MOV;|BMP|*.BMP|"
        "CMS|*.CMS|GIF|*.GIF|JPG|*.JPG|PCX|*.PCX|PNG|*.PNG|SCM|*.SCM|TIF|*.TIF|Wav|*.WAV|Mid|*.MID|RMI|*.RMI|"
        "AVI|*.AVI|Mov|*.MOV");
    const QStringList files = Prompter::current().openFiles(request);
    if (!files.isEmpty()) tImage->setText(files.first());
}

void TfWizBody::OKBtnClick() {
    if (insert_) insert_(Memo1->toPlainText().section(QLatin1Char('\n'), 0, 0));
}

bool TfWizBody::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        for (QLineEdit* field : colours_) {
            if (watched == field && (key == Qt::Key_Up || key == Qt::Key_Down)) {
                UpdateHTML(field, key == Qt::Key_Up ? 1 : -1);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, e);
}

void TfWizBody::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    restorePlacement(Prefs, *this);
    tImage->setFocus();
}

void TfWizBody::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) btnPreviewClick();
}

void TfWizBody::done(int result) {
    storePlacement(Prefs, *this);
    QDialog::done(result);
}
