#pragma once
// One help book: a folder of HTML pages with a contents page, a map of
// context numbers to pages and a keyword index gathered from the pages.
// Qt Core only; the help window shows what this finds.

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class HelpBook {
public:
    struct IndexEntry {
        QString keyword;
        QString page;  // file name inside the book's folder
        QString title; // the page's <title>
    };

    // The book folder for a help file name ("quillmar.hlp" -> <helpDir>/quillmar).
    static QString folderFor(const QString& helpFile);

    // Reads the book in folder; false when the folder has no index.html.
    bool load(const QString& folder);
    bool isLoaded() const { return !folder_.isEmpty(); }

    QString folder() const { return folder_; }
    QString contentsPage() const;               // absolute path of index.html
    QString pagePath(const QString& page) const; // absolute path of a page of the book
    // The page for a context number (absolute path), empty when unmapped or missing.
    QString contextPage(int context) const;
    QMap<int, QString> contexts() const { return contexts_; }

    // Every keyword with its page, sorted by keyword without regard to case.
    const QList<IndexEntry>& index() const { return index_; }
    // Position in index() of the first keyword starting with prefix (no
    // regard to case), or of the first keyword after it; -1 for an empty index.
    int findKeyword(const QString& prefix) const;
    // The pages of the book (file names), sorted.
    QStringList pages() const;

    // The title of an HTML page's <title>, or its file name when it has none.
    static QString pageTitle(const QString& path);
    // The keywords of a page's <meta name="keywords" content="a, b; c">.
    static QStringList pageKeywords(const QString& path);

private:
    QString folder_;
    QMap<int, QString> contexts_;
    QList<IndexEntry> index_;
};
