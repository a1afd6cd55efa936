#pragma once
// "Quillmar NotePad": a text box whose text is kept in notes.txt between
// runs. It is read when a command shows the window and written when the
// window closes, when the program ends, and a moment after the user stops
// typing, so no way out of the program loses what was typed.

#include <QString>

#include "TfToolWindow.h"

class QPlainTextEdit;
class QTimer;

class TfNotePad : public TfToolWindow {
    Q_OBJECT
public:
    explicit TfNotePad(QWidget* parent);
    ~TfNotePad() override;

    QPlainTextEdit* editor() const { return mNP; }

    // Reads notes.txt into the text box when it exists (else the text stays).
    void LoadNotes();
    // Writes the text box to notes.txt; a failure shows "Cannot create file
    // ..." and returns false. Nothing is written before the notes were read,
    // so an unread notes.txt is never replaced by the welcome text.
    bool SaveNotes();
    // Saves when the text changed since it was last read or written.
    void saveIfChanged();

    // How long after the last key the text is written.
    static constexpr int kAutoSaveMs = 1500;

protected:
    void FormShow() override;
    void FormClose() override;

private:
    QPlainTextEdit* mNP = nullptr;
    QTimer* autoSave_ = nullptr;
    bool loaded_ = false;   // notes.txt was read (or is missing)
    bool changed_ = false;  // typed since the last read or write
};
