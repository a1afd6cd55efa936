#include "TfColorChooser.h"

#include <QCloseEvent>
#include <QColorDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include "ColorNumber.h"
#include "PickLists.h"
#include "Prompter.h"

TfColorChooser::TfColorChooser(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), Prefs("quilopt.ini", "Color Chooser") {
    setObjectName(QStringLiteral("fColorChooser"));
    setWindowTitle(QStringLiteral("Color Chooser"));

    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    for (int i = 0; i < kCells; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QStringLiteral("clr%1").arg(i));
        b->setFixedSize(22, 22);
        b->setAutoRaise(false);
        const quint32 n = cellColor(i);
        b->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid gray;")
                             .arg(colorFromNumber(n).name()));
        b->setToolTip(QString::fromStdString(picklists::colorCode(n)));
        connect(b, &QToolButton::clicked, this, [this, n] { chooseColor(n); });
        grid->addWidget(b, i / kColumns, i % kColumns);
    }

    txtCl = new QLineEdit(QStringLiteral("#FFFFFF"), this);
    txtCl->setObjectName(QStringLiteral("txtCl"));
    txtCl->setMaxLength(7);
    btnMore = new QPushButton(QStringLiteral("&More Colors ..."), this);
    btnInsert = new QPushButton(QStringLiteral("Insert"), this);
    btnInsert->setToolTip(QStringLiteral("Insert the Color Code at the current cursor position"));
    btnClose = new QPushButton(QStringLiteral("&Close"), this);
    for (QPushButton* b : {btnMore, btnInsert, btnClose}) b->setAutoDefault(false);
    connect(btnMore, &QPushButton::clicked, this, &TfColorChooser::MoreColorsClick);
    connect(btnInsert, &QPushButton::clicked, this, &TfColorChooser::InsertClick);
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);

    auto* row = new QHBoxLayout;
    row->addWidget(txtCl);
    row->addWidget(btnInsert);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnMore);
    buttons->addStretch();
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(row);
    layout->addLayout(buttons);
}

// Qt's basic colours, the same 48 its colour dialog offers.
quint32 TfColorChooser::cellColor(int i) { return colorNumber(QColorDialog::standardColor(i)); }

QToolButton* TfColorChooser::cell(int i) const { return findChild<QToolButton*>(QStringLiteral("clr%1").arg(i)); }

void TfColorChooser::chooseColor(quint32 colorNumber) {
    txtCl->setText(QString::fromStdString(picklists::colorCode(colorNumber)));
}

void TfColorChooser::MoreColorsClick() {
    // Start the dialog at the field's colour when it holds a valid code.
    const QColor shown(txtCl->text());
    const quint32 initial = shown.isValid() ? colorNumber(shown) : 0xFFFFFF;
    if (const std::optional<quint32> chosen = Prompter::current().chooseColor(QString(), initial)) chooseColor(*chosen);
}

void TfColorChooser::InsertClick() {
    if (insert_) insert_(txtCl->text(), QString());
}

void TfColorChooser::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    Prefs.Load();
    Prefs.RestorePlacement("FORM_PLACE", *this);
}

void TfColorChooser::closeEvent(QCloseEvent* e) {
    Prefs.SavePlacement("FORM_PLACE", *this);
    Prefs.Save();
    QDialog::closeEvent(e);
}
