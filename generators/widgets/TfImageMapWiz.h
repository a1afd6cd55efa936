#pragma once
// "Client Side Image Maps": an image is loaded and shown at its own size;
// rectangles, circles and polygons are drawn over it with the mouse (or
// typed as coordinates in the area list), each given a link and a text, and
// "To Document" writes the IMG tag with its MAP into the active document.
// Created once and hidden between uses; only the placement (Prefs) outlives
// a run.

#include <QDialog>
#include <QImage>
#include <functional>
#include <optional>
#include <vector>

#include "ImageMap.h"
#include "TBag.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

// The image with the areas drawn over it. A rectangle is dragged from corner
// to corner, a circle from its centre outwards; a polygon takes a point per
// click and is finished by a double-click, Enter or a click on its first
// point (Escape drops it).
class ImageMapCanvas : public QWidget {
    Q_OBJECT
public:
    explicit ImageMapCanvas(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    const QImage& image() const { return image_; }
    void setAreas(const std::vector<imagemap::Area>* areas) { areas_ = areas; }
    void setShape(imagemap::Shape s);
    void setSelected(int index);
    // A polygon being drawn, or empty.
    const std::vector<int>& pending() const { return pending_; }

    QSize sizeHint() const override;

    // A finished area, in image pixels (before it is kept inside the image).
    std::function<void(imagemap::Shape, std::vector<int> coords)> drawn;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void finishPolygon();

    QImage image_;
    const std::vector<imagemap::Area>* areas_ = nullptr;
    imagemap::Shape shape_ = imagemap::Shape::Rect;
    int selected_ = -1;
    std::optional<QPoint> from_;  // a rectangle or circle being dragged
    QPoint to_;
    std::vector<int> pending_;
};

class TfImageMapWiz : public QDialog {
    Q_OBJECT
public:
    explicit TfImageMapWiz(QWidget* parent = nullptr);

    // Where "To Document" sends the HTML; the folder of the active document
    // (empty when it has none), against which the image's name is written;
    // whether tags are written in lower case.
    void setHtmlSink(std::function<void(const std::string&)> sink) { sink_ = std::move(sink); }
    void setDocumentFolder(std::function<QString()> folder) { folder_ = std::move(folder); }
    void setLowerCase(std::function<bool()> lower) { lower_ = std::move(lower); }

    // ---- Handlers ----
    void LoadClick();
    // Shows the image at `path` and starts a new map for it; false (and a
    // message) when it cannot be read.
    bool loadImage(const QString& path);
    void ToDocumentClick();
    // Drops every area and the polygon being drawn; the image stays.
    void RestartClick();
    void AddAreaClick();
    void DeleteAreaClick();

    imagemap::Map map() const;
    const std::vector<imagemap::Area>& areas() const { return areas_; }
    void addArea(imagemap::Shape s, std::vector<int> coords);

    QLineEdit* edtImage = nullptr;
    QLineEdit* edtName = nullptr;
    QRadioButton* optRect = nullptr;
    QRadioButton* optCircle = nullptr;
    QRadioButton* optPoly = nullptr;
    ImageMapCanvas* canvas = nullptr;
    QTableWidget* lstAreas = nullptr;
    QLabel* lblHint = nullptr;
    QPushButton* btnLoad = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnToDoc = nullptr;
    QPushButton* btnRestart = nullptr;
    QPushButton* btnCancel = nullptr;

    enum Column { ShapeColumn, CoordsColumn, LinkColumn, TextColumn };

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    imagemap::Shape chosenShape() const;
    void showHint();
    void fillRow(int row);
    void cellEdited(int row, int column);
    void message(const QString& text);

    TBag Prefs;
    std::vector<imagemap::Area> areas_;
    bool filling_ = false;
    std::function<void(const std::string&)> sink_;
    std::function<QString()> folder_;
    std::function<bool()> lower_;
};
