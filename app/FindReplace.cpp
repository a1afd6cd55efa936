#include "FindReplace.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfFind::TfFind(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FindDialog1"));
    setWindowTitle(QStringLiteral("Find"));
    text_ = new QLineEdit;
    auto* label = new QLabel(QStringLiteral("Fi&nd what:"));
    label->setBuddy(text_);
    next_ = new QPushButton(QStringLiteral("&Find Next"));
    next_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(text_, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(next_);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(row, 1);
    layout->addLayout(buttons);
    connect(next_, &QPushButton::clicked, this, &TfFind::findNext);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfFind::findNext() {
    const QString text = text_->text();
    // The dialog goes first, so a "not found" message is not hidden behind it.
    hide();
    if (onFind) onFind(text);
}

TfReplace::TfReplace(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ReplaceDialog1"));
    setWindowTitle(QStringLiteral("Replace"));
    find_ = new QLineEdit;
    replace_ = new QLineEdit;
    matchCase_ = new QCheckBox(QStringLiteral("Match &case"));
    wholeWord_ = new QCheckBox(QStringLiteral("Match &whole word only"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Fi&nd what:"), find_);
    form->addRow(QStringLiteral("Re&place with:"), replace_);
    form->addRow(wholeWord_);
    form->addRow(matchCase_);
    auto* one = new QPushButton(QStringLiteral("&Replace"));
    auto* all = new QPushButton(QStringLiteral("Replace &All"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    one->setDefault(true);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(one);
    buttons->addWidget(all);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(form, 1);
    layout->addLayout(buttons);
    connect(one, &QPushButton::clicked, this, &TfReplace::replaceOne);
    connect(all, &QPushButton::clicked, this, &TfReplace::replaceAll);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfReplace::replaceOne() { run(false); }
void TfReplace::replaceAll() { run(true); }

void TfReplace::run(bool all) {
    if (onReplace) onReplace(find_->text(), replace_->text(), all, matchCase_->isChecked(), wholeWord_->isChecked());
}
