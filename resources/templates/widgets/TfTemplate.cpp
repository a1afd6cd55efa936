#include "TfTemplate.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QShowEvent>
#include <QStackedWidget>
#include <QTabBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "Application.h"
#include "Help.h"
#include "Prompter.h"
#include "Templates.h"

namespace {

QString qs(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

QString joined(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& line : lines) out << qs(line);
    return out.join(QLatin1Char('\n'));
}

QPlainTextEdit* readOnlyText(QWidget* parent, const char* name) {
    auto* text = new QPlainTextEdit(parent);
    text->setObjectName(QString::fromLatin1(name));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(QFont(QStringLiteral("Courier New"), 9));
    return text;
}

// The (filter label, mask) pairs of the file-type box.
QList<QPair<QString, QString>> fileTypes() {
    const QStringList parts = QString::fromLatin1(templates::kFileTypes).split(QLatin1Char('|'));
    QList<QPair<QString, QString>> types;
    for (int i = 0; i + 1 < parts.size(); i += 2) types.append({parts[i], parts[i + 1]});
    return types;
}

}  // namespace

TfTemplate::TfTemplate(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fTemplate"));
    setWindowTitle(QStringLiteral("Quillmar Templates"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    pages = new QStackedWidget(this);
    QPlainTextEdit** texts[] = {&mSimple, &mColor, &mGraph, &mFrames};
    for (int i = 0; i < 4; ++i) pages->addWidget(makeBuiltInPage(i, *texts[i]));
    pages->addWidget(makeUserPage());

    // FormCreate: the tab strip takes the five page captions.
    TabSet = new QTabBar(this);
    TabSet->setObjectName(QStringLiteral("TabSet"));
    TabSet->setShape(QTabBar::RoundedSouth);
    for (const templates::BuiltIn& page : templates::builtIns()) TabSet->addTab(QString::fromLatin1(page.tab));
    TabSet->addTab(QString::fromLatin1(templates::kUserTab));

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    HelpBtn = new QPushButton(QStringLiteral("&Help"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    HelpBtn->setObjectName(QStringLiteral("HelpBtn"));
    OKBtn->setDefault(true);

    auto* foot = new QHBoxLayout;
    foot->addWidget(TabSet);
    foot->addStretch();
    foot->addWidget(OKBtn);
    foot->addWidget(CancelBtn);
    foot->addWidget(HelpBtn);
    auto* top = new QVBoxLayout(this);
    top->addWidget(pages, 1);
    top->addLayout(foot);
    resize(760, 480);

    connect(TabSet, &QTabBar::currentChanged, this, [this](int i) { dispatch([&] { TabSetClick(i); }); });
    connect(OKBtn, &QPushButton::clicked, this, [this] { dispatch([&] { OKBtnClick(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { dispatch([&] { CancelBtnClick(); }); });
    connect(HelpBtn, &QPushButton::clicked, this, [this] { dispatch([&] { HelpBtnClick(); }); });
}

QWidget* TfTemplate::makeBuiltInPage(int index, QPlainTextEdit*& text) {
    static const char* const names[] = {"mSimple", "mColor", "mGraph", "mFrames"};
    const templates::BuiltIn& tpl = templates::builtIns()[size_t(index)];
    auto* box = new QGroupBox(QString::fromLatin1(tpl.group));
    text = readOnlyText(box, names[index]);
    text->setPlainText(joined(tpl.lines));
    auto* row = new QHBoxLayout(box);
    row->addWidget(text, 3);
    // The picture of the rendered page: the template itself, drawn as a
    // simple browser draws it (nothing is fetched). The frame set has none.
    if (index < 3) {
        auto* picture = new QTextBrowser(box);
        picture->setObjectName(QStringLiteral("picture"));
        picture->setOpenLinks(false);
        picture->setHtml(text->toPlainText());
        // Qt's rich text takes the body's background but not its text colour.
        const QRegularExpressionMatch textColor =
            QRegularExpression(QStringLiteral("<body[^>]*\\stext=\"(#[0-9A-Fa-f]{6})\""),
                               QRegularExpression::CaseInsensitiveOption)
                .match(text->toPlainText());
        if (textColor.hasMatch()) {
            QPalette palette = picture->palette();
            palette.setColor(QPalette::Text, QColor(textColor.captured(1)));
            picture->setPalette(palette);
        }
        picture->setFocusPolicy(Qt::NoFocus);
        row->addWidget(picture, 2);
    }
    return box;
}

QWidget* TfTemplate::makeUserPage() {
    auto* page = new QWidget;
    folderLabel = new QLabel(page);
    folderLabel->setTextFormat(Qt::PlainText);
    DirectoryListBox = new QListWidget(page);
    DirectoryListBox->setObjectName(QStringLiteral("DirectoryListBox"));
    FilterComboBox = new QComboBox(page);
    FilterComboBox->setObjectName(QStringLiteral("FilterComboBox"));
    for (const auto& type : fileTypes()) FilterComboBox->addItem(type.first, type.second);
    FileListBox = new QListWidget(page);
    FileListBox->setObjectName(QStringLiteral("FileListBox"));
    Memo1 = readOnlyText(page, "Memo1");
    Memo1->setToolTip(QStringLiteral("The contents of the selected file are displayed here"));
    Memo1->setPlainText(QString());

    auto* lists = new QVBoxLayout;
    lists->addWidget(folderLabel);
    lists->addWidget(DirectoryListBox, 1);
    lists->addWidget(FileListBox, 1);
    lists->addWidget(FilterComboBox);
    auto* row = new QHBoxLayout(page);
    row->addLayout(lists, 2);
    row->addWidget(Memo1, 3);

    // A folder opens with a double-click, as in a directory list; a file
    // shows with one click.
    connect(DirectoryListBox, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        dispatch([&] { changeFolder(QDir(folder_).absoluteFilePath(item->text())); });
    });
    connect(FileListBox, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { dispatch([&] { UpdateMemo(item->text()); }); });
    connect(FilterComboBox, &QComboBox::currentIndexChanged, this,
            [this](int i) { dispatch([&] { fileTypeChanged(i); }); });
    return page;
}

void TfTemplate::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (folder_.isEmpty()) dispatch([this] { changeFolder(QDir::currentPath()); });
}

std::vector<std::string> TfTemplate::selectedLines() const {
    const int index = TabSet->currentIndex();
    if (index >= 0 && index < kUserPage) return templates::builtIns()[size_t(index)].lines;
    return memoLines_;
}

void TfTemplate::TabSetClick(int index) { pages->setCurrentIndex(index); }

void TfTemplate::changeFolder(const QString& folder) {
    folder_ = QDir::cleanPath(folder);
    folderLabel->setText(folder_);
    fillLists();
}

void TfTemplate::fileTypeChanged(int) { fillLists(); }

void TfTemplate::fillLists() {
    const std::filesystem::path dir = folder_.toStdString();
    DirectoryListBox->clear();
    for (const std::string& name : templates::subfolders(dir)) DirectoryListBox->addItem(qs(name));
    FileListBox->clear();
    const std::string mask = FilterComboBox->currentData().toString().toStdString();
    for (const std::string& name : templates::matchingFiles(dir, mask)) FileListBox->addItem(qs(name));
}

void TfTemplate::UpdateMemo(const QString& fileName) {
    const templates::FileText file = templates::readTemplate(QDir(folder_).absoluteFilePath(fileName).toStdString());
    if (!file) {
        Prompter::current().message(windowTitle(), qs(file.error), Prompter::Icon::Warning);
        return;
    }
    memoLines_ = file.lines;
    Memo1->setPlainText(joined(memoLines_));
}

void TfTemplate::OKBtnClick() {
    const std::vector<std::string> lines = selectedLines();
    accept();
    if (creator_) creator_(lines);
}

void TfTemplate::CancelBtnClick() { reject(); }

void TfTemplate::HelpBtnClick() { HelpSystem::current().showContext(kHelpContext); }
