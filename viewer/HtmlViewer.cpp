#include "HtmlViewer.h"

#include <unistd.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QPageRanges>
#include <QPointer>
#include <QPrinter>
#include <memory>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineFindTextResult>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
#include <QWebEngineView>

#include "DurableFile.h"
#include "FileAccess.h"
#include "Paths.h"
#include "PcxImage.h"

namespace {

// Local files reach the engine through this scheme rather than file: so
// that every read passes the file-access rule, the preview copy (temp.qlm)
// is served as HTML, and PCX images are served converted to PNG.
constexpr char kLocalScheme[] = "quillmar-file";
constexpr std::uint64_t kFileLimit = 64ull << 20;

// Must run before the application object exists: the engine reads schemes,
// the shared-context attribute and the sandbox switch when it starts.
void prepareEngine() {
    QWebEngineUrlScheme scheme(kLocalScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // Chromium will not start as root with its sandbox on; only then is it off.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}
Q_CONSTRUCTOR_FUNCTION(prepareEngine)

// Pixels from points at the engine's 96 dots an inch.
int pointsToPixels(int points) { return (points * 96 + 36) / 72; }

QString cssColor(const QColor& c) { return c.name(QColor::HexRgb); }

QUrl localUrl(const QString& path) {
    QUrl url;
    url.setScheme(QLatin1String(kLocalScheme));
    url.setPath(path);
    return url;
}

// The file a local address names (file: or our own scheme), else empty.
QString localPath(const QUrl& url) {
    if (url.isLocalFile()) return url.toLocalFile();
    if (url.scheme() == QLatin1String(kLocalScheme)) return url.path();
    return {};
}

QByteArray mimeTypeOf(const QString& path, const QByteArray& bytes) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("qlm")) return "text/html";
    static const QMimeDatabase db;
    return db.mimeTypeForFileNameAndData(path, bytes).name().toLatin1();
}

}  // namespace

// ---------------------------------------------------------------------------

class ViewerFileGuard : public QWebEngineUrlRequestInterceptor, public QWebEngineUrlSchemeHandler {
public:
    explicit ViewerFileGuard(QObject* parent) : QWebEngineUrlRequestInterceptor(parent) {}

    viewer::FileAccessRule rule;

    void setPageFile(const QString& file) {
        rule.shownFile = file.toStdString();
        rule.pageFolder = QFileInfo(file).absolutePath().toStdString();
        rule.denied = {paths::settingsDir().string(), paths::dataDir().string()};
        rule.allowedInDenied = {(paths::dataDir() / "preview").string()};
    }
    bool mayRead(const QString& path) const { return viewer::mayRead(rule, path.toStdString()); }

    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        const QUrl url = info.requestUrl();
        if (!url.isLocalFile()) return;
        const QString path = url.toLocalFile();
        if (!mayRead(path)) info.block(true);
        else info.redirect(localUrl(path));
    }

    void requestStarted(QWebEngineUrlRequestJob* job) override {
        const QString path = job->requestUrl().path();
        if (!mayRead(path)) return job->fail(QWebEngineUrlRequestJob::RequestDenied);
        const durable::ReadResult r = durable::readFile(path.toStdString(), kFileLimit);
        if (!r) return job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        auto* buffer = new QBuffer(job);
        QByteArray mime;
        if (QFileInfo(path).suffix().compare(QLatin1String("pcx"), Qt::CaseInsensitive) == 0) {
            const QImage img = decodePcx(QByteArray::fromStdString(r.bytes));
            if (img.isNull()) return job->fail(QWebEngineUrlRequestJob::RequestFailed);
            buffer->open(QIODevice::WriteOnly);
            img.save(buffer, "PNG");
            buffer->close();
            mime = "image/png";
        } else {
            buffer->setData(QByteArray::fromStdString(r.bytes));
            mime = mimeTypeOf(path, buffer->data());
        }
        buffer->open(QIODevice::ReadOnly);
        job->reply(mime, buffer);
    }
};

class ViewerPage : public QWebEnginePage {
public:
    ViewerPage(QWebEngineProfile* profile, HtmlViewer* viewer) : QWebEnginePage(profile, viewer), viewer_(viewer) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override {
        if (type == NavigationTypeLinkClicked && isMainFrame) return viewer_->linkClicked(url);
        return true;
    }

private:
    HtmlViewer* viewer_;
};

// ---------------------------------------------------------------------------

namespace {

// A link as the user sees it: a local file as its path, anything else as
// its address.
QString linkText(const QUrl& url) {
    const QString path = localPath(url);
    return path.isEmpty() ? url.toString() : path;
}

}  // namespace

HtmlViewer::HtmlViewer(QWidget* parent) : QWidget(parent) {
    // A private profile kept in memory: nothing of the previews is stored,
    // and the guard sees every request the page makes.
    profile_ = new QWebEngineProfile(this);
    guard_ = new ViewerFileGuard(this);
    profile_->setUrlRequestInterceptor(guard_);
    profile_->installUrlSchemeHandler(kLocalScheme, guard_);
    page_ = new ViewerPage(profile_, this);
    view_ = new QWebEngineView(this);
    view_->setPage(page_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setFocusProxy(view_);

    QWebEngineSettings* s = page_->settings();
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);

    const QPalette pal = palette();
    defFontColor_ = pal.color(QPalette::ButtonText);
    defBackground_ = pal.color(QPalette::Button);
    applyFonts();
    applyColors();

    connect(page_, &QWebEnginePage::linkHovered, this, [this](const QString& url) {
        if (OnHotSpotCovered) OnHotSpotCovered(url.isEmpty() ? QString() : linkText(QUrl(url)));
    });
    connect(page_, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        loading_ = false;
        lastLoadOk_ = ok;
        if (pendingScroll_ >= 0) {
            page_->runJavaScript(QStringLiteral("window.scrollTo(0, %1)").arg(pendingScroll_));
            pendingScroll_ = -1;
        }
        emit loadFinished(ok);
    });
}

HtmlViewer::~HtmlViewer() {
    // The page must go before the profile it runs in.
    delete view_;
    delete page_;
}

void HtmlViewer::showFile(const QString& fileName) {
    currentFile_ = fileName;
    guard_->setPageFile(fileName);
    loading_ = true;
    page_->load(localUrl(fileName));
}

void HtmlViewer::LoadFromFile(const QString& fileName) {
    if (fileName.isEmpty()) return;
    const QString file = QFileInfo(fileName).absoluteFilePath();
    // A new file drops the entries ahead of the one shown (those Back left).
    history_.erase(history_.begin(), history_.begin() + historyIndex_);
    history_.prepend(file);
    while (history_.size() > historyMax_) history_.removeLast();
    historyIndex_ = 0;
    showFile(file);
    if (OnHistoryChange) OnHistoryChange();
}

void HtmlViewer::setHistoryIndex(int index) {
    if (index < 0 || index >= history_.size() || index == historyIndex_) return;
    historyIndex_ = index;
    showFile(history_[index]);
    if (OnHistoryChange) OnHistoryChange();
}

void HtmlViewer::setHistoryMaxCount(int count) {
    historyMax_ = std::max(0, count);
    while (history_.size() > historyMax_) history_.removeLast();
    historyIndex_ = std::min<int>(historyIndex_, std::max<int>(0, int(history_.size()) - 1));
}

QString HtmlViewer::DocumentTitle() const {
    const QString t = page_->title();
    // The engine shows the address where a page has no title.
    const QUrl url = page_->url();
    if (t == url.toString() || t == url.toString(QUrl::RemoveScheme) || t == url.fileName() ||
        t == url.toString(QUrl::RemoveScheme | QUrl::RemoveAuthority) || t == url.path())
        return {};
    return t;
}

int HtmlViewer::ScrollPosition() const { return qRound(page_->scrollPosition().y()); }

void HtmlViewer::setScrollPosition(int y) {
    if (loading_) {
        pendingScroll_ = y;
        return;
    }
    page_->runJavaScript(QStringLiteral("window.scrollTo(0, %1)").arg(y));
}

QString HtmlViewer::ExpandFileName(const QString& name) const {
    QString n = name;
    if (n.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url(n);
        n = url.isLocalFile() ? url.toLocalFile() : n.mid(5);
    }
    const qsizetype hash = n.indexOf(QLatin1Char('#'));
    if (hash >= 0) n.truncate(hash);
    const QString folder = currentFile_.isEmpty() ? QDir::currentPath() : QFileInfo(currentFile_).absolutePath();
    return QDir::cleanPath(QDir(folder).absoluteFilePath(n));
}

bool HtmlViewer::linkClicked(const QUrl& url) {
    // A jump within the page shown is the engine's own.
    if (url.matches(page_->url(), QUrl::RemoveFragment) && url.hasFragment()) return true;
    bool handled = false;
    if (OnHotSpotClick) OnHotSpotClick(linkText(url), handled);
    if (handled) return false;
    const QString path = localPath(url);
    if (!path.isEmpty()) {
        LoadFromFile(path);
        return false;
    }
    return true;
}

void HtmlViewer::setViewImages(bool on) {
    if (on == viewImages_) return;
    viewImages_ = on;
    page_->settings()->setAttribute(QWebEngineSettings::AutoLoadImages, on);
    Reload();
}

void HtmlViewer::Reload() {
    if (currentFile_.isEmpty()) return;
    const int y = ScrollPosition();
    showFile(currentFile_);
    pendingScroll_ = y;
}

void HtmlViewer::applyFonts() {
    QWebEngineSettings* s = page_->settings();
    s->setFontFamily(QWebEngineSettings::StandardFont, defFontName_);
    s->setFontFamily(QWebEngineSettings::SerifFont, defFontName_);
    s->setFontFamily(QWebEngineSettings::FixedFont, defPreFontName_);
    s->setFontSize(QWebEngineSettings::DefaultFontSize, pointsToPixels(defFontSize_));
    // Monospace text keeps the proportion browsers give it (13 of 16).
    s->setFontSize(QWebEngineSettings::DefaultFixedFontSize, pointsToPixels(defFontSize_) * 13 / 16);
}

void HtmlViewer::applyColors() {
    // Zero-specificity rules, so that BODY's colour attributes and any rule of
    // the page itself win over them; added as the document is created.
    const QString css =
        QStringLiteral(":where(body:not([bgcolor]):not([background])){background-color:%1}"
                       ":where(body:not([text])){color:%2}"
                       ":where(body:not([link]) a:link){color:%3}")
            .arg(cssColor(defBackground_), cssColor(defFontColor_), cssColor(defHotSpotColor_));
    QWebEngineScript script;
    script.setName(QStringLiteral("quillmar-defaults"));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(true);
    script.setSourceCode(QStringLiteral("(function(){var s=new CSSStyleSheet();s.replaceSync('%1');"
                                        "document.adoptedStyleSheets=document.adoptedStyleSheets.concat([s]);})();")
                             .arg(css));
    QWebEngineScriptCollection& scripts = page_->scripts();
    for (const QWebEngineScript& old : scripts.find(script.name())) scripts.remove(old);
    scripts.insert(script);
    page_->setBackgroundColor(defBackground_);
}

void HtmlViewer::setDefFontName(const QString& name) { defFontName_ = name; applyFonts(); }
void HtmlViewer::setDefPreFontName(const QString& name) { defPreFontName_ = name; applyFonts(); }
void HtmlViewer::setDefFontSize(int points) { defFontSize_ = std::max(1, points); applyFonts(); }
void HtmlViewer::setDefFontColor(const QColor& c) { defFontColor_ = c; applyColors(); }
void HtmlViewer::setDefHotSpotColor(const QColor& c) { defHotSpotColor_ = c; applyColors(); }
void HtmlViewer::setDefBackground(const QColor& c) { defBackground_ = c; applyColors(); }

bool HtmlViewer::waitForLoad(int timeoutMs) {
    if (loading_) {
        QEventLoop loop;
        connect(this, &HtmlViewer::loadFinished, &loop, &QEventLoop::quit);
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return !loading_ && lastLoadOk_;
}

bool HtmlViewer::FindInDocument(const QString& text, bool matchCase) {
    if (text.isEmpty()) return false;
    // The engine may answer late (or answer a search that a newer one
    // replaced): the answer goes to shared state, never to this frame.
    struct Answer {
        QPointer<QEventLoop> loop;
        bool answered = false;
        bool found = false;
    };
    QEventLoop loop;
    const auto answer = std::make_shared<Answer>();
    answer->loop = &loop;
    page_->findText(text, matchCase ? QWebEnginePage::FindCaseSensitively : QWebEnginePage::FindFlags(),
                    [answer](const QWebEngineFindTextResult& r) {
                        answer->found = r.numberOfMatches() > 0;
                        answer->answered = true;
                        if (answer->loop) answer->loop->quit();
                    });
    if (!answer->answered) {
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return answer->found;
}

bool HtmlViewer::PrintPages(QPrinter& printer, int firstPage, int lastPage) {
    QEventLoop loop;
    bool ok = false;
    bool done = false;
    QPageRanges ranges;
    // The whole document unless a narrower range was asked for.
    if (firstPage > 1 || lastPage < 9999) ranges.addRange(std::max(1, firstPage), std::max(firstPage, lastPage));
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        // The engine makes the PDF (text stays text) in memory; the file is
        // written like every other. A late answer goes to shared state.
        struct Answer {
            QPointer<QEventLoop> loop;
            bool answered = false;
            QByteArray pdf;
        };
        const auto answer = std::make_shared<Answer>();
        answer->loop = &loop;
        page_->printToPdf(
            [answer](const QByteArray& pdf) {
                answer->pdf = pdf;
                answer->answered = true;
                if (answer->loop) answer->loop->quit();
            },
            printer.pageLayout(), ranges);
        if (!answer->answered) loop.exec();
        if (answer->pdf.isEmpty()) return false;
        return bool(durable::writeFile(printer.outputFileName().toStdString(),
                                       std::string_view(answer->pdf.constData(), std::size_t(answer->pdf.size()))));
    }
    printer.setPageRanges(ranges);
    auto c = connect(view_, &QWebEngineView::printFinished, &loop, [&](bool success) {
        ok = success;
        done = true;
        loop.quit();
    });
    view_->print(&printer);
    if (!done) loop.exec();
    disconnect(c);
    return ok;
}
