#include "TfMacros.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "Application.h"
#include "Help.h"
#include "Paths.h"
#include "PickTree.h"
#include "Prompter.h"
#include "TfAddMac.h"

TfMacros::TfMacros(QWidget* parent) : QDialog(parent), Prefs("quilopt.ini", "Macro Edit") {
    setObjectName(QStringLiteral("fMacros"));
    setWindowTitle(QStringLiteral("Quillmar Macros"));
    lstUserMacros = new PickTree({0.30}, this);
    lstUserMacros->setObjectName(QStringLiteral("lstUserMacros"));
    lstSystemMacros = new PickTree({0.30}, this);
    lstSystemMacros->setObjectName(QStringLiteral("lstSystemMacros"));
    for (QTreeWidget* list : {lstUserMacros, lstSystemMacros}) list->setHeaderHidden(true);
    fillMacroList(lstUserMacros, macros::defaultUserEntries());
    fillMacroList(lstSystemMacros, macros::defaultSystemEntries());

    txtMacro = new QLineEdit(this);
    txtMacro->setObjectName(QStringLiteral("txtMacro"));
    txtMacro->setMaxLength(macros::kMaxKeyLength);
    txtMacro->setToolTip(QStringLiteral("Enter your Macro Name without the square brackets"));
    // Typed keys are upper case, wherever the text comes from.
    connect(txtMacro, &QLineEdit::textChanged, this, [this](const QString& text) {
        const QString upper = text.toUpper();
        if (upper == text) return;
        const int at = txtMacro->cursorPosition();
        txtMacro->setText(upper.left(macros::kMaxKeyLength));
        txtMacro->setCursorPosition(at);
    });
    txtExpandTo = new QLineEdit(this);
    txtExpandTo->setObjectName(QStringLiteral("txtExpandTo"));
    txtExpandTo->setToolTip(QStringLiteral("Enter the text that the Macro will expand to"));

    auto* userPage = new QWidget(this);
    auto* userLayout = new QVBoxLayout(userPage);
    userLayout->addWidget(lstUserMacros);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("&Macro:"), txtMacro);
    fields->addRow(QStringLiteral("&Expands to:"), txtExpandTo);
    userLayout->addLayout(fields);
    auto* systemPage = new QWidget(this);
    (new QVBoxLayout(systemPage))->addWidget(lstSystemMacros);
    pages = new QTabWidget(this);
    pages->addTab(userPage, QStringLiteral("&User Defined"));
    pages->addTab(systemPage, QStringLiteral("&System Defined"));

    auto button = [this](const QString& text, const char* name, void (TfMacros::*handler)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, handler] { dispatch([this, handler] { (this->*handler)(); }); });
        return b;
    };
    cmdAdd = button(QStringLiteral("&Add"), "cmdAdd", &TfMacros::cmdAddClick);
    cmdRemove = button(QStringLiteral("&Remove"), "cmdRemove", &TfMacros::cmdRemoveClick);
    cmdSave = button(QStringLiteral("&Save"), "cmdSave", &TfMacros::SaveUser);
    cmdSave->setDefault(true);
    cmdClose = button(QStringLiteral("&Cancel"), "cmdClose", &TfMacros::cmdCloseClick);
    cmdHelp = button(QStringLiteral("&Help"), "cmdHelp", &TfMacros::cmdHelpClick);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {cmdAdd, cmdRemove, cmdSave, cmdClose, cmdHelp}) buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(pages, 1);
    layout->addLayout(buttons);
    resize(560, 360);
}

void TfMacros::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    dispatch([this] {
        pages->setCurrentIndex(0);
        LoadUser();
        Prefs.Load();
        Prefs.RestorePlacement("FORM_PLACE", *this);
    });
}

void TfMacros::done(int result) {
    // Every way out (buttons, Escape, the title bar) ends here.
    dispatch([this] {
        Prefs.SavePlacement("FORM_PLACE", *this);
        Prefs.Save();
    });
    QDialog::done(result);
}

void TfMacros::LoadUser() {
    const macros::ReadResult system = macros::readMacroFile(paths::dataFile(macros::kSystemFile).string());
    if (system.ok) fillMacroList(lstSystemMacros, system.entries);
    const macros::ReadResult user = macros::readMacroFile(paths::dataFile(macros::kUserFile).string());
    if (user.ok) fillMacroList(lstUserMacros, user.entries);
}

void TfMacros::cmdAddClick() {
    macros::Entries entries = macroListEntries(lstUserMacros);
    entries.push_back(macros::makeEntry(txtMacro->text().toStdString(), txtExpandTo->text().toStdString()));
    fillMacroList(lstUserMacros, entries);
}

void TfMacros::cmdRemoveClick() {
    const QList<QTreeWidgetItem*> selected = lstUserMacros->selectedItems();
    if (!selected.isEmpty()) delete selected.first();
}

void TfMacros::SaveUser() {
    const macros::WriteResult r =
        macros::writeMacroFile(paths::dataFile(macros::kUserFile).string(), macroListEntries(lstUserMacros));
    if (!r.ok) Prompter::current().message(windowTitle(), QString::fromStdString(r.message), Prompter::Icon::Critical);
    accept();
}

void TfMacros::cmdCloseClick() { reject(); }

void TfMacros::cmdHelpClick() { HelpSystem::current().showContext(kHelpContext); }
