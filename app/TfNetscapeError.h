#pragma once
// "Bookmark File": tells the user that the browser's bookmark file could not
// be found, with the likely reasons and the way round.

#include <QDialog>

class QPlainTextEdit;

class TfNetscapeError : public QDialog {
    Q_OBJECT
public:
    explicit TfNetscapeError(QWidget* parent = nullptr);

    // The message, one line per entry.
    static QString messageText();

    QPlainTextEdit* text = nullptr;
};
