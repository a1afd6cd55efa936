#include "TfrmJavaWiz.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include "Help.h"
#include "WizardParts.h"

using namespace wizardparts;

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

QSpinBox* numberBox(const char* name, std::int64_t value, const char* hint, QWidget* parent) {
    QSpinBox* s = spinBox(name, int(value), 0, int(appletgen::kMaxNumber), parent);
    s->setSingleStep(10);
    s->setToolTip(QString::fromLatin1(hint));
    return s;
}

QLineEdit* hinted(QLineEdit* e, const char* hint) {
    e->setToolTip(QString::fromLatin1(hint));
    return e;
}

}  // namespace

TfrmJavaWiz::TfrmJavaWiz(QWidget* parent) : QDialog(parent), Prefs("quilopt.ini", "Java Wizard") {
    setObjectName(QStringLiteral("frmJavaWiz"));
    setWindowTitle(QStringLiteral("Quillmar Java Wizard"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setModal(false);

    const appletgen::Applet d;  // the defaults
    auto* required = new QGroupBox(QStringLiteral("Required"), this);
    tCode = hinted(lineEdit("tCode", qs(d.code), required),
                   "The file that contains the applet's compiled Applet subclass (required)");
    tWidth = numberBox("tWidth", d.width, "The initial width (in pixels) of the applet display area (required)", required);
    tHeight =
        numberBox("tHeight", d.height, "The initial height (in pixels) of the applet display area (required)", required);
    tAlign = new QComboBox(required);
    tAlign->setObjectName(QStringLiteral("tAlign"));
    for (std::string_view a : appletgen::kAlignments) tAlign->addItem(QString::fromLatin1(a.data(), int(a.size())));
    tAlign->setCurrentIndex(0);
    tAlign->setToolTip(QStringLiteral("Specifies the alignment of the applet (required)"));
    auto* req = new QFormLayout(required);
    req->addRow(label(QStringLiteral("Code"), required, tCode), tCode);
    req->addRow(label(QStringLiteral("Width"), required, tWidth), tWidth);
    req->addRow(label(QStringLiteral("Height"), required, tHeight), tHeight);
    req->addRow(label(QStringLiteral("Align"), required, tAlign), tAlign);

    auto* optional = new QGroupBox(QStringLiteral("Optional"), this);
    tCBase = hinted(lineEdit("tCBase", qs(d.codeBase), optional), "Specifies the base URL of the applet (optional)");
    tAlt = hinted(lineEdit("tAlt", qs(d.alt), optional),
                  "Specifies the text that should be displayed if the browser cannot display Java Applets (optional)");
    tName = hinted(lineEdit("tName", qs(d.name), optional), "Specifies a name for the applet instance (optional)");
    tVSpace = numberBox("tVSpace", d.vspace, "Specify the space (in pixels) above and below the applet (optional)",
                        optional);
    tHSpace = numberBox("tHSpace", d.hspace, "Specify the space (in pixels) each side the applet (optional)", optional);
    for (QLineEdit* e : {tCBase, tAlt, tName}) e->setMinimumWidth(200);  // the defaults in full view
    auto* opt = new QFormLayout(optional);
    opt->addRow(label(QStringLiteral("CodeBase"), optional, tCBase), tCBase);
    opt->addRow(label(QStringLiteral("Alternate"), optional, tAlt), tAlt);
    opt->addRow(label(QStringLiteral("Name"), optional, tName), tName);
    opt->addRow(label(QStringLiteral("Vertical Space"), optional, tVSpace), tVSpace);
    opt->addRow(label(QStringLiteral("Horizontal Space"), optional, tHSpace), tHSpace);

    auto* picture = new QLabel(this);  // decoration only
    picture->setPixmap(style()->standardIcon(QStyle::SP_DesktopIcon).pixmap(48, 48));
    picture->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    OKBtn = new QPushButton(QStringLiteral("To Document"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = button("CancelBtn", QStringLiteral("Cancel"), this);
    HelpBtn = button("HelpBtn", QStringLiteral("&Help"), this);
    auto* side = new QVBoxLayout;
    side->addWidget(picture);
    for (QPushButton* b : {OKBtn, CancelBtn, HelpBtn}) side->addWidget(b);
    side->addStretch();
    auto* fields = new QVBoxLayout;
    fields->addWidget(required);
    fields->addWidget(optional);
    auto* top = new QHBoxLayout(this);
    top->addLayout(fields, 1);
    top->addLayout(side);

    connect(OKBtn, &QPushButton::clicked, this, &TfrmJavaWiz::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::close);
    connect(HelpBtn, &QPushButton::clicked, this, &TfrmJavaWiz::HelpBtnClick);
}

appletgen::Applet TfrmJavaWiz::applet() const {
    appletgen::Applet a;
    a.code = tCode->text().toStdString();
    a.width = tWidth->value();
    a.height = tHeight->value();
    a.align = tAlign->currentText().toStdString();
    a.codeBase = tCBase->text().toStdString();
    a.alt = tAlt->text().toStdString();
    a.name = tName->text().toStdString();
    a.vspace = tVSpace->value();
    a.hspace = tHSpace->value();
    return a;
}

void TfrmJavaWiz::OKBtnClick() {
    if (insert_) insert_(qs(appletgen::startText(applet())), QString::fromLatin1(appletgen::kEndText.data()));
    close();
}

void TfrmJavaWiz::HelpBtnClick() { HelpSystem::current().showContext(kHelpContext); }

void TfrmJavaWiz::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    restorePlacement(Prefs, *this);
    tCode->setFocus();
}

void TfrmJavaWiz::done(int result) {
    storePlacement(Prefs, *this);
    QDialog::done(result);
}
