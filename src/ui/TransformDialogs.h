#pragma once
// Dialogs of the data transforms: "Linear Transform" (TForm33), the split
// boundary (TForm35) and the sigma limit (TForm37). Each keeps its texts for
// the run, as it is made once.
#include <QDialog>
#include <functional>
#include <optional>

#include "edit/Transforms.h"

class QLineEdit;
class QCheckBox;

namespace zyt {

class LinearTransformDialog : public QDialog {
    Q_OBJECT
  public:
    LinearTransformDialog(char decimalSep, QWidget* parent = nullptr);
    // Set when Ok closed the dialog.
    std::optional<LinearTransform> accepted;
    void setDecimalSep(char c) { decimalSep_ = c; }

  private:
    void ok();
    char decimalSep_;
    QLineEdit* edit_[4];
    QCheckBox* all_;
    QCheckBox* channel_;
};

class SplitDialog : public QDialog {
    Q_OBJECT
  public:
    explicit SplitDialog(QWidget* parent = nullptr);
    Extended boundary = 0;

  private:
    QLineEdit* edit_;
};

// Stays open after Ok: every Ok runs the filter with the limit in the field.
class SigmaDialog : public QDialog {
    Q_OBJECT
  public:
    explicit SigmaDialog(QWidget* parent = nullptr);
    std::function<void(const std::string&)> onOk;

  private:
    QLineEdit* edit_;
};

}  // namespace zyt
