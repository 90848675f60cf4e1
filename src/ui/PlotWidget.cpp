#include "ui/PlotWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

namespace zyt {

PlotWidget::PlotWidget(QWidget* parent) : QWidget(parent) {
    setObjectName("Image1");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(100, 100);
}

void PlotWidget::setPicture(const QImage& img) {
    picture_ = img;
    update();
}

void PlotWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!picture_.isNull()) p.drawImage(0, 0, picture_);
    if (bandShown_) {
        p.setCompositionMode(QPainter::RasterOp_NotDestination);  // drawing it twice erases it
        p.setBrush(Qt::NoBrush);
        p.setPen(Qt::black);
        p.drawRect(band_);
    }
}

void PlotWidget::mousePressEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    if (onPress) onPress(at.x(), at.y(), e->modifiers(), e->button() == Qt::LeftButton);
}

void PlotWidget::mouseMoveEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    if (onMove) onMove(at.x(), at.y(), e->modifiers(), (e->buttons() & Qt::LeftButton) != 0);
}

void PlotWidget::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    if (onRelease) onRelease(at.x(), at.y(), e->modifiers(), false);
}

void PlotWidget::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (onResize) onResize(e->size().width(), e->size().height());
}

}  // namespace zyt
