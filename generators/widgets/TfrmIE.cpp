#include "TfrmIE.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include "DisplayText.h"
#include "Help.h"
#include "Prompter.h"
#include "Sound.h"
#include "WizardParts.h"

using namespace wizardparts;

namespace {

QRadioButton* radio(const char* name, const QString& caption, QWidget* parent) {
    auto* r = new QRadioButton(caption, parent);
    r->setObjectName(QString::fromLatin1(name));
    return r;
}

QGroupBox* group(const QString& title, const QList<QRadioButton*>& buttons, QWidget* parent) {
    auto* g = new QGroupBox(title, parent);
    auto* v = new QVBoxLayout(g);
    for (QRadioButton* b : buttons) v->addWidget(b);
    buttons.first()->setChecked(true);
    return g;
}

}  // namespace

TfrmIE::TfrmIE(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmIE"));
    setWindowTitle(QStringLiteral("Microsoft Internet Explorer Extensions"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setModal(false);

    Notebook = new QTabWidget(this);
    Notebook->setObjectName(QStringLiteral("Notebook"));
    Notebook->setTabPosition(QTabWidget::South);

    auto* sounds = new QWidget(Notebook);
    tSound = lineEdit("tSound", QString(), sounds);
    tSound->setToolTip(QStringLiteral("Enter a path to your sound file or use the Browser"));
    spnSoundReps = spinBox("spnSoundReps", 1, 0, kMaxRepetitions, sounds);
    spnSoundReps->setToolTip(QStringLiteral("No of Repetitions (0 for Infinite)"));
    btnBrowse = button("btnBrowse", QStringLiteral("&Browse ..."), sounds);
    btnBrowse->setToolTip(QStringLiteral("Browse for a Sound File"));
    btnUpper = button("btnUpper", QStringLiteral("&UpperCase"), sounds);
    btnLower = button("btnLower", QStringLiteral("&LowerCase"), sounds);
    btnSlash = button("btnSlash", QStringLiteral("Change &\\ to /"), sounds);
    MediaPlayer1 = buildPlayer(sounds);
    addPage(Notebook, QStringLiteral("Sounds"), sounds,
            {label(QStringLiteral("Sound File"), sounds, tSound), tSound, row({btnBrowse, btnUpper, btnLower, btnSlash}),
             row({label(QStringLiteral("No of Repetitions"), sounds, spnSoundReps), spnSoundReps}), MediaPlayer1});

    auto* marquees = new QWidget(Notebook);
    tMarquee = lineEdit("tMarquee", QStringLiteral("Quillmar Pro Sample Text"), marquees);
    tMarquee->setToolTip(QStringLiteral("Enter the text to scroll"));
    btnMScroll = radio("btnMScroll", QStringLiteral("Scroll"), marquees);
    btnMSlide = radio("btnMSlide", QStringLiteral("Slide"), marquees);
    btnMAlternate = radio("btnMAlternate", QStringLiteral("Alternate"), marquees);
    btnMLeft = radio("btnMLeft", QStringLiteral("Left"), marquees);
    btnMRight = radio("btnMRight", QStringLiteral("Right"), marquees);
    QGroupBox* behaviour = group(QStringLiteral("Behaviour"), {btnMScroll, btnMSlide, btnMAlternate}, marquees);
    QGroupBox* direction = group(QStringLiteral("Direction"), {btnMLeft, btnMRight}, marquees);
    spnMarqueeWidth = spinBox("spnMarqueeWidth", 100, 1, 100, marquees);
    spnMarqueeWidth->setSingleStep(5);
    addPage(Notebook, QStringLiteral("Marquees"), marquees,
            {label(QStringLiteral("Marquee Text"), marquees, tMarquee), tMarquee, row({behaviour, direction}),
             row({label(QStringLiteral("Percentage of Screen Width to Use"), marquees, spnMarqueeWidth),
                  spnMarqueeWidth})});
    focusPagesOnSelect(Notebook);

    OKBtn = new QPushButton(QStringLiteral("To &Document"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn = button("CancelBtn", QStringLiteral("&Close"), this);
    HelpBtn = button("HelpBtn", QStringLiteral("&Help"), this);
    layOutNotebookDialog(this, Notebook, {OKBtn, CancelBtn, HelpBtn});

    connect(btnBrowse, &QPushButton::clicked, this, &TfrmIE::btnBrowseClick);
    connectNameButtons(tSound, btnUpper, btnLower, btnSlash);
    connect(OKBtn, &QPushButton::clicked, this, &TfrmIE::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::close);
    connect(HelpBtn, &QPushButton::clicked, this, &TfrmIE::HelpBtnClick);
}

// The player's buttons act on the file named in the sound field. A single
// file has no tracks to move between, so next, previous, step and back are
// shown but never enabled.
QWidget* TfrmIE::buildPlayer(QWidget* parent) {
    auto* bar = new QWidget(parent);
    bar->setObjectName(QStringLiteral("MediaPlayer1"));
    auto* h = new QHBoxLayout(bar);
    h->setContentsMargins(0, 0, 0, 0);
    const struct {
        const char* name;
        QStyle::StandardPixmap icon;
        const char* hint;
    } buttons[] = {
        {"btnPlay", QStyle::SP_MediaPlay, "Play"},          {"btnPause", QStyle::SP_MediaPause, "Pause"},
        {"btnStop", QStyle::SP_MediaStop, "Stop"},          {"btnNext", QStyle::SP_MediaSkipForward, "Next"},
        {"btnPrev", QStyle::SP_MediaSkipBackward, "Previous"}, {"btnStep", QStyle::SP_MediaSeekForward, "Step"},
        {"btnBack", QStyle::SP_MediaSeekBackward, "Back"},
    };
    for (const auto& b : buttons) {
        QPushButton* p = button(b.name, QString(), bar);
        p->setIcon(style()->standardIcon(b.icon));
        p->setToolTip(QString::fromLatin1(b.hint));
        h->addWidget(p);
        const QString name = QString::fromLatin1(b.name);
        if (name == QLatin1String("btnPlay"))
            connect(p, &QPushButton::clicked, this, [this] { SoundPlayer::current().playFile(tSound->text()); });
        else if (name == QLatin1String("btnPause"))
            connect(p, &QPushButton::clicked, this, [] { SoundPlayer::current().pause(); });
        else if (name == QLatin1String("btnStop"))
            connect(p, &QPushButton::clicked, this, [] { SoundPlayer::current().stop(); });
        else
            p->setEnabled(false);
    }
    h->addStretch();
    return bar;
}

QString TfrmIE::soundTag() const {
    return displaytext::decode(HTMLWrite.BackgroundSoundTag(displaytext::encode(tSound->text()),
                                                            std::uint8_t(spnSoundReps->value())));
}

QString TfrmIE::marqueeTag() const {
    THTMLWriter::Marquee m;  // the dialog's fixed attributes
    m.height = 20;
    m.width = -spnMarqueeWidth->value();
    m.scrollAmount = 5;
    m.scrollDelay = 1;
    m.behaviour = btnMSlide->isChecked() ? 1 : btnMAlternate->isChecked() ? 2 : 0;
    m.direction = btnMRight->isChecked() ? 1 : 0;
    return displaytext::decode(HTMLWrite.MarqueeTag(displaytext::encode(tMarquee->text()), m));
}

void TfrmIE::btnBrowseClick() {
    Prompter::FileRequest request;
    request.caption = QStringLiteral("Open a Sound File");
    request.filter = QStringLiteral(
        "All Sound Files|*.au;*.wav|Wave Files (*.wav)|*.wav|Audio Files (*.au)|*.au|All Files (*.*)|*.*");
    const QStringList files = Prompter::current().openFiles(request);
    if (files.isEmpty()) return;
    // Linux names keep their case: the path is taken as chosen.
    tSound->setText(files.first());
}

void TfrmIE::OKBtnClick() {
    const QString tag = Notebook->currentIndex() == SoundsPage ? soundTag() : marqueeTag();
    if (insert_) insert_(tag, QString());
    close();
}

void TfrmIE::HelpBtnClick() { HelpSystem::current().showContext(kHelpContext); }

void TfrmIE::done(int result) {
    SoundPlayer::current().stop();
    QDialog::done(result);
}
