#pragma once
// Every modal question the program asks goes through one Prompter: message
// boxes, confirmations, input boxes and the common dialogs. Windows call
// Prompter::current(), never Qt's dialogs directly, so a test can install a
// ScriptedPrompter that records what was shown and answers from a queue.

#include <QFlags>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

class QPrinter;
class QWidget;

class Prompter {
public:
    enum Button {
        NoButton = 0x00,
        Ok = 0x01,
        Cancel = 0x02,
        Yes = 0x04,
        No = 0x08,
        Abort = 0x10,
        Retry = 0x20,
        Ignore = 0x40,
    };
    Q_DECLARE_FLAGS(Buttons, Button)

    enum class Icon { None, Information, Warning, Question, Critical };

    // An open or save dialog. The filter is written as the program's tables
    // write it: "label|patterns|label|patterns", patterns separated by ';'.
    struct FileRequest {
        QString caption;
        QString filter;
        int filterIndex = 1;         // 1-based: the filter selected at first
        QString initialDir;          // empty: the current directory
        QString fileName;            // the name shown at first
        QString defaultExt;          // without the dot; added to a name typed without one
        bool multiple = false;       // open only: several files at once
        bool overwritePrompt = true; // save only: ask before replacing a file
    };

    // The font dialog. The colour travels with the font (Windows' font
    // dialog "with effects" edits it); a dialog that cannot edit it returns
    // it unchanged.
    struct FontRequest {
        QString caption;
        QFont font;
        quint32 color = 0;          // platform colour number (red in the low byte)
        bool fixedPitchOnly = false;
    };
    struct FontChoice {
        QFont font;
        quint32 color = 0;
    };

    // The print dialog; on OK the printer holds the chosen range and pages.
    struct PrintRequest {
        QString caption;
        bool selectionAvailable = false; // offer "Selection" as a range
        bool pageRangeAllowed = false;   // offer "Pages from .. to .."
        int minPage = 1;
        int maxPage = 9999;
    };

    virtual ~Prompter();

    // A message box with OK only.
    virtual void message(const QString& caption, const QString& text, Icon icon = Icon::Information) = 0;
    // A confirmation offering the given buttons; returns the one chosen.
    // Closing the box counts as Cancel when offered, else No, else Ok.
    virtual Button confirm(const QString& caption, const QString& text, Buttons buttons,
                           Button defaultButton = NoButton, Icon icon = Icon::Question) = 0;
    // A question whose buttons carry their own words ("Reload", "Save As"...);
    // the index of the one chosen, or -1 when the box is closed.
    virtual int choose(const QString& caption, const QString& text, const QStringList& buttons,
                       int defaultIndex = 0, Icon icon = Icon::Warning) = 0;
    // An input box; nullopt when cancelled (an accepted empty text is "").
    virtual std::optional<QString> input(const QString& caption, const QString& prompt,
                                         const QString& defaultText = QString()) = 0;
    // The chosen files (absolute paths), empty when cancelled. Without
    // FileRequest::multiple at most one path.
    virtual QStringList openFiles(const FileRequest& request) = 0;
    // The chosen path, empty when cancelled.
    virtual QString saveFile(const FileRequest& request) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontRequest& request) = 0;
    // Platform colour numbers in and out; nullopt when cancelled.
    virtual std::optional<quint32> chooseColor(const QString& caption, quint32 initial) = 0;
    // The print dialog for this printer; false when cancelled.
    virtual bool print(QPrinter& printer, const PrintRequest& request) = 0;
    // The printer setup (page and printer) dialog; false when cancelled.
    virtual bool printSetup(QPrinter& printer, const QString& caption = QString()) = 0;

    // The process-wide prompter: the Qt dialogs unless another is installed.
    static Prompter& current();
    // Installs p (nullptr: back to the Qt dialogs); returns the previous one.
    // The caller keeps ownership and must uninstall before destroying it.
    static Prompter* install(Prompter* p);
};
Q_DECLARE_OPERATORS_FOR_FLAGS(Prompter::Buttons)

// Qt's file-dialog filter list for a filter written as "label|patterns|...".
// Each pattern list becomes Qt's space-separated form, and the label's
// bracketed part is rewritten to show exactly those patterns, because Qt
// reads the patterns from the label ("Form Definition (*.qtb)|*.qfd" becomes
// "Form Definition (*.qfd)"). "*.*" becomes "*" so that files without an
// extension are listed, as on Windows. A trailing label without patterns is
// dropped.
QStringList qtFileFilters(const QString& filter);

// The extension (without the dot) a save dialog adds to a name typed without
// one: that of the selected Qt filter when its first pattern names one
// ("HTML Document (*.html)" gives "html"), else `defaultExt` ("All Files (*)").
QString saveExtension(const QString& qtFilter, const QString& defaultExt);

// The production prompter: QMessageBox, QInputDialog, QFileDialog,
// QFontDialog, QColorDialog, QPrintDialog and QPageSetupDialog, parented to
// the active window.
class QtPrompter : public Prompter {
public:
    void message(const QString& caption, const QString& text, Icon icon) override;
    Button confirm(const QString& caption, const QString& text, Buttons buttons, Button defaultButton,
                   Icon icon) override;
    int choose(const QString& caption, const QString& text, const QStringList& buttons, int defaultIndex,
               Icon icon) override;
    std::optional<QString> input(const QString& caption, const QString& prompt, const QString& defaultText) override;
    QStringList openFiles(const FileRequest& request) override;
    QString saveFile(const FileRequest& request) override;
    std::optional<FontChoice> chooseFont(const FontRequest& request) override;
    std::optional<quint32> chooseColor(const QString& caption, quint32 initial) override;
    bool print(QPrinter& printer, const PrintRequest& request) override;
    bool printSetup(QPrinter& printer, const QString& caption) override;
};
