#pragma once
// Image1: shows the plot picture at its top-left corner and reports its
// size, which the view model and the drawing use.
#include <QImage>
#include <QWidget>
#include <functional>

namespace zyt {

class PlotWidget : public QWidget {
    Q_OBJECT
public:
    explicit PlotWidget(QWidget* parent = nullptr);
    void setPicture(const QImage& img);
    const QImage& picture() const { return picture_; }
    std::function<void(int, int)> onResize;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    QImage picture_;
};

}  // namespace zyt
