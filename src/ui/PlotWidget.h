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
    // Mouse on the picture: position, keyboard modifiers, left button held.
    std::function<void(int, int, Qt::KeyboardModifiers, bool)> onPress, onMove, onRelease;
    // The rubber band, drawn with an inverting pen over the picture.
    void setBand(bool shown, const QRect& r) {
        bandShown_ = shown;
        band_ = r;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    QImage picture_;
    bool bandShown_ = false;
    QRect band_;
};

}  // namespace zyt
