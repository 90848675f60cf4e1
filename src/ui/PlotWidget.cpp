#include "ui/PlotWidget.h"

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
}

void PlotWidget::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (onResize) onResize(e->size().width(), e->size().height());
}

}  // namespace zyt
