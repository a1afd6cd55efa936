#pragma once
// The help calls behind one replaceable hook: set the help file, show its
// contents, keyword search, help on help, a context topic.
//
// A help file name ("quillmar.hlp", "html.hlp") names a book of HTML pages
// in the delivered help folder: the folder named after the file's base name,
// lower-cased (help/quillmar/, help/html/). A book holds index.html (its
// contents page), a contexts.txt that maps context numbers to pages, and
// pages whose <meta name="keywords"> feed the keyword index.

#include <QString>

class HelpSystem {
public:
    // The help system's own help page (how to use the help window).
    static constexpr const char* kHelpOnHelpPage = "usinghelp.html";

    virtual ~HelpSystem();

    // The file later calls open; a bare name lives in the delivered help folder.
    virtual void setHelpFile(const QString& file) = 0;
    virtual QString helpFile() const = 0;

    // Each returns false when the book or the topic does not exist (nothing
    // is shown then).
    virtual bool showContents() = 0;
    // The keyword index, positioned on the first keyword starting with
    // keyword (an empty keyword shows the whole index).
    virtual bool search(const QString& keyword) = 0;
    virtual bool helpOnHelp() = 0;
    virtual bool showContext(int context) = 0;

    // The process-wide help; install(nullptr) restores the help window.
    static HelpSystem& current();
    static HelpSystem* install(HelpSystem* h);
};

class HelpWindow;

// The production help: one help window, created on first use and kept (with
// its history) until the application ends.
class WindowHelp : public HelpSystem {
public:
    WindowHelp();
    ~WindowHelp() override;

    void setHelpFile(const QString& file) override;
    QString helpFile() const override { return file_; }
    bool showContents() override;
    bool search(const QString& keyword) override;
    bool helpOnHelp() override;
    bool showContext(int context) override;

    // The window, created on demand; valid until the application ends.
    HelpWindow* window();

private:
    bool openBook();
    QString file_ = QStringLiteral("quillmar.hlp");
};
