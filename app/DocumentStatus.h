#pragma once
// What the status panels read from the active document. The document window
// implements it; the main window finds it on the active MDI child's widget,
// so the status line does not depend on the document window's class.

class DocumentStatus {
public:
    virtual ~DocumentStatus() = default;
    // Caret position as validators and browsers report it, both from 1: the
    // file line (paragraph, whatever the wrapping) and the column in characters.
    virtual int caretLine() const = 0;
    virtual int caretColumn() const = 0;
    // The size of the file a save writes, with the document's own line ends.
    virtual long long byteCount() const = 0;
    // True in insert mode, false in overwrite mode.
    virtual bool insertMode() const = 0;
    // True when the document's file cannot be saved in place.
    virtual bool readOnly() const { return false; }
};
