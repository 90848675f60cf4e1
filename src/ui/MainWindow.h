#pragma once
// The main window TForm1: tool bar Panel1 with the tool buttons and the
// channel selector, the plot Image1 with the caption labels, the status
// panel Panel2 and the menus, all wired from the action table. The work is
// done by the functions of io/ and plot/; this class shows, asks and calls.
#include <QLabel>
#include <QMainWindow>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/Effects.h"
#include "core/Reporter.h"
#include "core/State.h"
#include "edit/KeyTable.h"
#include "plot/PlotCanvas.h"

class QAction;
class QSpinBox;
class QToolButton;
class QFrame;
class QMenu;

namespace zyt {

class PlotWidget;
class ReportDialog;
class ExitDialog;
class GenerateRandomDialog;
class SavePlotDialog;
class MarkerDialog;
class InfoWindow;
class LineListDialog;

// A caption label that the mouse can drag over the plot.
class DragLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

    std::function<void()> onDragStart;

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
};

// Message boxes for the commands' messages; the status text goes to Label8.
class WindowReporter : public Reporter {
  public:
    explicit WindowReporter(QWidget* parent) : parent_(parent) {}
    void message(std::string_view text) override;
    // Kept until the window has redrawn (a drawing rewrites the status
    // line), then shown in Label8.
    void status(std::string_view text) override { status_ = std::string(text); }
    std::optional<std::string> takeStatus() { return std::exchange(status_, std::nullopt); }
    // Tests collect instead of showing boxes.
    std::function<void(const std::string&)> intercept;

  private:
    QWidget* parent_;
    std::optional<std::string> status_;
};

class LinearTransformDialog;
class SplitDialog;
class SigmaDialog;
class PolynomialWindow;
class CoefficientsWindow;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(State& s, std::string commandLineFile = "", QWidget* parent = nullptr);
    ~MainWindow() override;

    State& state() { return s_; }
    const PlotCanvas& canvas() const { return canvas_; }
    WindowReporter& reporter() { return reporter_; }

    // File choosers; tests replace them. Empty/nullopt = Cancel.
    std::function<std::vector<std::string>()> chooseOpenFiles;
    std::function<std::optional<std::string>(const QString& title, const QString& filter)>
        chooseSaveFile;

    // Handlers of the action and key tables.
    void N10Click();  // Open
    void reLoad1Click();
    void AddData1Click();
    void savedate1Click();
    void SaveVisibleDataAs1Click();
    void save1Click();
    void SplitIntoFilesClick();
    void evenchanneliserror1Click();
    void SaveDataAsSetings1Click();
    void openperiodogram1Click();
    void GenerateRandom1Click();
    void N7Click();  // Exit (the question about the picture)
    void N25Click();
    void N26Click();
    void N27Click();
    void N31Click();
    void N30Click();
    void N28Click();
    // Approximation menu and the tool button "Approximation".
    void N1Click();  // Polynomial
    void coefficientsofapolynomial1Click();
    void saveapproxymation1Click();
    void saveorijianl1Click();
    void otbelivanie1Click();  // De-trending
    void Detrending1Click();   // De-trending (only polynomial trend)
    void Addcolorsaschanelsuseaproxymations1Click();
    void saveapproximation05151Click();  // Phase -0.5..1.5
    void SpeedButton16Click();
    void zoomClick();
    void unzoomClick();
    void shiftLeftClick();
    void shiftRightClick();
    void leftedgeoncursor1Click();
    void rightedgeoncursor1Click();
    void CenteronCursor1Click();
    void Phase02Click();
    void mag1Click();
    void InverseYaxisforcurrentchannel1Click();
    void originaldata1Click();
    void differencies1Click();
    void singlechanel1Click();
    void SpinButton1DownClick();
    void SpinButton1UpClick();
    void showGeneralInfo();
    void showRules();
    void exitWithQuestion();  // Esc
    // A hot key of the editing key table, then the recomputation and redraw
    // it asks for.
    void pressKey(const KeyPress& k);
    void applyEffects(const Effects& e);
    LinearTransformDialog* linearDialog() { return linearDialog_; }
    SplitDialog* splitDialog() { return splitDialog_; }
    LineListDialog* lineListDialog() { return form38_; }
    PolynomialWindow* polynomialWindow() { return form23_; }
    CoefficientsWindow* coefficientsWindow() { return form29_; }

    // The plot area changed size.
    void plotResized(int w, int h);
    // Applies the state to the controls: caption, enabled states, selector,
    // status labels, picture.
    void syncFromState();
    // The rules text with the keys of the tables.
    static QString rulesText();

  protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void buildActions();
    void addDialogCommand(QMenu* menu, const char* name, const char* caption,
                          std::function<void()> run);
    void buildPanels();
    void activated();
    void firstActivation();
    void openCommandLineFile();
    void afterLoadRedraw();
    void redraw();
    void viewCommand(bool (*op)(State&), bool drawAnyway = false);
    void runGuarded(const std::function<void()>& f);
    void quit();
    bool saveScreenPictureAsBmp();
    QImage pictureWithCaptions() const;

    State& s_;
    KeyTable keys_;
    LinearTransformDialog* linearDialog_ = nullptr;
    SplitDialog* splitDialog_ = nullptr;
    SigmaDialog* sigmaDialog_ = nullptr;
    PlotCanvas canvas_;
    WindowReporter reporter_;
    std::string commandLineFile_;
    bool commandLineDone_ = false;
    bool activatedOnce_ = false;
    bool quitting_ = false;

    std::map<std::string, QAction*> actions_;
    std::vector<QToolButton*> toolButtons_;
    QFrame* panel1_ = nullptr;
    QFrame* panel2_ = nullptr;
    QSpinBox* spin_ = nullptr;
    PlotWidget* image1_ = nullptr;
    DragLabel* label5_ = nullptr;
    DragLabel* label6_ = nullptr;
    DragLabel* label7_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label4_ = nullptr;
    QLabel* label8_ = nullptr;

    ReportDialog* form5_;
    InfoWindow* form7_;
    InfoWindow* form8_;
    SavePlotDialog* form9_;
    ExitDialog* form20_;
    PolynomialWindow* form23_;
    CoefficientsWindow* form29_;
    GenerateRandomDialog* form30_;
    MarkerDialog* form36_;
    LineListDialog* form38_;
};

}  // namespace zyt
