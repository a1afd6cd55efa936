#pragma once
// Small builders the wizards' dialogs share: named fields, labels that show
// their text as written (never as markup), and the placement kept in a
// dialog's Prefs bag.

#include <QList>
#include <QString>

class QHBoxLayout;
class QLabel;
class QObject;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QWidget;
class TBag;

namespace wizardparts {

QLabel* label(const QString& text, QWidget* parent, QWidget* buddy = nullptr);
QLineEdit* lineEdit(const char* name, const QString& text, QWidget* parent);
QSpinBox* spinBox(const char* name, int value, int min, int max, QWidget* parent);
// A multi-line box without word wrap.
QPlainTextEdit* textBox(const char* name, const QString& text, QWidget* parent);
// A button that is never the default: Enter in a field goes to the dialog's default button.
QPushButton* button(const char* name, const QString& caption, QWidget* parent);
// A notebook dialog's layout: the notebook above, its buttons at the foot on
// the right; the first button is the default one.
void layOutNotebookDialog(QWidget* dialog, QTabWidget* notebook, const QList<QPushButton*>& buttons);

// The buttons that rewrite a file name in `field`: all upper case, all lower
// case, every "\" made "/". A null button is left out.
void connectNameButtons(QLineEdit* field, QPushButton* upper, QPushButton* lower, QPushButton* slash);

// Adds `page` to the notebook under `name`, holding the rows (widgets or
// layouts) top to bottom, then space.
void addPage(QTabWidget* notebook, const QString& name, QWidget* page, const QList<QObject*>& rows);
// Widgets side by side, then space.
QHBoxLayout* row(const QList<QWidget*>& widgets);

// Gives the focus to the first field of a page (in tab order) unless a
// widget of the page, or the tab strip the user is moving along, has it.
void focusFirstField(QWidget* page);
// Each page of the notebook, once selected, starts at its first field.
void focusPagesOnSelect(QTabWidget* notebook);

// FORM_PLACE through the bag: restored when the dialog is shown, stored when it closes.
void restorePlacement(TBag& prefs, QWidget& form);
void storePlacement(TBag& prefs, QWidget& form);

}  // namespace wizardparts
