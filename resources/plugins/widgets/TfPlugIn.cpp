#include "TfPlugIn.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "Application.h"
#include "Help.h"
#include "Paths.h"
#include "Prompter.h"

namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

}  // namespace

TfPlugIn::TfPlugIn(QWidget* parent) : TfToolWindow(QStringLiteral("Quillmar Plug Ins"), "Plug Ins", parent, Qt::Tool) {
    setObjectName(QStringLiteral("fPlugIn"));
    lstPFiles = new QComboBox(this);
    lstPFiles->setObjectName(QStringLiteral("lstPFiles"));
    lstPFiles->setToolTip(QStringLiteral("Select a Plug In file to display"));
    lPlug = new PickTree({0.35, 0.75}, this);
    lPlug->setObjectName(QStringLiteral("lPlug"));
    lPlug->setHeaderLabels({QStringLiteral("Description"), QStringLiteral("Insert Left"), QStringLiteral("Insert Right")});
    const QString hint = QStringLiteral("Double Click or Drag & Drop to Insert HTML Tag");
    lPlug->setToolTip(hint);
    lPlug->setStatusTip(hint);

    auto button = [this](const QString& caption, const char* name, auto handler) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, [handler] { dispatch(handler); });
        return b;
    };
    OKBtn = button(QStringLiteral("&Insert"), "OKBtn", [this] { OKBtnClick(); });
    btnRefresh = button(QStringLiteral("&Refresh List"), "btnRefresh", [this] { SetListBox(); });
    btnRefresh->setToolTip(QStringLiteral("Refresh list of Plug In Files"));
    CloseBtn = button(QStringLiteral("&Close"), "CloseBtn", [this] { close(); });
    HelpBtn = button(QStringLiteral("&Help"), "HelpBtn", [this] { HelpBtnClick(); });

    QMenu* refresh = menuBar()->addMenu(QStringLiteral("&Refresh"));
    Rescan1 = refresh->addAction(QStringLiteral("&Rescan for PlugIn Files"));
    connect(Rescan1, &QAction::triggered, this, [this] { dispatch([this] { SetListBox(); }); });

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {OKBtn, btnRefresh, CloseBtn, HelpBtn}) buttons->addWidget(b);
    body()->addWidget(lstPFiles);
    body()->addWidget(lPlug);
    body()->addLayout(buttons);
    resize(560, 340);

    connect(lstPFiles, &QComboBox::activated, this, [this] { dispatch([this] { GetCommands(); }); });
    connect(lPlug, &QTreeWidget::itemDoubleClicked, this, [this] { dispatch([this] { OKBtnClick(); }); });
    lPlug->pressed = [this] { StartDrag(); };

    fillCommands(plugins::sampleCommands());
    SetListBox();
}

void TfPlugIn::fillCommands(const plugins::Lines& lines) {
    lPlug->clear();
    for (const std::string& line : lines) {
        const plugins::Command c = plugins::splitCommand(line);
        auto* item = new QTreeWidgetItem(lPlug);
        item->setText(0, text(plugins::descriptionOf(line)));
        item->setText(1, text(c.start));
        item->setText(2, text(c.end));
        PickTree::setBytes(item, QByteArray(line.data(), qsizetype(line.size())));
    }
}

void TfPlugIn::SetListBox() {
    const plugins::FileList files = plugins::chooseFiles(plugins::findPluginFiles(paths::dataDir().string()));
    if (files.names.empty()) return;
    lstPFiles->clear();
    for (const std::string& name : files.names) lstPFiles->addItem(text(name));
    lstPFiles->setCurrentText(text(files.selected));
    GetCommands();
}

void TfPlugIn::GetCommands() {
    const std::string path = paths::dataFile(lstPFiles->currentText().toStdString()).string();
    const plugins::ReadResult r = plugins::readPluginFile(path);
    fillCommands(r.commands);
    if (!r.ok) Prompter::current().message(windowTitle(), text(r.message), Prompter::Icon::Critical);
}

bool TfPlugIn::selectedCommand(QString& start, QString& end) const {
    const QTreeWidgetItem* item = lPlug->selectedEntry();
    if (!item) return false;
    const plugins::Command c = plugins::splitCommand(PickTree::bytesOf(item).toStdString());
    start = text(c.start);
    end = text(c.end);
    return true;
}

void TfPlugIn::OKBtnClick() {
    QString start, end;
    if (selectedCommand(start, end) && insertPair) insertPair(start, end);
}

void TfPlugIn::StartDrag() {
    QString start, end;
    if (selectedCommand(start, end) && setDragPair) setDragPair(start, end);
}

void TfPlugIn::HelpBtnClick() { HelpSystem::current().showContext(kHelpContext); }
