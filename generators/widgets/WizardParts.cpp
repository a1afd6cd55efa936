#include "WizardParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWidget>

#include "TBag.h"

namespace wizardparts {

QLabel* label(const QString& text, QWidget* parent, QWidget* buddy) {
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    if (buddy) l->setBuddy(buddy);
    return l;
}

QLineEdit* lineEdit(const char* name, const QString& text, QWidget* parent) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

QSpinBox* spinBox(const char* name, int value, int min, int max, QWidget* parent) {
    auto* s = new QSpinBox(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(min, max);
    s->setValue(value);
    return s;
}

QPlainTextEdit* textBox(const char* name, const QString& text, QWidget* parent) {
    auto* t = new QPlainTextEdit(text, parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setLineWrapMode(QPlainTextEdit::NoWrap);
    t->setTabChangesFocus(true);
    return t;
}

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

void layOutNotebookDialog(QWidget* dialog, QTabWidget* notebook, const QList<QPushButton*>& buttons) {
    if (!buttons.isEmpty()) buttons.front()->setDefault(true);
    auto* foot = new QHBoxLayout;
    foot->addStretch();
    for (QPushButton* b : buttons) foot->addWidget(b);
    auto* top = new QVBoxLayout(dialog);
    top->addWidget(notebook, 1);
    top->addLayout(foot);
}

void connectNameButtons(QLineEdit* field, QPushButton* upper, QPushButton* lower, QPushButton* slash) {
    if (upper) QObject::connect(upper, &QPushButton::clicked, field, [field] { field->setText(field->text().toUpper()); });
    if (lower) QObject::connect(lower, &QPushButton::clicked, field, [field] { field->setText(field->text().toLower()); });
    if (slash)
        QObject::connect(slash, &QPushButton::clicked, field,
                         [field] { field->setText(field->text().replace(QLatin1Char('\\'), QLatin1Char('/'))); });
}

void addPage(QTabWidget* notebook, const QString& name, QWidget* page, const QList<QObject*>& rows) {
    auto* v = new QVBoxLayout(page);
    for (QObject* o : rows) {
        if (auto* w = qobject_cast<QWidget*>(o))
            v->addWidget(w);
        else if (auto* l = qobject_cast<QLayout*>(o))
            v->addLayout(l);
    }
    v->addStretch();
    notebook->addTab(page, name);
}

QHBoxLayout* row(const QList<QWidget*>& widgets) {
    auto* h = new QHBoxLayout;
    for (QWidget* w : widgets) h->addWidget(w);
    h->addStretch();
    return h;
}

void focusFirstField(QWidget* page) {
    QWidget* focused = page->window()->focusWidget();
    if (!page->isVisible() || (focused && (page->isAncestorOf(focused) || qobject_cast<QTabBar*>(focused)))) return;
    for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void focusPagesOnSelect(QTabWidget* notebook) {
    QObject::connect(notebook, &QTabWidget::currentChanged, notebook,
                     [notebook] { focusFirstField(notebook->currentWidget()); });
}

void restorePlacement(TBag& prefs, QWidget& form) {
    prefs.Load();
    prefs.RestorePlacement("FORM_PLACE", form);
}

void storePlacement(TBag& prefs, QWidget& form) {
    prefs.SavePlacement("FORM_PLACE", form);
    prefs.Save();
}

}  // namespace wizardparts
