#pragma once
// The help window: a browser for one help book at a time, with Contents,
// Back and Forward, and a keyword index beside the page.

#include <QString>
#include <QWidget>

#include "HelpBook.h"

class QLineEdit;
class QListWidget;
class QTextBrowser;
class QToolButton;
class QUrl;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Makes folder the current book; false when it holds no book.
    bool openBook(const QString& folder);
    const HelpBook& book() const { return book_; }

    // Each shows the window, brings it to the front and shows the page.
    bool showContents();
    bool showContext(int context);
    bool showIndex(const QString& keyword);
    bool showPage(const QString& path); // absolute path of an HTML page

    // The page shown (absolute path) and its title.
    QString currentPage() const;
    QString currentTitle() const;

    QTextBrowser* browser() const { return browser_; }
    QLineEdit* keywordField() const { return keyword_; }
    QListWidget* keywordList() const { return keywords_; }

private:
    void fillIndex();
    void keywordEdited(const QString& text);
    void openSelectedKeyword();
    void linkClicked(const QUrl& url);
    void present();

    HelpBook book_;
    QTextBrowser* browser_;
    QLineEdit* keyword_;
    QListWidget* keywords_;
    QWidget* indexPane_;
    QToolButton* back_;
    QToolButton* forward_;
};
