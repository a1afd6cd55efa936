#include "HelpWindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {
QToolButton* toolButton(const QString& text, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}
}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("Quillmar Help"));
    resize(820, 600);

    auto* contents = toolButton(tr("&Contents"), this);
    auto* index = toolButton(tr("&Index"), this);
    back_ = toolButton(tr("&Back"), this);
    forward_ = toolButton(tr("&Forward"), this);
    auto* helpOnHelp = toolButton(tr("&How to Use Help"), this);
    auto* bar = new QHBoxLayout;
    for (QToolButton* b : {contents, index, back_, forward_, helpOnHelp}) bar->addWidget(b);
    bar->addStretch();

    indexPane_ = new QWidget(this);
    keyword_ = new QLineEdit(indexPane_);
    keyword_->setPlaceholderText(tr("Type a keyword"));
    keywords_ = new QListWidget(indexPane_);
    auto* paneLayout = new QVBoxLayout(indexPane_);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(tr("&Keyword:"), indexPane_);
    label->setBuddy(keyword_);
    paneLayout->addWidget(label);
    paneLayout->addWidget(keyword_);
    paneLayout->addWidget(keywords_);
    indexPane_->hide();

    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(false); // links are followed by linkClicked, inside the book only
    auto* split = new QSplitter(this);
    split->addWidget(indexPane_);
    split->addWidget(browser_);
    split->setStretchFactor(1, 3);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(split);

    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(contents, &QToolButton::clicked, this, [this] { showContents(); });
    connect(index, &QToolButton::clicked, this, [this] {
        indexPane_->setVisible(!indexPane_->isVisible());
        if (indexPane_->isVisible()) keyword_->setFocus();
    });
    connect(helpOnHelp, &QToolButton::clicked, this,
            [this] { showPage(book_.pagePath(QStringLiteral("usinghelp.html"))); });
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::linkClicked);
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(tr("Quillmar Help - %1").arg(currentTitle())); });
    connect(keyword_, &QLineEdit::textEdited, this, &HelpWindow::keywordEdited);
    connect(keyword_, &QLineEdit::returnPressed, this, &HelpWindow::openSelectedKeyword);
    connect(keywords_, &QListWidget::itemActivated, this, &HelpWindow::openSelectedKeyword);
}

bool HelpWindow::openBook(const QString& folder) {
    HelpBook book;
    if (!book.load(folder)) return false;
    book_ = book;
    fillIndex();
    return true;
}

bool HelpWindow::showContents() { return showPage(book_.contentsPage()); }

bool HelpWindow::showContext(int context) {
    const QString page = book_.contextPage(context);
    return !page.isEmpty() && showPage(page);
}

bool HelpWindow::showIndex(const QString& keyword) {
    if (!book_.isLoaded()) return false;
    if (browser_->source().isEmpty()) showPage(book_.contentsPage());
    indexPane_->show();
    present(); // laid out first, so the list can scroll to the keyword
    keyword_->setText(keyword);
    keywordEdited(keyword);
    keyword_->setFocus();
    return true;
}

bool HelpWindow::showPage(const QString& path) {
    const QString file = path.section(u'#', 0, 0);
    if (file.isEmpty() || !QFileInfo(file).isFile()) return false;
    QUrl url = QUrl::fromLocalFile(file);
    const QString fragment = path.section(u'#', 1);
    if (!fragment.isEmpty()) url.setFragment(fragment);
    browser_->setSource(url);
    present();
    return true;
}

QString HelpWindow::currentPage() const { return browser_->source().toLocalFile(); }

QString HelpWindow::currentTitle() const {
    const QString t = browser_->documentTitle();
    return t.isEmpty() ? QFileInfo(currentPage()).fileName() : t;
}

void HelpWindow::fillIndex() {
    keywords_->clear();
    for (const HelpBook::IndexEntry& e : book_.index()) {
        const QString text = e.keyword == e.title ? e.keyword : QStringLiteral("%1 - %2").arg(e.keyword, e.title);
        auto* item = new QListWidgetItem(text, keywords_);
        item->setData(Qt::UserRole, e.page);
    }
}

void HelpWindow::keywordEdited(const QString& text) {
    const int row = book_.findKeyword(text);
    if (row < 0) return;
    keywords_->setCurrentRow(row);
    // The list lays its items out lazily (again after a resize), which
    // resets the scroll position: scroll once that has happened.
    QTimer::singleShot(0, keywords_, [list = keywords_] {
        if (list->currentItem()) list->scrollToItem(list->currentItem(), QAbstractItemView::PositionAtTop);
    });
}

void HelpWindow::openSelectedKeyword() {
    if (QListWidgetItem* item = keywords_->currentItem())
        showPage(book_.pagePath(item->data(Qt::UserRole).toString()));
}

void HelpWindow::linkClicked(const QUrl& url) {
    // Only pages of the help folder are followed; other links go nowhere
    // (the help pages carry none).
    if (url.isRelative() || url.isLocalFile()) {
        const QUrl target = browser_->source().resolved(url);
        if (target.isLocalFile()) {
            QString path = target.toLocalFile();
            if (target.hasFragment()) path += u'#' + target.fragment();
            if (target.toLocalFile() == currentPage() && target.hasFragment()) {
                browser_->scrollToAnchor(target.fragment());
                return;
            }
            showPage(path);
        }
    }
}

void HelpWindow::present() {
    show();
    raise();
    activateWindow();
}
