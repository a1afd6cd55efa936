#pragma once
// The HTML rendering control: a page rendered by Qt WebEngine, with the
// members the preview window relies on. The history is the control's own
// (files loaded, newest first) rather than the engine's, so that setting the
// index shows that entry and the window's History menu matches it.
//
// Link clicks reach OnHotSpotClick before anything is followed; a handler
// that sets the flag stops the control. Local files are then loaded (and
// join the history); anything else is left alone. What a page may read from
// disk is limited to the folder of the file shown, never the program's own
// settings or data (see FileAccessRule).

#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

class QWebEngineView;
class QWebEngineProfile;
class QPrinter;
class ViewerPage;
class ViewerFileGuard;

class HtmlViewer : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDefaultHistoryMax = 6;

    explicit HtmlViewer(QWidget* parent = nullptr);
    ~HtmlViewer() override;

    // Renders the file; an empty name does nothing. Returns at once: the page
    // is shown when loadFinished is emitted.
    void LoadFromFile(const QString& fileName);
    QString CurrentFile() const { return currentFile_; }
    // Loads the file shown again, keeping the history and the scroll position.
    void Reload();
    // The page's <title>, empty when it has none.
    QString DocumentTitle() const;

    // Vertical scroll offset in pixels; setting it while a page loads applies
    // it once the page is there.
    int ScrollPosition() const;
    void setScrollPosition(int y);

    const QStringList& History() const { return history_; }
    int HistoryIndex() const { return historyIndex_; }
    void setHistoryIndex(int index);
    int HistoryMaxCount() const { return historyMax_; }
    void setHistoryMaxCount(int count);

    // The link resolved against the folder of the shown file ("file:" and a
    // "#fragment" removed).
    QString ExpandFileName(const QString& name) const;

    bool ViewImages() const { return viewImages_; }
    void setViewImages(bool on);

    // Defaults for pages that do not set their own. Font size in points.
    QString DefFontName() const { return defFontName_; }
    void setDefFontName(const QString& name);
    QString DefPreFontName() const { return defPreFontName_; }
    void setDefPreFontName(const QString& name);
    int DefFontSize() const { return defFontSize_; }
    void setDefFontSize(int points);
    QColor DefFontColor() const { return defFontColor_; }
    void setDefFontColor(const QColor& c);
    QColor DefHotSpotColor() const { return defHotSpotColor_; }
    void setDefHotSpotColor(const QColor& c);
    QColor DefBackground() const { return defBackground_; }
    void setDefBackground(const QColor& c);

    // Searches forward from the last match, selecting it; false when the
    // text is not in the page. Waits for the engine's answer.
    bool FindInDocument(const QString& text, bool matchCase);

    // Prints the rendered page to the printer (the engine renders it as PDF
    // pages; a printer without a file name gets a temporary one). Pages are
    // counted from 1; the range is clipped to the pages there are. Waits
    // until done; false when the engine could not print.
    bool PrintPages(QPrinter& printer, int firstPage, int lastPage);

    // Handlers (the preview window sets them).
    std::function<void()> OnHistoryChange;
    std::function<void(const QString& link)> OnHotSpotCovered;
    std::function<void(const QString& link, bool& handled)> OnHotSpotClick;

    // Waits (running the event loop) until the current load has finished;
    // false on timeout or a failed load.
    bool waitForLoad(int timeoutMs = 10000);
    bool isLoading() const { return loading_; }
    QWebEngineView* view() const { return view_; }

signals:
    void loadFinished(bool ok);

private:
    friend class ViewerPage;
    bool linkClicked(const QUrl& url);
    void showFile(const QString& fileName);
    void applyFonts();
    void applyColors();

    QWebEngineProfile* profile_ = nullptr;
    ViewerFileGuard* guard_ = nullptr;
    ViewerPage* page_ = nullptr;
    QWebEngineView* view_ = nullptr;

    QString currentFile_;
    QStringList history_;
    int historyIndex_ = 0;
    int historyMax_ = kDefaultHistoryMax;
    bool loading_ = false;
    bool lastLoadOk_ = false;
    int pendingScroll_ = -1;

    bool viewImages_ = true;
    QString defFontName_ = QStringLiteral("Times New Roman");
    QString defPreFontName_ = QStringLiteral("Courier New");
    int defFontSize_ = 12;
    QColor defFontColor_;
    QColor defHotSpotColor_ = Qt::blue;
    QColor defBackground_;
};
