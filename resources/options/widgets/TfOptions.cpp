#include "TfOptions.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "Help.h"

namespace {

template <typename W>
W* named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TfOptions::TfOptions(TMegaRegistry& ini, std::string fallbackDir, QWidget* parent)
    : QDialog(parent), ini_(ini), fallbackDir_(std::move(fallbackDir)) {
    setObjectName(QStringLiteral("fOptions"));
    setWindowTitle(QStringLiteral("Quillmar Application Options"));
    setModal(true);
    pages_ = named(new QTabWidget(this), "PageControl1");

    // ---- Editing ----
    auto* editing = new QWidget;
    auto* caseBox = new QGroupBox(QStringLiteral(" Insert Tags in "));
    optLower_ = named(new QRadioButton(QStringLiteral("lower case")), "optLower");
    optUpper_ = named(new QRadioButton(QStringLiteral("UPPER CASE")), "optUpper");
    optDecide_ = named(new QRadioButton(QStringLiteral("Let Quillmar Decide")), "optDecide");
    auto* caseLayout = new QVBoxLayout(caseBox);
    for (QRadioButton* b : {optLower_, optUpper_, optDecide_}) caseLayout->addWidget(b);
    auto* behaviourBox = new QGroupBox(QStringLiteral("'Insert Tag' Behaviour"));
    optStay_ = named(new QRadioButton(QStringLiteral("Leave text selected after Insert")), "optStay");
    optMove_ = named(new QRadioButton(QStringLiteral("Move cursor to end of inserted text")), "optMove");
    auto* behaviourLayout = new QVBoxLayout(behaviourBox);
    behaviourLayout->addWidget(optStay_);
    behaviourLayout->addWidget(optMove_);
    auto* editorBox = new QGroupBox(QStringLiteral("Editor"));
    chkWordWrap_ = named(new QCheckBox(QStringLiteral("Word Wrap")), "chkWordWrap");
    chkSmartTabs_ = named(new QCheckBox(QStringLiteral("Use Smart Tabs")), "chkSmartTabs");
    chkLineNumbers_ = named(new QCheckBox(QStringLiteral("Line Numbers")), "chkLineNumbers");
    spnTabWidth_ = named(new QSpinBox, "spnTabWidth");
    spnTabWidth_->setRange(1, 99);
    auto* editorLayout = new QGridLayout(editorBox);
    editorLayout->addWidget(chkWordWrap_, 0, 0);
    editorLayout->addWidget(chkSmartTabs_, 1, 0);
    editorLayout->addWidget(chkLineNumbers_, 2, 0);
    editorLayout->addWidget(new QLabel(QStringLiteral("Tab Width")), 0, 1);
    editorLayout->addWidget(spnTabWidth_, 0, 2);
    auto* editingLayout = new QVBoxLayout(editing);
    auto* top = new QHBoxLayout;
    top->addWidget(caseBox);
    top->addWidget(behaviourBox);
    editingLayout->addLayout(top);
    editingLayout->addWidget(editorBox);
    editingLayout->addStretch();
    pages_->addTab(editing, QStringLiteral("&Editing"));

    // ---- User Defaults ----
    auto* user = new QWidget;
    auto* userLayout = new QFormLayout(user);
    txtUserName_ = named(new QLineEdit, "txtUserName");
    txtEmail_ = named(new QLineEdit, "txtEmail");
    txtHomePage_ = named(new QLineEdit, "txtHomePage");
    txtOrganisation_ = named(new QLineEdit, "txtOrganisation");
    userLayout->addRow(QStringLiteral("User Name"), txtUserName_);
    userLayout->addRow(QStringLiteral("E-Mail Address"), txtEmail_);
    userLayout->addRow(QStringLiteral("Home Page"), txtHomePage_);
    userLayout->addRow(QStringLiteral("Organisation"), txtOrganisation_);
    pages_->addTab(user, QStringLiteral("&User Defaults"));

    // ---- System Settings ----
    auto* system = new QWidget;
    txtStartupDir_ = named(new QLineEdit, "txtStartupDir");
    txtStartupDir_->setToolTip(QStringLiteral("The Default Startup Directory for HTML Documents"));
    auto* dirForm = new QFormLayout;
    dirForm->addRow(QStringLiteral("Default Startup Directory"), txtStartupDir_);
    auto* misc = new QGroupBox(QStringLiteral("Misc Options"));
    chkTemplate_ = named(new QCheckBox(QStringLiteral("Load Template on Start Up")), "chkTemplate");
    chkBackup_ = named(new QCheckBox(QStringLiteral("Create Backup Files")), "chkBackup");
    chkTips_ = named(new QCheckBox(QStringLiteral("Show Tips on Start Up")), "chkTips");
    chkCrLf_ = named(new QCheckBox(QStringLiteral("New Documents with CR LF Line Ends")), "chkCrLf");
    auto* miscLayout = new QVBoxLayout(misc);
    for (QCheckBox* c : {chkTemplate_, chkBackup_, chkTips_, chkCrLf_}) miscLayout->addWidget(c);
    auto* systemLayout = new QVBoxLayout(system);
    systemLayout->addLayout(dirForm);
    systemLayout->addWidget(misc);
    systemLayout->addStretch();
    pages_->addTab(system, QStringLiteral("&System Settings"));

    // clicked, not toggled: filling the box from the store writes nothing.
    connect(chkTips_, &QCheckBox::clicked, this, [this] { ResetTips(); });

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* save = named(buttons->addButton(QStringLiteral("Save"), QDialogButtonBox::AcceptRole), "OKBtn");
    save->setDefault(true);
    named(buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole), "CancelBtn");
    QPushButton* help = named(buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole), "HelpBtn");
    connect(save, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { HelpSystem::current().showContext(1); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(buttons);
}

void TfOptions::showEvent(QShowEvent* e) {
    LoadIniSettings();
    QDialog::showEvent(e);
}

void TfOptions::LoadIniSettings() {
    if (onStatus) onStatus(QStringLiteral("Loading Application Options ..."));
    const options::ApplicationOptions o = options::readOptions(ini_, fallbackDir_);
    optLower_->setChecked(o.tagCase == options::TagCase::Lower);
    optUpper_->setChecked(o.tagCase == options::TagCase::Upper);
    optDecide_->setChecked(o.tagCase == options::TagCase::Decide);
    (o.staySelected ? optStay_ : optMove_)->setChecked(true);
    chkWordWrap_->setChecked(o.wordWrap);
    chkSmartTabs_->setChecked(o.smartTabs);
    chkLineNumbers_->setChecked(o.lineNumbers);
    spnTabWidth_->setValue(o.tabSize);
    txtUserName_->setText(qs(o.userName));
    txtEmail_->setText(qs(o.email));
    txtHomePage_->setText(qs(o.homePage));
    txtOrganisation_->setText(qs(o.organisation));
    // Shown as stored: Linux paths keep their case.
    txtStartupDir_->setText(qs(o.startupDirectory));
    chkTemplate_->setChecked(o.openTemplate);
    chkBackup_->setChecked(o.createBackup);
    chkTips_->setChecked(o.showTips);
    chkCrLf_->setChecked(o.newDocumentsCrLf);
}

options::ApplicationOptions TfOptions::fields() const {
    options::ApplicationOptions o;
    o.tagCase = optLower_->isChecked()   ? options::TagCase::Lower
                : optUpper_->isChecked() ? options::TagCase::Upper
                                         : options::TagCase::Decide;
    o.staySelected = optStay_->isChecked();
    o.wordWrap = chkWordWrap_->isChecked();
    o.smartTabs = chkSmartTabs_->isChecked();
    o.lineNumbers = chkLineNumbers_->isChecked();
    o.tabSize = spnTabWidth_->value();
    o.userName = txtUserName_->text().toStdString();
    o.email = txtEmail_->text().toStdString();
    o.homePage = txtHomePage_->text().toStdString();
    o.organisation = txtOrganisation_->text().toStdString();
    o.startupDirectory = txtStartupDir_->text().toStdString();
    o.openTemplate = chkTemplate_->isChecked();
    o.createBackup = chkBackup_->isChecked();
    o.showTips = chkTips_->isChecked();
    o.newDocumentsCrLf = chkCrLf_->isChecked();
    return o;
}

void TfOptions::OKBtnClick() {
    options::writeOptions(ini_, fields(), fallbackDir_);
    accept();
    if (onSaved) onSaved();
}

void TfOptions::ResetTips() { options::writeShowTips(ini_, chkTips_->isChecked()); }
