#pragma once
// The find and replace dialogs of the document window: small non-modal
// dialogs that hand their fields to the window's handlers. Find closes after
// each search; Replace stays open until closed.

#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

class TfFind : public QDialog {
    Q_OBJECT
public:
    explicit TfFind(QWidget* parent = nullptr);

    // Runs with the text when Find Next is pressed (after the dialog closed).
    std::function<void(const QString&)> onFind;

    QLineEdit* findField() const { return text_; }
    QPushButton* findNextButton() const { return next_; }
    // Presses Find Next as the user would.
    void findNext();

private:
    QLineEdit* text_;
    QPushButton* next_;
};

class TfReplace : public QDialog {
    Q_OBJECT
public:
    explicit TfReplace(QWidget* parent = nullptr);

    // (find text, replace text, all, match case, whole word)
    std::function<void(const QString&, const QString&, bool, bool, bool)> onReplace;

    QLineEdit* findField() const { return find_; }
    QLineEdit* replaceField() const { return replace_; }
    QCheckBox* matchCaseBox() const { return matchCase_; }
    QCheckBox* wholeWordBox() const { return wholeWord_; }
    void replaceOne();
    void replaceAll();

private:
    void run(bool all);
    QLineEdit* find_;
    QLineEdit* replace_;
    QCheckBox* matchCase_;
    QCheckBox* wholeWord_;
};
