#include "TfImageMapWiz.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "DurableFile.h"
#include "PcxImage.h"
#include "Prompter.h"
#include "WizardParts.h"

using imagemap::Shape;
using namespace wizardparts;

namespace {

constexpr std::uint64_t kImageLimit = 256ull << 20;
constexpr int kCloseDistance = 6;  // a click this near the first point closes a polygon

QString shapeText(Shape s) {
    switch (s) {
    case Shape::Rect: return QStringLiteral("Rectangle");
    case Shape::Circle: return QStringLiteral("Circle");
    case Shape::Poly: return QStringLiteral("Polygon");
    }
    return {};
}

QPainterPath outline(Shape s, const std::vector<int>& c) {
    QPainterPath path;
    if (s == Shape::Rect && c.size() == 4) {
        path.addRect(QRectF(QPointF(c[0], c[1]), QPointF(c[2], c[3])));
    } else if (s == Shape::Circle && c.size() == 3) {
        path.addEllipse(QPointF(c[0], c[1]), c[2], c[2]);
    } else if (c.size() >= 4) {
        path.moveTo(c[0], c[1]);
        for (std::size_t i = 2; i + 1 < c.size(); i += 2) path.lineTo(c[i], c[i + 1]);
        if (s == Shape::Poly && c.size() >= 6) path.closeSubpath();
    }
    return path;
}

// A line that shows on light and dark pictures alike: dark under light.
void drawOutline(QPainter& p, const QPainterPath& path, const QColor& colour, Qt::PenStyle style = Qt::SolidLine) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 3, style));
    p.drawPath(path);
    p.setPen(QPen(colour, 1, style));
    p.drawPath(path);
}

}  // namespace

ImageMapCanvas::ImageMapCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("canvas"));
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
}

void ImageMapCanvas::setImage(const QImage& image) {
    image_ = image;
    pending_.clear();
    from_.reset();
    selected_ = -1;
    setFixedSize(sizeHint());
    update();
}

void ImageMapCanvas::setShape(Shape s) {
    shape_ = s;
    pending_.clear();
    from_.reset();
    update();
}

void ImageMapCanvas::setSelected(int index) {
    selected_ = index;
    update();
}

QSize ImageMapCanvas::sizeHint() const { return image_.isNull() ? QSize(320, 240) : image_.size(); }

void ImageMapCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Dark));
    if (image_.isNull()) {
        p.setPen(palette().color(QPalette::BrightText));
        p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, QStringLiteral("Load an image to draw its areas"));
        return;
    }
    p.drawImage(0, 0, image_);
    p.setRenderHint(QPainter::Antialiasing);
    if (areas_)
        for (int i = 0; i < int(areas_->size()); ++i) {
            const imagemap::Area& a = (*areas_)[std::size_t(i)];
            const QPainterPath path = outline(a.shape, a.coords);
            if (i == selected_) p.fillPath(path, QColor(255, 0, 0, 70));
            drawOutline(p, path, i == selected_ ? QColor(Qt::red) : QColor(Qt::yellow));
        }
    if (from_) {
        const QPoint d = to_ - *from_;
        const int r = int(std::lround(std::hypot(d.x(), d.y())));
        const std::vector<int> c = shape_ == Shape::Rect ? std::vector<int>{from_->x(), from_->y(), to_.x(), to_.y()}
                                                         : std::vector<int>{from_->x(), from_->y(), r};
        drawOutline(p, outline(shape_, c), Qt::cyan, Qt::DashLine);
    }
    if (!pending_.empty()) {
        std::vector<int> open = pending_;
        open.push_back(to_.x());
        open.push_back(to_.y());
        QPainterPath path;  // an open line up to the mouse
        path.moveTo(open[0], open[1]);
        for (std::size_t i = 2; i + 1 < open.size(); i += 2) path.lineTo(open[i], open[i + 1]);
        drawOutline(p, path, Qt::cyan, Qt::DashLine);
        p.setBrush(Qt::cyan);
        for (std::size_t i = 0; i + 1 < pending_.size(); i += 2) p.drawEllipse(QPoint(pending_[i], pending_[i + 1]), 2, 2);
    }
}

void ImageMapCanvas::mousePressEvent(QMouseEvent* e) {
    if (image_.isNull() || e->button() != Qt::LeftButton) return;
    const QPoint at = e->position().toPoint();
    to_ = at;
    if (shape_ != Shape::Poly) {
        from_ = at;
        return;
    }
    if (pending_.size() >= 6 && (at - QPoint(pending_[0], pending_[1])).manhattanLength() <= kCloseDistance) {
        finishPolygon();
        return;
    }
    pending_.push_back(at.x());
    pending_.push_back(at.y());
    update();
}

void ImageMapCanvas::mouseMoveEvent(QMouseEvent* e) {
    to_ = e->position().toPoint();
    if (from_ || !pending_.empty()) update();
}

void ImageMapCanvas::mouseReleaseEvent(QMouseEvent* e) {
    if (!from_ || e->button() != Qt::LeftButton) return;
    const QPoint a = *from_, b = e->position().toPoint();
    from_.reset();
    update();
    const QPoint d = b - a;
    // A click is no area: it needs some size.
    if (shape_ == Shape::Rect && std::abs(d.x()) >= 2 && std::abs(d.y()) >= 2 && drawn)
        drawn(Shape::Rect, {a.x(), a.y(), b.x(), b.y()});
    const int r = int(std::lround(std::hypot(d.x(), d.y())));
    if (shape_ == Shape::Circle && r >= 2 && drawn) drawn(Shape::Circle, {a.x(), a.y(), r});
}

void ImageMapCanvas::mouseDoubleClickEvent(QMouseEvent* e) {
    if (shape_ == Shape::Poly && e->button() == Qt::LeftButton) finishPolygon();
}

void ImageMapCanvas::keyPressEvent(QKeyEvent* e) {
    if (pending_.empty()) return QWidget::keyPressEvent(e);
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        finishPolygon();
    } else if (e->key() == Qt::Key_Escape) {
        pending_.clear();
        update();
    } else {
        return QWidget::keyPressEvent(e);
    }
    e->accept();
}

void ImageMapCanvas::finishPolygon() {
    std::vector<int> points;
    points.swap(pending_);
    update();
    if (points.size() >= 6 && drawn) drawn(Shape::Poly, std::move(points));
}

TfImageMapWiz::TfImageMapWiz(QWidget* parent) : QDialog(parent), Prefs("quilopt.ini", "Image Map Wizard") {
    setObjectName(QStringLiteral("fImageMapWiz"));
    setWindowTitle(QStringLiteral("Client Side Image Maps"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    setModal(false);

    edtImage = lineEdit("edtImage", QString(), this);
    edtImage->setToolTip(QStringLiteral("The image's name as the page refers to it"));
    btnLoad = button("btnLoad", QStringLiteral("&Load Image ..."), this);
    auto* imageRow = new QHBoxLayout;
    imageRow->addWidget(label(QStringLiteral("&Image"), this, edtImage));
    imageRow->addWidget(edtImage, 1);
    imageRow->addWidget(btnLoad);

    canvas = new ImageMapCanvas;
    canvas->setAreas(&areas_);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(canvas);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setMinimumSize(360, 260);
    lblHint = new QLabel(this);
    lblHint->setTextFormat(Qt::PlainText);
    lblHint->setWordWrap(true);

    auto* shapes = new QGroupBox(QStringLiteral("Shape"), this);
    optRect = new QRadioButton(QStringLiteral("&Rectangle"), shapes);
    optCircle = new QRadioButton(QStringLiteral("&Circle"), shapes);
    optPoly = new QRadioButton(QStringLiteral("&Polygon"), shapes);
    optRect->setChecked(true);
    auto* shapeRow = new QHBoxLayout(shapes);
    for (QRadioButton* r : {optRect, optCircle, optPoly}) {
        shapeRow->addWidget(r);
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (!on) return;
            canvas->setShape(chosenShape());
            showHint();
        });
    }

    edtName = lineEdit("edtName", QString(), this);
    edtName->setToolTip(QStringLiteral("The map's name (USEMAP=\"#name\")"));
    lstAreas = new QTableWidget(0, 4, this);
    lstAreas->setObjectName(QStringLiteral("lstAreas"));
    lstAreas->setHorizontalHeaderLabels(
        {QStringLiteral("Shape"), QStringLiteral("Coordinates"), QStringLiteral("Link (URL)"), QStringLiteral("Text")});
    for (int column : {int(ShapeColumn), int(CoordsColumn)})
        lstAreas->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    for (int column : {int(LinkColumn), int(TextColumn)})
        lstAreas->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Stretch);
    lstAreas->verticalHeader()->hide();
    lstAreas->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstAreas->setSelectionMode(QAbstractItemView::SingleSelection);
    lstAreas->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
    btnAdd = button("btnAdd", QStringLiteral("&Add Area"), this);
    btnAdd->setToolTip(QStringLiteral("Add an area of the chosen shape, to be placed by its coordinates"));
    btnDelete = button("btnDelete", QStringLiteral("&Delete Area"), this);

    auto* side = new QVBoxLayout;
    side->addWidget(shapes);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(label(QStringLiteral("Map &name"), this, edtName));
    nameRow->addWidget(edtName, 1);
    side->addLayout(nameRow);
    side->addWidget(label(QStringLiteral("A&reas"), this, lstAreas));
    side->addWidget(lstAreas, 1);
    side->addLayout(row({btnAdd, btnDelete}));

    auto* picture = new QVBoxLayout;
    picture->addWidget(scroll, 1);
    picture->addWidget(lblHint);
    auto* middle = new QHBoxLayout;
    middle->addLayout(picture, 3);
    middle->addLayout(side, 2);

    btnToDoc = new QPushButton(QStringLiteral("&To Document"), this);
    btnToDoc->setObjectName(QStringLiteral("btnToDoc"));
    btnToDoc->setDefault(true);
    btnRestart = button("btnRestart", QStringLiteral("R&estart"), this);
    btnCancel = button("btnCancel", QStringLiteral("Cancel"), this);
    auto* foot = new QHBoxLayout;
    foot->addStretch();
    for (QPushButton* b : {btnToDoc, btnRestart, btnCancel}) foot->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(imageRow);
    layout->addLayout(middle, 1);
    layout->addLayout(foot);
    resize(900, 580);

    canvas->drawn = [this](Shape s, std::vector<int> coords) {
        addArea(s, std::move(coords));
        // The link is what a new area needs next: type it at once.
        const int last = lstAreas->rowCount() - 1;
        lstAreas->setFocus();
        lstAreas->setCurrentCell(last, LinkColumn);
        lstAreas->editItem(lstAreas->item(last, LinkColumn));
    };
    connect(btnLoad, &QPushButton::clicked, this, &TfImageMapWiz::LoadClick);
    connect(btnToDoc, &QPushButton::clicked, this, &TfImageMapWiz::ToDocumentClick);
    connect(btnRestart, &QPushButton::clicked, this, &TfImageMapWiz::RestartClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::close);
    connect(btnAdd, &QPushButton::clicked, this, &TfImageMapWiz::AddAreaClick);
    connect(btnDelete, &QPushButton::clicked, this, &TfImageMapWiz::DeleteAreaClick);
    connect(lstAreas, &QTableWidget::cellChanged, this, &TfImageMapWiz::cellEdited);
    connect(lstAreas, &QTableWidget::currentCellChanged, this, [this](int row) { canvas->setSelected(row); });
    showHint();
}

Shape TfImageMapWiz::chosenShape() const {
    return optCircle->isChecked() ? Shape::Circle : optPoly->isChecked() ? Shape::Poly : Shape::Rect;
}

void TfImageMapWiz::showHint() {
    static const QString hints[] = {
        QStringLiteral("Drag from corner to corner to draw a rectangle."),
        QStringLiteral("Drag from the centre outwards to draw a circle."),
        QStringLiteral("Click each corner of the polygon; double-click, press Enter or click the first corner to "
                       "finish it (Escape drops it)."),
    };
    lblHint->setText(hints[int(chosenShape())]);
}

void TfImageMapWiz::message(const QString& text) { Prompter::current().message(windowTitle(), text); }

void TfImageMapWiz::LoadClick() {
    Prompter::FileRequest r;
    r.caption = QStringLiteral("Load Image");
    r.filter = QStringLiteral("Images|*.gif;*.jpg;*.jpeg;*.png;*.bmp;*.pcx;*.tif;*.tiff;*.webp;*.svg|All Files|*.*");
    r.initialDir = folder_ ? folder_() : QString();
    const QStringList chosen = Prompter::current().openFiles(r);
    if (!chosen.isEmpty()) loadImage(chosen.front());
}

bool TfImageMapWiz::loadImage(const QString& path) {
    const durable::ReadResult file = durable::readFile(path.toStdString(), kImageLimit);
    const QImage image = file ? decodeImage(QByteArray::fromStdString(file.bytes)) : QImage();
    if (image.isNull()) {
        message(QStringLiteral("Unable to load image ") + path +
                (file ? QString() : QStringLiteral(" (") + QString::fromStdString(file.reason) + u')'));
        return false;
    }
    // The page names the image from its own folder when it lies beside or below it.
    const QString folder = folder_ ? folder_() : QString();
    QString name = QFileInfo(path).absoluteFilePath();
    if (!folder.isEmpty()) {
        const QString relative = QDir(folder).relativeFilePath(name);
        if (!relative.startsWith(QStringLiteral("../"))) name = relative;
    }
    RestartClick();
    canvas->setImage(image);
    edtImage->setText(name);
    edtName->setText(QString::fromStdString(imagemap::nameFor(name.toStdString())));
    return true;
}

void TfImageMapWiz::addArea(Shape s, std::vector<int> coords) {
    const QImage& image = canvas->image();
    areas_.push_back({s, imagemap::normalised(s, std::move(coords), image.width(), image.height()), {}, {}});
    lstAreas->setRowCount(int(areas_.size()));
    fillRow(int(areas_.size()) - 1);
    canvas->update();
}

void TfImageMapWiz::fillRow(int row) {
    const imagemap::Area& a = areas_[std::size_t(row)];
    filling_ = true;
    const QString texts[] = {shapeText(a.shape), QString::fromStdString(imagemap::coordsText(a.coords)),
                             QString::fromStdString(a.href), QString::fromStdString(a.alt)};
    for (int column = 0; column < 4; ++column) {
        auto* item = new QTableWidgetItem(texts[column]);
        if (column == ShapeColumn) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        lstAreas->setItem(row, column, item);
    }
    filling_ = false;
}

void TfImageMapWiz::cellEdited(int row, int column) {
    if (filling_ || row < 0 || row >= int(areas_.size())) return;
    imagemap::Area& a = areas_[std::size_t(row)];
    const std::string text = lstAreas->item(row, column)->text().toStdString();
    if (column == LinkColumn) a.href = text;
    if (column == TextColumn) a.alt = text;
    if (column == CoordsColumn) {
        const std::optional<std::vector<int>> typed = imagemap::parseCoords(a.shape, text);
        if (typed) {
            const QImage& image = canvas->image();
            a.coords = imagemap::normalised(a.shape, *typed, image.width(), image.height());
        } else {
            static const QString needs[] = {QStringLiteral("left,top,right,bottom"), QStringLiteral("x,y,radius"),
                                            QStringLiteral("x1,y1,x2,y2,x3,y3,... (three points or more)")};
            message(QStringLiteral("A ") + shapeText(a.shape).toLower() + QStringLiteral(" needs its coordinates as ") +
                    needs[int(a.shape)] + QStringLiteral(", in whole pixels."));
        }
        // Show what is kept: in order, inside the image.
        filling_ = true;
        lstAreas->item(row, column)->setText(QString::fromStdString(imagemap::coordsText(a.coords)));
        filling_ = false;
        canvas->update();
    }
}

void TfImageMapWiz::AddAreaClick() {
    const QImage& image = canvas->image();
    if (image.isNull()) return message(QStringLiteral("Load an image first."));
    const int w = image.width(), h = image.height();
    const Shape s = chosenShape();
    addArea(s, s == Shape::Rect     ? std::vector<int>{w / 4, h / 4, w * 3 / 4, h * 3 / 4}
               : s == Shape::Circle ? std::vector<int>{w / 2, h / 2, std::max(1, std::min(w, h) / 4)}
                                    : std::vector<int>{w / 2, h / 4, w * 3 / 4, h * 3 / 4, w / 4, h * 3 / 4});
    const int last = lstAreas->rowCount() - 1;
    lstAreas->setFocus();
    lstAreas->setCurrentCell(last, CoordsColumn);
}

void TfImageMapWiz::DeleteAreaClick() {
    const int row = lstAreas->currentRow();
    if (row < 0 || row >= int(areas_.size())) return;
    areas_.erase(areas_.begin() + row);
    lstAreas->removeRow(row);
    canvas->setSelected(lstAreas->currentRow());
}

void TfImageMapWiz::RestartClick() {
    areas_.clear();
    lstAreas->setRowCount(0);
    canvas->setShape(chosenShape());  // drops a polygon being drawn
    canvas->setSelected(-1);
}

imagemap::Map TfImageMapWiz::map() const {
    imagemap::Map m;
    m.src = edtImage->text().toStdString();
    m.width = canvas->image().width();
    m.height = canvas->image().height();
    m.name = edtName->text().trimmed().toStdString();
    if (m.name.empty()) m.name = imagemap::nameFor(m.src);
    m.areas = areas_;
    m.lowerCase = lower_ && lower_();
    return m;
}

void TfImageMapWiz::ToDocumentClick() {
    if (canvas->image().isNull()) return message(QStringLiteral("Load an image first."));
    if (areas_.empty()) return message(QStringLiteral("Draw at least one area on the image first."));
    if (sink_) sink_(imagemap::html(map()));
    close();
}

void TfImageMapWiz::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    restorePlacement(Prefs, *this);
    (canvas->image().isNull() ? static_cast<QWidget*>(btnLoad) : canvas)->setFocus();
}

void TfImageMapWiz::done(int result) {
    storePlacement(Prefs, *this);
    QDialog::done(result);
}
