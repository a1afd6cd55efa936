#include "TfPreview.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPrinter>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "ColorNumber.h"
#include "HtmlViewer.h"
#include "Launcher.h"
#include "Paths.h"
#include "PreviewLinks.h"
#include "Printing.h"
#include "Prompter.h"
#include "Sound.h"
#include "TFontForm.h"

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Schemes handed to the desktop's browser or mail program; any other
// address is ignored rather than handed to whatever program claims it.
bool isWebAddress(const QUrl& url) {
    static const QStringList schemes{QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("ftp"),
                                     QStringLiteral("mailto")};
    return schemes.contains(url.scheme().toLower());
}

}  // namespace

TfPreview::TfPreview(QWidget* parent)
    : QMainWindow(parent), Prefs(paths::profileFile("quilopt.ini").string(), "Preview") {
    setWindowTitle(QString::fromUtf8(kCaption));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* Panel2 = new QWidget(central);
    auto* top = new QHBoxLayout(Panel2);
    btnClose_ = new QPushButton(tr("&Close"), Panel2);
    Reload_ = new QPushButton(tr("&Reload"), Panel2);
    BackButton_ = new QPushButton(tr("&Back"), Panel2);
    FwdButton_ = new QPushButton(tr("&Forward"), Panel2);
    Edit1_ = new QLineEdit(Panel2);
    Edit1_->setReadOnly(true);
    for (QWidget* w : {static_cast<QWidget*>(btnClose_), static_cast<QWidget*>(Reload_),
                       static_cast<QWidget*>(BackButton_), static_cast<QWidget*>(FwdButton_)})
        top->addWidget(w);
    top->addWidget(Edit1_, 1);
    Reload_->setEnabled(false);
    BackButton_->setEnabled(false);
    FwdButton_->setEnabled(false);

    Viewer_ = new HtmlViewer(central);
    Viewer_->setHistoryMaxCount(6);
    Viewer_->setDefFontName(QStringLiteral("Times New Roman"));
    Viewer_->setDefPreFontName(QStringLiteral("Courier New"));
    Viewer_->setViewImages(true);

    Panel1_ = new QLabel(central);
    Panel1_->setTextFormat(Qt::PlainText);
    Panel1_->setContentsMargins(4, 2, 4, 2);

    layout->addWidget(Panel2);
    layout->addWidget(Viewer_, 1);
    layout->addWidget(Panel1_);
    setCentralWidget(central);
    resize(760, 560);

    connect(btnClose_, &QPushButton::clicked, this, &QWidget::close);
    // Close is also the Cancel button: Escape closes the window.
    auto* cancel = new QAction(this);
    cancel->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(cancel, &QAction::triggered, this, &QWidget::close);
    addAction(cancel);
    connect(Reload_, &QPushButton::clicked, this, &TfPreview::ReloadClick);
    connect(BackButton_, &QPushButton::clicked, this, &TfPreview::BackButtonClick);
    connect(FwdButton_, &QPushButton::clicked, this, &TfPreview::FwdButtonClick);
    Viewer_->OnHistoryChange = [this] { HistoryChange(); };
    Viewer_->OnHotSpotCovered = [this](const QString& link) { Panel1_->setText(link); };
    Viewer_->OnHotSpotClick = [this](const QString& link, bool& handled) { HotSpotClick(link, handled); };
    connect(Viewer_, &HtmlViewer::loadFinished, this, [this] { updateCaption(); });
    createMenus();
}

TfPreview::~TfPreview() = default;

void TfPreview::createMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    // F3 belongs to Open; Find has it too in the menu, but Open takes the key.
    file->addAction(tr("&Open"), QKeySequence(Qt::Key_F3), this, &TfPreview::Open1Click);
    Print1_ = file->addAction(tr("&Print..."), this, &TfPreview::Print1Click);
    Print1_->setEnabled(false);
    file->addAction(tr("E&xit"), this, &QWidget::close);
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(tr("&Find") + QStringLiteral("\tF3"), this, &TfPreview::Find1Click);
    QMenu* options = menuBar()->addMenu(tr("&Options"));
    ShowImages1_ = options->addAction(tr("&Show images"), this, &TfPreview::ShowImages1Click);
    ShowImages1_->setCheckable(true);
    ShowImages1_->setChecked(true);
    options->addAction(tr("Default &Font/Colors..."), this, &TfPreview::DefaultFontColors1Click);
    History1_ = menuBar()->addMenu(tr("&History"));
    HistoryMenuItem_ = History1_->menuAction();
    HistoryMenuItem_->setVisible(false);
    for (int i = 0; i < int(historyItems_.size()); ++i) {
        QAction* a = History1_->addAction(QString(), this, [this, i] { Viewer_->setHistoryIndex(i); });
        a->setCheckable(true);
        a->setVisible(false);
        historyItems_[size_t(i)] = a;
    }
    menuBar()->addAction(tr("&About"), this, [this] {
        if (about_) about_();
    });
}

void TfPreview::showEvent(QShowEvent* e) {
    Prefs.Load();
    Prefs.RestorePlacement("FORM_PLACE", *this);
    QMainWindow::showEvent(e);
    if (!shownOnce_) {
        shownOnce_ = true;
        if (!startFile_.isEmpty()) Viewer_->LoadFromFile(startFile_);
    }
}

void TfPreview::closeEvent(QCloseEvent* e) {
    Prefs.SavePlacement("FORM_PLACE", *this);
    Prefs.Save();
    QMainWindow::closeEvent(e);
}

void TfPreview::previewFile(const QString& fileName) {
    show();
    raise();
    activateWindow();
    Viewer_->LoadFromFile(fileName);
}

void TfPreview::updateCaption() {
    const QString title = Viewer_->DocumentTitle();
    setWindowTitle(QString::fromUtf8(kCaption) + QStringLiteral(" : ") + title);
}

void TfPreview::Open1Click() {
    Prompter::FileRequest r;
    r.filter = QStringLiteral("html files|*.htm;*.html|all files|*.*");
    r.defaultExt = QStringLiteral("htm");
    r.initialDir = Viewer_->CurrentFile().isEmpty() ? qs(paths::dataDir().string())
                                                    : QFileInfo(Viewer_->CurrentFile()).absolutePath();
    const QStringList files = Prompter::current().openFiles(r);
    if (files.isEmpty()) return;
    Viewer_->LoadFromFile(files.first());
    const bool shown = !Viewer_->CurrentFile().isEmpty();
    Reload_->setEnabled(shown);
    Print1_->setEnabled(shown);
}

void TfPreview::ReloadClick() {
    const int y = Viewer_->ScrollPosition();
    Viewer_->Reload();
    Viewer_->setScrollPosition(y);
}

void TfPreview::BackButtonClick() { Viewer_->setHistoryIndex(Viewer_->HistoryIndex() + 1); }
void TfPreview::FwdButtonClick() { Viewer_->setHistoryIndex(Viewer_->HistoryIndex() - 1); }

void TfPreview::HistoryChange() {
    const int index = Viewer_->HistoryIndex();
    const QStringList& h = Viewer_->History();
    FwdButton_->setEnabled(index > 0);
    BackButton_->setEnabled(index < h.size() - 1);
    HistoryMenuItem_->setVisible(!h.isEmpty());
    for (int i = 0; i < int(historyItems_.size()); ++i) {
        QAction* a = historyItems_[size_t(i)];
        a->setVisible(i < h.size());
        if (i < h.size()) a->setText(h[i]);
        a->setChecked(i == index);
    }
    Print1_->setEnabled(!Viewer_->CurrentFile().isEmpty());
    updateCaption();
}

void TfPreview::HotSpotClick(const QString& link, bool& handled) {
    Edit1_->setText(link);
    const preview::LinkAction a = preview::classifyLink(link.toStdString());
    switch (a.kind) {
    case preview::LinkKind::Web: {
        // The preview is no browser: addresses open in the desktop's own.
        handled = true;
        const QUrl url(link);
        if (isWebAddress(url)) QDesktopServices::openUrl(url);
        return;
    }
    case preview::LinkKind::LocalFile:
        return;
    case preview::LinkKind::Sound:
        handled = true;
        SoundPlayer::current().playFile(Viewer_->ExpandFileName(qs(a.target)));
        return;
    case preview::LinkKind::Program: {
        // A page never starts a program by itself: the user is asked, and
        // the parameters go to it as arguments, never through a shell.
        handled = true;
        const QString program = Viewer_->ExpandFileName(qs(a.target));
        const QFileInfo info(program);
        if (!info.isFile() || !info.isExecutable()) return;
        const QString question = QStringLiteral("Start program ") + program + qs(a.parameters) + QStringLiteral(" ?");
        if (Prompter::current().confirm(QString::fromUtf8(kCaption), question, Prompter::Yes | Prompter::No,
                                        Prompter::No) != Prompter::Yes)
            return;
        Launcher::current().start(program, QProcess::splitCommand(qs(a.parameters).trimmed()), info.absolutePath());
        return;
    }
    }
}

void TfPreview::ShowImages1Click() {
    Viewer_->setViewImages(!Viewer_->ViewImages());
    ShowImages1_->setChecked(Viewer_->ViewImages());
}

void TfPreview::DefaultFontColors1Click() {
    // The choices hold for this window only; the dialog keeps just its placement.
    TFontForm form(this);
    options::FontFormValues v;
    v.fontName = Viewer_->DefFontName().toStdString();
    v.fontSize = Viewer_->DefFontSize();
    v.fontColor = options::ColorValue(colorNumber(Viewer_->DefFontColor()));
    v.linkColor = options::ColorValue(colorNumber(Viewer_->DefHotSpotColor()));
    v.background = options::ColorValue(colorNumber(Viewer_->DefBackground()));
    form.setValues(v);
    if (form.exec() != QDialog::Accepted) return;
    const options::FontFormValues& chosen = form.values();
    Viewer_->setDefFontName(QString::fromStdString(chosen.fontName));
    Viewer_->setDefFontSize(chosen.fontSize);
    Viewer_->setDefFontColor(TFontForm::colorOf(chosen.fontColor));
    Viewer_->setDefHotSpotColor(TFontForm::colorOf(chosen.linkColor));
    Viewer_->setDefBackground(TFontForm::colorOf(chosen.background));
    if (!Viewer_->CurrentFile().isEmpty()) ReloadClick();
}

void TfPreview::Print1Click() {
    if (Viewer_->CurrentFile().isEmpty()) return;
    QPrinter& printer = printer_ ? *printer_ : sharedPrinter();
    Prompter::PrintRequest r;
    r.pageRangeAllowed = true;
    r.minPage = 1;
    r.maxPage = 9999;
    if (!Prompter::current().print(printer, r) || !choosePdfWithoutPrinter(printer)) return;
    const bool range = printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0;
    if (!Viewer_->PrintPages(printer, range ? printer.fromPage() : 1, range ? printer.toPage() : 9999))
        Prompter::current().message(QString::fromUtf8(kCaption), tr("The page could not be printed."),
                                    Prompter::Icon::Warning);
}

void TfPreview::Find1Click() {
    QDialog dlg(this);
    dlg.setWindowTitle(tr("Find"));
    auto* text = new QLineEdit(lastFind_, &dlg);
    auto* matchCase = new QCheckBox(tr("Match &case"), &dlg);
    matchCase->setChecked(lastFindCase_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dlg);
    auto* l = new QVBoxLayout(&dlg);
    l->addWidget(text);
    l->addWidget(matchCase);
    l->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    if (dlg.exec() != QDialog::Accepted) return;
    findText(text->text(), matchCase->isChecked());
}

bool TfPreview::findText(const QString& text, bool matchCase) {
    lastFind_ = text;
    lastFindCase_ = matchCase;
    if (Viewer_->FindInDocument(text, matchCase)) return true;
    Prompter::current().message(QString::fromUtf8(kCaption),
                                QStringLiteral("Unable to find \"") + text + QStringLiteral("\""));
    return false;
}
