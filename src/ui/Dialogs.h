#pragma once
// The dialogs of program start and exit, each a small window whose controls
// carry their designer names, so that tests find them with findChild.
#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "io/GenerateRandom.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QComboBox;
class QPlainTextEdit;

namespace zyt {

// TForm5 "Отчет о файле": labels Label1..Label4, shown empty; "OK" hides it.
class ReportDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ReportDialog(QWidget* parent = nullptr);
    void showEmpty();
};

// TForm20 "exit from Zyt": Yes (save and quit), No (quit), Cancel.
class ExitDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ExitDialog(QWidget* parent = nullptr);
    int saveOnExit = 0;
    int quitOnExit = 0;

  private:
    void choose(int save, int quit);
};

// TForm30 "Zyt - Generate Random".
class GenerateRandomDialog : public QDialog {
    Q_OBJECT
  public:
    explicit GenerateRandomDialog(QWidget* parent = nullptr);
    GenerateRandomParams params() const;

  private:
    QLineEdit* points_;
    QLineEdit* channels_;
    QRadioButton* homogeneous_;
    QRadioButton* gaussian_;
};

// TForm9 "Проверка": save the plot before quitting?
class SavePlotDialog : public QDialog {
    Q_OBJECT
  public:
    enum Choice { Yes, No, Cancel };
    explicit SavePlotDialog(QWidget* parent = nullptr);
    Choice choice = Cancel;
};

// TForm36 "Form36": the text written for absent values. Every change of the
// combo text is passed to `onText` at once.
class MarkerDialog : public QDialog {
    Q_OBJECT
  public:
    explicit MarkerDialog(QWidget* parent = nullptr);
    std::function<void(const std::string&)> onText;
    // Selects the first item without reporting it.
    void prepare();

  private:
    QComboBox* combo_;
    bool quiet_ = false;
};

// TForm38 "Form38": a line of the line list for the rubber-band entry. On
// its first showing a list of fewer than two lines is filled from a text
// file that `chooseListFile` names; the search edit selects the first line
// holding what is typed.
class LineListDialog : public QDialog {
    Q_OBJECT
  public:
    explicit LineListDialog(QWidget* parent = nullptr);
    std::function<std::optional<std::string>()> chooseListFile;
    // Every line of the file becomes an item; throws IoError naming it.
    void loadLines(const std::string& fileName);
    // Shows the dialog modally: the combo box text on Ok, nothing on Cancel.
    std::optional<std::string> choose();

  private:
    void search(const QString& typed);
    QComboBox* combo_;
    QLineEdit* search_;
    bool shownBefore_ = false;
};

// TForm7 "Общие сведения" and TForm8 "Правила пользования": read-only text.
class InfoWindow : public QDialog {
    Q_OBJECT
  public:
    InfoWindow(const char* objectName, const QString& caption, QWidget* parent = nullptr);
    void setText(const QString& text);
    QString text() const;

  private:
    QPlainTextEdit* text_;
};

}  // namespace zyt
