#pragma once
// The windows of the fit: the Polynomial dialog (TForm23 "Zyt: Polynomial")
// and the coefficients window (TForm29 "Coefficients of the fit"). Both are
// made once and live for the run; the Polynomial dialog only mirrors the
// headless PolynomialDialog, which owns the texts, boxes and rules.
#include <QDialog>
#include <QLabel>
#include <functional>
#include <map>
#include <string>

#include "fit/PolynomialDialog.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace zyt {

// A label that reports a double click (the period column headers).
class DoubleClickLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;
    std::function<void()> onDoubleClick;

  protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

class PolynomialWindow : public QDialog {
    Q_OBJECT
  public:
    explicit PolynomialWindow(State& s, QWidget* parent = nullptr);

    // Shows the dialog modally; true when it closed with Ok (the model was
    // stored). The runner of polynomialCommand.
    bool run();

    // Model -> widgets: field texts, boxes, the enabled "use sigma", caption.
    void mirror();

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void copyIntoModel();
    void ok();

    PolynomialDialog model_;
    std::map<std::string, QLineEdit*> edits_;  // by designer name
    QCheckBox* boxes_[8] = {};                 // CheckBox1..7 at 1..7
};

// A tool window with the text of "koef.info" in the working directory,
// read again whenever the window is shown or activated.
class CoefficientsWindow : public QDialog {
    Q_OBJECT
  public:
    explicit CoefficientsWindow(QWidget* parent = nullptr);
    // Reads the file again, shows the window and brings it to the front.
    void showReport();
    void reload();
    QString text() const;

  protected:
    bool event(QEvent* e) override;

  private:
    QPlainTextEdit* memo_;
};

}  // namespace zyt
