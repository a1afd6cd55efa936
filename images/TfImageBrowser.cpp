#include "TfImageBrowser.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <algorithm>
#include <cmath>
#include <QVBoxLayout>

#include "Application.h"
#include "DurableFile.h"
#include "Help.h"
#include "ImageInfo.h"
#include "ImgTag.h"
#include "PcxImage.h"

namespace {

const char* const kInfoLabels[8] = {"Height",      "Width",     "Bits per Pixel", "Planes",
                                    "Num of Colors", "File Type", "Compression",    "Size (bytes)"};

const QString kFilter = QStringLiteral(
    "All Media (*.bmp *.cms *.gif *.jpg *.jpeg *.pcx *.png *.rtf *.scm *.tif *.tiff *.webp *.svg *.wav *.mid *.rmi "
    "*.avi *.mov);;BMP (*.bmp);;CMS (*.cms);;GIF (*.gif);;JPG (*.jpg *.jpeg);;PCX (*.pcx);;PNG (*.png);;SCM "
    "(*.scm);;TIF (*.tif *.tiff);;WebP (*.webp);;SVG (*.svg);;Wav (*.wav);;Mid (*.mid);;RMI (*.rmi);;AVI "
    "(*.avi);;Mov (*.mov)");

// Images larger than this are not decoded for the little preview.
constexpr std::uint64_t kImageLimit = 256ull << 20;

QSpinBox* spin(QWidget* parent, const char* name, int max, int value, const QString& hint) {
    auto* s = new QSpinBox(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(0, max);
    s->setValue(value);
    s->setToolTip(hint);
    s->setStatusTip(hint);
    return s;
}

}  // namespace

TfImageBrowser::TfImageBrowser(QWidget* parent) : QDialog(parent), Prefs("quilopt.ini", "Image Browser") {
    setObjectName(QStringLiteral("fImageBrowser"));
    setWindowTitle(QStringLiteral("Image Browser"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setModal(false);

    auto button = [this](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    txtImageName = new QLineEdit(QStringLiteral("Image Name"), this);
    txtImageName->setObjectName(QStringLiteral("txtImageName"));
    btnBrowse = button(QStringLiteral("&Browse ..."), "btnBrowse");
    chkslash = new QCheckBox(QStringLiteral("Change \"\\\" to \"/\""), this);
    chkslash->setObjectName(QStringLiteral("chkslash"));
    chkslash->setChecked(true);
    btnUpper = button(QStringLiteral("&Upper Case"), "btnUpper");
    btnLower = button(QStringLiteral("&Lower Case"), "btnLower");
    oH = spin(this, "oH", 99999999, 0, QStringLiteral("Set Height (leave at 0 to exclude)"));
    oW = spin(this, "oW", 99999999, 0, QStringLiteral("Set Width (leave at 0 to exclude)"));
    spnBorder = spin(this, "spnBorder", 50, 1, QStringLiteral("Set Border Size"));

    auto* nameGroup = new QGroupBox(QStringLiteral("Paste Image Name as ..."), this);
    auto* nameLayout = new QVBoxLayout(nameGroup);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(txtImageName, 1);
    nameRow->addWidget(btnBrowse);
    nameLayout->addLayout(nameRow);
    auto* caseRow = new QHBoxLayout;
    caseRow->addWidget(chkslash);
    caseRow->addStretch();
    caseRow->addWidget(btnUpper);
    caseRow->addWidget(btnLower);
    nameLayout->addLayout(caseRow);
    auto* sizes = new QHBoxLayout;
    for (auto [label, box] : {std::pair{"Height", oH}, {"Width", oW}, {"Border Size", spnBorder}}) {
        sizes->addWidget(new QLabel(QString::fromLatin1(label), nameGroup));
        sizes->addWidget(box);
    }
    nameLayout->addLayout(sizes);

    auto* infoGroup = new QGroupBox(QStringLiteral("Image Information"), this);
    auto* infoForm = new QFormLayout;
    for (int i = 0; i < 8; ++i) {
        info[i] = new QLineEdit(QStringLiteral("N/A"), infoGroup);
        info[i]->setReadOnly(true);
        infoForm->addRow(QString::fromLatin1(kInfoLabels[i]), info[i]);
    }
    PImage = new QLabel(infoGroup);
    PImage->setObjectName(QStringLiteral("PImage"));
    PImage->setFixedSize(kPreviewWidth, kPreviewHeight);
    PImage->setAlignment(Qt::AlignCenter);
    PImage->setWordWrap(true);
    PImage->setAutoFillBackground(true);
    PImage->setBackgroundRole(QPalette::Button);
    auto* infoLayout = new QHBoxLayout(infoGroup);
    infoLayout->addLayout(infoForm, 1);
    infoLayout->addWidget(PImage, 0, Qt::AlignTop);

    btnOK = button(QStringLiteral("&OK"), "btnOK");
    btnOK->setDefault(true);
    btnClose = button(QStringLiteral("&Close"), "btnClose");
    btnHelp = button(QStringLiteral("&Help"), "btnHelp");
    auto* foot = new QHBoxLayout;
    foot->addStretch();
    foot->addWidget(btnOK);
    foot->addWidget(btnClose);
    foot->addWidget(btnHelp);

    auto* top = new QVBoxLayout(this);
    top->addWidget(nameGroup);
    top->addWidget(infoGroup);
    top->addLayout(foot);

    auto wire = [this](QPushButton* b, void (TfImageBrowser::*handler)()) {
        connect(b, &QPushButton::clicked, this, [this, handler] { dispatch([&] { (this->*handler)(); }); });
    };
    wire(btnBrowse, &TfImageBrowser::btnBrowseClick);
    wire(btnUpper, &TfImageBrowser::btnUpperClick);
    wire(btnLower, &TfImageBrowser::btnLowerClick);
    wire(btnOK, &TfImageBrowser::btnOKClick);
    wire(btnHelp, &TfImageBrowser::btnHelpClick);
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
}

void TfImageBrowser::btnBrowseClick() {
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open File"), QString(), kFilter);
    if (!path.isEmpty()) loadImage(path);
}

bool TfImageBrowser::loadImage(const QString& path) {
    // The name as chosen: on a file system that tells cases apart a
    // lower-cased name would point at no file (Lower Case is a click away).
    txtImageName->setText(path);
    const durable::ReadResult file = durable::readFile(path.toStdString(), kImageLimit);
    const std::optional<ImageInfo> facts = file ? readImageInfo(file.bytes) : std::nullopt;
    const QImage image = file ? decodeImage(QByteArray::fromStdString(file.bytes)) : QImage();
    // SVG has no header of sizes: its drawing gives them.
    std::optional<ImageInfo> shown = facts;
    if (!shown && !image.isNull() && path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        ImageInfo svg;
        svg.width = image.width();
        svg.height = image.height();
        svg.bitsPerPixel = 32;
        svg.planes = 1;
        svg.colors = 16777216;
        svg.fileType = "SVG";
        svg.compression = "None";
        svg.sizeBytes = file.bytes.size();
        shown = svg;
    }
    if (!shown || image.isNull()) {
        for (QLineEdit* field : info) field->clear();
        showError(QString::fromStdString(imageErrorText(path.toStdString())));
        return false;
    }
    const ImageInfo& i = *shown;
    const QString values[8] = {QString::number(i.height),       QString::number(i.width),
                               QString::number(i.bitsPerPixel), QString::number(i.planes),
                               QString::number(i.colors),       QString::fromStdString(i.fileType),
                               QString::fromStdString(i.compression), QString::number(i.sizeBytes)};
    for (int n = 0; n < 8; ++n) info[n]->setText(values[n]);
    oW->setValue(static_cast<int>(std::min<std::int64_t>(i.width, oW->maximum())));
    oH->setValue(static_cast<int>(std::min<std::int64_t>(i.height, oH->maximum())));

    // The longer side fills the square, the shorter keeps the proportion.
    const int side = kPreviewHeight;
    const double w = image.width(), h = image.height();
    const QSize fitted = w >= h ? QSize(side, std::max(1, int(std::lround(side * h / w))))
                                : QSize(std::max(1, int(std::lround(side * w / h))), side);
    PImage->setPixmap(QPixmap::fromImage(image.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    return true;
}

void TfImageBrowser::showError(const QString& text) {
    PImage->setPixmap(QPixmap());
    PImage->setText(text);
}

void TfImageBrowser::btnUpperClick() { txtImageName->setText(txtImageName->text().toUpper()); }
void TfImageBrowser::btnLowerClick() { txtImageName->setText(txtImageName->text().toLower()); }

void TfImageBrowser::btnOKClick() {
    if (!inserter_) return;
    ImgTagFields f;
    f.name = txtImageName->text().toStdString();
    f.slashes = chkslash->isChecked();
    f.width = oW->value();
    f.height = oH->value();
    f.border = spnBorder->value();
    const auto [start, end] = imgTagPair(f);
    inserter_(QString::fromStdString(start), QString::fromStdString(end));
}

void TfImageBrowser::btnHelpClick() { HelpSystem::current().showContext(kHelpContext); }

void TfImageBrowser::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) dispatch([this] {
        Prefs.Load();
        Prefs.RestorePlacement("FORM_PLACE", *this);
    });
}

void TfImageBrowser::closeEvent(QCloseEvent* e) {
    dispatch([this] {
        Prefs.SavePlacement("FORM_PLACE", *this);
        Prefs.Save();
    });
    QDialog::closeEvent(e);
}
