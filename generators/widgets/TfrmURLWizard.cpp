#include "TfrmURLWizard.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "DisplayText.h"
#include "Help.h"
#include "LinkLists.h"
#include "Paths.h"
#include "Prompter.h"
#include "WizardParts.h"

using namespace wizardparts;

namespace {

constexpr const char* kCaption = "Quillmar URL Wizard";

QComboBox* listBox(const char* name, const char* hint, QWidget* parent) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);  // the wizard adds texts itself, in sorted order
    c->setToolTip(QString::fromLatin1(hint));
    c->setMinimumContentsLength(30);
    return c;
}

}  // namespace

TfrmURLWizard::TfrmURLWizard(QWidget* parent) : QDialog(parent), Prefs("quilopt.ini", "URL Wizard") {
    setObjectName(QStringLiteral("frmURLWizard"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setModal(false);

    auto* details = new QGroupBox(QStringLiteral("URL Details"), this);
    cmbURL = listBox("cmbURL", "Select or type the document or URL to link to", details);
    cmbDesc = listBox("cmbDesc", "Select or type the Description your document will display", details);
    auto* form = new QFormLayout(details);
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    form->addRow(label(QStringLiteral("Location to Link To"), details, cmbURL), cmbURL);
    form->addRow(label(QStringLiteral("Description of Location"), details, cmbDesc), cmbDesc);

    OKBtn = new QPushButton(QStringLiteral("To Document"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = button("CancelBtn", QStringLiteral("&Close"), this);
    HelpBtn = button("HelpBtn", QStringLiteral("&Help"), this);
    auto* side = new QVBoxLayout;
    for (QPushButton* b : {OKBtn, CancelBtn, HelpBtn}) side->addWidget(b);
    side->addStretch();
    auto* top = new QHBoxLayout(this);
    top->addWidget(details, 1);
    top->addLayout(side);

    locations_ = {cmbURL, std::string(linklists::kLocationFile), linklists::defaultLocations()};
    descriptions_ = {cmbDesc, std::string(linklists::kDescriptionFile), linklists::defaultDescriptions()};
    LoadLists();
    cmbURL->setEditText(QStringLiteral("http://"));
    cmbDesc->setEditText(QStringLiteral("Description"));

    connect(OKBtn, &QPushButton::clicked, this, &TfrmURLWizard::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::close);
    connect(HelpBtn, &QPushButton::clicked, this, &TfrmURLWizard::HelpBtnClick);
}

void TfrmURLWizard::load(List& list) {
    const linklists::ListFile f = linklists::readList(paths::dataFile(list.file).string());
    if (f.exists && f.error == 0) list.items = f.items;
    list.unreadable = f.exists && f.error != 0;
    fill(list);
}

void TfrmURLWizard::LoadLists() {
    load(locations_);
    load(descriptions_);
}

void TfrmURLWizard::fill(const List& list) {
    const QString typed = list.box->currentText();
    list.box->clear();
    for (const std::string& item : list.items) list.box->addItem(displaytext::decode(item));
    list.box->setEditText(typed);
}

void TfrmURLWizard::add(List& list, const QString& text) {
    if (linklists::addItem(list.items, displaytext::encode(text))) fill(list);
}

void TfrmURLWizard::AddURLtoList(const QString& text) { add(locations_, text); }
void TfrmURLWizard::AddDesctoList(const QString& text) { add(descriptions_, text); }

bool TfrmURLWizard::SaveLists() {
    QStringList failures;
    for (const List* list : {&locations_, &descriptions_}) {
        const std::string path = paths::dataFile(list->file).string();
        if (list->unreadable) {
            failures << QStringLiteral("%1 could not be read, so it was left as it is.").arg(QString::fromStdString(path));
            continue;
        }
        if (const durable::WriteResult r = linklists::writeList(path, list->items); !r)
            failures << QString::fromStdString(r.message);
    }
    if (failures.isEmpty()) return true;
    Prompter::current().message(QString::fromLatin1(kCaption), failures.join(QLatin1Char('\n')),
                                Prompter::Icon::Critical);
    return false;
}

void TfrmURLWizard::OKBtnClick() {
    const QString location = cmbURL->currentText();
    const QString description = cmbDesc->currentText();
    if (insert_)
        insert_(displaytext::decode(linklists::startText(displaytext::encode(location), displaytext::encode(description))),
                QString::fromLatin1(linklists::kEndText.data()));
    AddURLtoList(location);
    AddDesctoList(description);
    if (SaveLists()) close();
}

void TfrmURLWizard::HelpBtnClick() { HelpSystem::current().showContext(kHelpContext); }

void TfrmURLWizard::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    restorePlacement(Prefs, *this);
    cmbURL->setFocus();
}

void TfrmURLWizard::done(int result) {
    storePlacement(Prefs, *this);
    QDialog::done(result);
}
