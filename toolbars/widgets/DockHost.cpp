#include "DockHost.h"

#include <QCursor>
#include <QGridLayout>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

#include "IniFile.h"
#include "TDocForm.h"
#include "TDocPanel.h"

using toolbars::DockSide;

DockHost::DockHost(const std::string& layoutFile, QWidget* parent)
    : QWidget(parent), file_(std::make_unique<IniFile>(layoutFile)) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    for (DockSide s : {DockSide::Top, DockSide::Bottom, DockSide::Left, DockSide::Right}) {
        auto* a = new QWidget(this);
        a->setObjectName(QStringLiteral("dockArea%1").arg(static_cast<int>(s)));
        if (toolbars::isVertical(s))
            a->setFixedWidth(0);
        else
            a->setFixedHeight(0);
        areas_[static_cast<size_t>(s)] = a;
    }
    grid->addWidget(areas_[1], 0, 0, 1, 3);
    grid->addWidget(areas_[3], 1, 0);
    grid->addWidget(areas_[4], 1, 2);
    grid->addWidget(areas_[2], 2, 0, 1, 3);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);
}

DockHost::~DockHost() = default;

void DockHost::setCenter(QWidget* center) {
    center_ = center;
    static_cast<QGridLayout*>(layout())->addWidget(center, 1, 1);
}

QWidget* DockHost::area(DockSide side) const { return areas_.at(static_cast<size_t>(side)); }

void DockHost::addPanel(TDocPanel* panel, DockSide side) {
    all_.push_back(panel);
    int last = -1000;
    for (TDocPanel* p : all_)
        if (p != panel && p->docked() && p->align() == side) last = std::max(last, p->orderHint());
    panel->setHints(0, last + 1000);
    attach(panel);
}

toolbars::Rect DockHost::clientRect() const {
    const QWidget* c = center_ ? center_ : this;
    const QPoint tl = c->mapToGlobal(QPoint(0, 0));
    return {tl.x(), tl.y(), c->width(), c->height()};
}

void DockHost::attach(TDocPanel* panel) {
    panel->setParent(area(panel->align()));
    panel->setVisible(panel->shown());
    relayout();
}

void DockHost::loadLayout() {
    for (TDocPanel* p : all_) p->loadLayout(*file_);
    relayout();
}

void DockHost::saveLayout() {
    for (TDocPanel* p : all_) p->saveLayout(*file_);
}

void DockHost::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    relayout();
}

void DockHost::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    for (TDocPanel* p : all_)
        if (!p->docked() && p->shown() && p->floatingWindow()) p->floatingWindow()->show();
}

void DockHost::hideEvent(QHideEvent* e) {
    // The floating windows go with the main window (closed or minimised); a
    // window left open would also keep the program from ending.
    QWidget::hideEvent(e);
    for (TDocPanel* p : all_)
        if (p->floatingWindow()) p->floatingWindow()->hide();
}

void DockHost::relayout() {
    if (inLayout_) return;
    inLayout_ = true;
    // Top and bottom first: the left and right sides get the height between them.
    for (DockSide s : {DockSide::Top, DockSide::Bottom, DockSide::Left, DockSide::Right}) layoutSide(s);
    inLayout_ = false;
}

std::vector<TDocPanel*> DockHost::docked(DockSide side) const {
    std::vector<TDocPanel*> here;
    for (TDocPanel* p : all_)
        if (p->docked() && p->align() == side) here.push_back(p);
    std::stable_sort(here.begin(), here.end(), [](const TDocPanel* a, const TDocPanel* b) {
        return std::pair(a->lineHint(), a->orderHint()) < std::pair(b->lineHint(), b->orderHint());
    });
    return here;
}

void DockHost::renumber(DockSide side) {
    int order = 0;
    for (TDocPanel* p : docked(side)) {
        p->setHints(p->lineHint(), order);
        order += 1000;
    }
}

void DockHost::layoutSide(DockSide side) {
    const bool vertical = toolbars::isVertical(side);
    std::vector<TDocPanel*> here = docked(side);
    std::erase_if(here, [](const TDocPanel* p) { return !p->shown(); });
    const int available = std::max(toolbars::kThickness,
                                    vertical ? height() - area(DockSide::Top)->height() - area(DockSide::Bottom)->height()
                                             : width());
    std::vector<int> lengths, hints;
    for (TDocPanel* p : here) {
        lengths.push_back(std::min(p->naturalLength(), available));
        hints.push_back(p->lineHint());
    }
    const std::vector<int> lines = toolbars::shareLines(lengths, hints, available);

    int across = 0, along = 0, lineThickness = 0, line = 0;
    for (size_t i = 0; i < here.size(); ++i) {
        if (lines[i] != line) {
            across += lineThickness;
            along = lineThickness = 0;
            line = lines[i];
        }
        TDocPanel* p = here[i];
        const toolbars::Flow flow = p->flowTo(lengths[i], vertical);
        int thickness = toolbars::flowThickness(flow.lines);
        if (vertical) thickness = std::max(thickness, p->state().width);
        const QRect r = vertical ? QRect(across, along, thickness, lengths[i]) : QRect(along, across, lengths[i], thickness);
        p->setGeometry(r);
        p->setPlaced(r);
        along += lengths[i];
        lineThickness = std::max(lineThickness, thickness);
    }
    const int total = across + lineThickness;
    if (vertical)
        area(side)->setFixedWidth(total);
    else
        area(side)->setFixedHeight(total);
}

QCursor dockCursor(DockSide side) {
    if (side == DockSide::None) return QCursor(Qt::ArrowCursor);
    // A bar on the side the toolbar would dock to and an arrow towards it,
    // drawn for the top and turned for the others.
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(12, 12);
        const int turns[] = {0, 0, 180, 270, 90};
        p.rotate(turns[static_cast<int>(side)]);
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(Qt::black);
        p.drawRect(QRectF(-10, -11, 20, 4));
        const QPointF arrow[] = {{0, -6}, {6, 1}, {2, 1}, {2, 9}, {-2, 9}, {-2, 1}, {-6, 1}};
        p.drawPolygon(arrow, 7);
    }
    return QCursor(pm, 12, 12);
}
