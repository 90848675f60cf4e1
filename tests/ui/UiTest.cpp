#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "plot/ViewModel.h"
#include "support/TempDir.h"
#include "ui/Dialogs.h"
#include "ui/MainWindow.h"
#include "ui/UiSupport.h"

namespace zyt {
namespace {

TEST(DialogTest, ExitDialogSetsBothFlags) {
    app();
    ExitDialog d;
    EXPECT_EQ(d.windowTitle(), "exit from Zyt");
    struct Case {
        const char* button;
        int save, quit;
    } cases[] = {{"Button1", 1, 1}, {"Button2", 0, 1}, {"Button3", 0, 0}};
    for (const Case& c : cases) {
        pressWhenShown(d, c.button);
        d.exec();
        EXPECT_EQ(d.saveOnExit, c.save) << c.button;
        EXPECT_EQ(d.quitOnExit, c.quit) << c.button;
    }
    EXPECT_EQ(d.findChild<QLabel*>("Label1")->text(), "Save change in  file&?");
}

TEST(DialogTest, GenerateRandomReadsItsFields) {
    app();
    GenerateRandomDialog d;
    pressWhenShown(d, "Button1", [&d] {
        d.findChild<QLineEdit*>("LabeledEdit1")->setText("0");
        d.findChild<QLineEdit*>("LabeledEdit2")->setText("3");
        d.findChild<QRadioButton*>("RadioGroup1Item1")->setChecked(true);
    });
    d.exec();
    GenerateRandomParams p = d.params();
    EXPECT_EQ(p.distribution, 1);
    EXPECT_EQ(p.validate(), "Enter a valid integer number of points from 1 to 1000001");
    p.pointsText = "1000001";
    p.channelsText = "21";
    EXPECT_EQ(p.validate(), "Enter a valid integer number of channels from 1 to 20");
}

TEST(DialogTest, MarkerDialogSetsMarkerOnEveryChangeButNotOnShow) {
    app();
    MarkerDialog d;
    std::vector<std::string> seen;
    d.onText = [&](const std::string& t) { seen.push_back(t); };
    d.prepare();
    EXPECT_TRUE(seen.empty());
    pressWhenShown(d, "Button1",
                   [&d] { d.findChild<QComboBox*>("ComboBox1")->setCurrentIndex(1); });
    EXPECT_EQ(d.exec(), QDialog::Accepted);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], "99.9999");
}

TEST(DialogTest, SavePlotDialogChoices) {
    app();
    SavePlotDialog d;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Проверка"));
    pressWhenShown(d, "Button2");
    d.exec();
    EXPECT_EQ(d.choice, SavePlotDialog::No);
    pressWhenShown(d, "Button3");
    d.exec();
    EXPECT_EQ(d.choice, SavePlotDialog::Cancel);
}

struct MainWindowFixture : ::testing::Test {
    test::TempDir dir;
    std::unique_ptr<State> s = std::make_unique<State>();
    std::string file;
    void SetUp() override {
        app();
        file = dir.file("three.dat");
        std::ofstream f(file, std::ios::binary);
        f << "2450000.1 12.0 11.0 13.0\r\n2450000.2 12.5 11.1 13.2\r\n2450000.3 12.2 11.05 "
             "13.1\r\n";
    }
};

TEST_F(MainWindowFixture, OpensFileDrawsAndEnablesControls) {
    initialiseViewState(*s);
    MainWindow w(*s);
    w.resize(800, 600);
    w.show();
    QApplication::processEvents();
    auto* zoom = w.findChild<QToolButton*>("SpeedButton5");
    ASSERT_NE(zoom, nullptr);
    EXPECT_FALSE(zoom->isEnabled());
    EXPECT_EQ(zoom->toolTip(), "Zoom");
    EXPECT_TRUE(w.findChild<QToolButton*>("SpeedButton1")->isEnabled());
    EXPECT_FALSE(w.findChild<QAction*>("N28")->isEnabled());

    w.chooseOpenFiles = [this] { return std::vector<std::string>{file}; };
    w.N10Click();
    EXPECT_EQ(s->table.nRows, 3);
    EXPECT_TRUE(zoom->isEnabled());
    EXPECT_TRUE(w.findChild<QAction*>("N28")->isEnabled());
    EXPECT_EQ(w.findChild<QSpinBox*>("spinedit1")->value(), 3);
    EXPECT_EQ(w.findChild<QLabel*>("Label4")->text(), "3 points 1 to 3");
    EXPECT_TRUE(w.findChild<QLabel*>("Label8")->text().startsWith(
        "Current point = 1   1  x=2450000.1000000"));
    EXPECT_EQ(w.canvas().picture.size(), w.findChild<QWidget*>("Image1")->size());

    w.findChild<QToolButton*>("SpinButton1Down")->click();
    EXPECT_EQ(s->table.nChan, 2);
    w.zoomClick();
    EXPECT_NEAR(double(s->view.xSpan), 0.1, 1e-9);

    w.N31Click();  // Clean
    EXPECT_FALSE(zoom->isEnabled());
    EXPECT_EQ(s->table.nRows, 3);
}

TEST_F(MainWindowFixture, CommandLineFileOpensOnceAndRulesListKeys) {
    initialiseViewState(*s);
    MainWindow w(*s, file);
    w.show();
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(s->table.nRows, 3);
    s->table.nRows = 0;  // a second activation must not read it again
    QEvent act(QEvent::WindowActivate);
    QApplication::sendEvent(&w, &act);
    EXPECT_EQ(s->table.nRows, 0);
    EXPECT_EQ(w.windowTitle().toStdString(), kProgramTitle);
    EXPECT_TRUE(MainWindow::rulesText().contains("Esc"));
    EXPECT_TRUE(MainWindow::rulesText().contains("F10"));
}

}  // namespace
}  // namespace zyt

#include <QCheckBox>
#include <QMenu>
#include <QtTest/QTest>

namespace zyt {
namespace {

TEST_F(MainWindowFixture, HotKeysReachTheEditingCommands) {
    initialiseViewState(*s);
    MainWindow w(*s);
    w.resize(800, 600);
    w.show();
    QApplication::processEvents();
    QTest::keyClick(&w, Qt::Key_Right);  // before a file: only the caption
    EXPECT_EQ(s->table.curRow, 0);
    w.chooseOpenFiles = [this] { return std::vector<std::string>{file}; };
    w.N10Click();
    QTest::keyClick(&w, Qt::Key_Right);
    EXPECT_EQ(s->table.curRow, 2);
    EXPECT_TRUE(w.findChild<QLabel*>("Label8")->text().startsWith("Current point = 2   1"));
    QTest::keyClick(&w, Qt::Key_Delete);
    EXPECT_EQ(s->table.present(2, 1), 0);
    EXPECT_EQ(s->table.undoCount(), 1);
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(s->table.present(2, 1), 1);
    EXPECT_EQ(s->table.curRow, 2);
    QTest::keyClick(&w, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(s->table.curChan, 2);
    QTest::keyClick(&w, Qt::Key_Home);
    EXPECT_EQ(s->table.curRow, 1);
    QTest::keyClick(&w, Qt::Key_6,
                    Qt::KeypadModifier);  // the middle point of channel 2 is a maximum
    EXPECT_EQ(s->table.curRow, 2);
    EXPECT_TRUE(w.windowTitle().endsWith("magnitude 6"));  // the typed character follows the key
    EXPECT_TRUE(MainWindow::rulesText().contains("Ctrl+Z"));
}

}  // namespace
}  // namespace zyt

namespace zyt {
namespace {

TEST_F(MainWindowFixture, TransformMenuItemsRunTheirCommands) {
    initialiseViewState(*s);
    MainWindow w(*s);
    w.show();
    QApplication::processEvents();
    w.chooseOpenFiles = [this] { return std::vector<std::string>{file}; };
    w.N10Click();
    auto* inverse = w.findChild<QAction*>("InverseSign1");
    ASSERT_NE(inverse, nullptr);
    EXPECT_EQ(inverse->text(), "&Inverse Sign");
    inverse->trigger();
    EXPECT_EQ(s->table.obs(1, 1), -12);
    auto* markAll = w.findChild<QAction*>("MarkAl1");
    ASSERT_NE(markAll, nullptr);
    EXPECT_EQ(markAll->shortcut().toString(), "Ctrl+A");
    EXPECT_EQ(w.findChild<QAction*>("MarkAl2")->shortcut().toString(), "Ctrl+Alt+A");
    markAll->trigger();
    EXPECT_EQ(s->table.chanUnmarked[2], 0);
    auto* lines = w.findChild<QAction*>("linesforUnMarkchanel1");
    lines->trigger();
    EXPECT_TRUE(s->view.linesForUnmarked);
    EXPECT_TRUE(lines->isChecked());
    ASSERT_NE(w.findChild<QMenu*>("Reduction1"), nullptr);
}

}  // namespace
}  // namespace zyt

#include "ui/TransformDialogs.h"

namespace zyt {
namespace {

TEST(DialogTest, LinearTransformStaysOpenUntilEveryFieldParses) {
    app();
    LinearTransformDialog d('.');
    EXPECT_EQ(d.windowTitle(), "Linear Transform");
    auto* k = d.findChild<QLineEdit*>("Edit4");
    EXPECT_EQ(k->toolTip(), "number enaze cgannel");
    k->setText("x");
    d.findChild<QPushButton*>("Button1")->click();
    EXPECT_FALSE(d.accepted);
    EXPECT_NE(d.result(), QDialog::Accepted);
    d.findChild<QLineEdit*>("Edit1")->setText("1,5");
    k->setText("0");
    d.findChild<QCheckBox*>("CheckBox2")->setChecked(false);
    d.findChild<QCheckBox*>("CheckBox2")->setChecked(true);  // unchecks "all points"
    EXPECT_FALSE(d.findChild<QCheckBox*>("CheckBox1")->isChecked());
    d.findChild<QPushButton*>("Button1")->click();
    ASSERT_TRUE(d.accepted);
    EXPECT_EQ(d.accepted->a, 1.5L);
    EXPECT_EQ(d.accepted->k, 0);
    EXPECT_FALSE(d.accepted->allRows);
    EXPECT_EQ(d.findChild<QLineEdit*>("Edit1")->text(), "1.5");

    SplitDialog split;
    split.findChild<QLineEdit*>("Edit1")->setText("1,5");  // parsed as typed: refused
    split.findChild<QPushButton*>("Button1")->click();
    EXPECT_NE(split.result(), QDialog::Accepted);
    split.findChild<QLineEdit*>("Edit1")->setText("12.25");
    split.findChild<QPushButton*>("Button1")->click();
    EXPECT_EQ(split.boundary, 12.25L);
}

}  // namespace
}  // namespace zyt

#include <QImageReader>

namespace zyt {
namespace {

// Answers a modal dialog with the buttons in turn, one per showing.
class AnswerInTurn : public QObject {
  public:
    AnswerInTurn(QDialog& d, std::vector<const char*> buttons)
        : d_(d), buttons_(std::move(buttons)) {
        d_.installEventFilter(this);
    }
    ~AnswerInTurn() override { d_.removeEventFilter(this); }
    std::size_t answered() const { return next_; }

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == &d_ && e->type() == QEvent::Show && next_ < buttons_.size()) {
            const char* b = buttons_[next_++];
            QTimer::singleShot(0, &d_, [this, b] { d_.findChild<QPushButton*>(b)->click(); });
        }
        return false;
    }

  private:
    QDialog& d_;
    std::vector<const char*> buttons_;
    std::size_t next_ = 0;
};

struct ExitFixture : MainWindowFixture {
    std::unique_ptr<MainWindow> w;
    std::vector<std::string> saveNames;  // what the save dialog answers, in turn
    int saveAsked = 0;
    void open() {
        initialiseViewState(*s);
        w = std::make_unique<MainWindow>(*s);
        w->resize(700, 500);
        w->show();
        QApplication::processEvents();
        w->chooseOpenFiles = [this] { return std::vector<std::string>{file}; };
        w->N10Click();
        w->chooseSaveFile = [this](const QString&, const QString&) -> std::optional<std::string> {
            const std::size_t k = std::size_t(saveAsked++);
            if (k >= saveNames.size() || saveNames[k].empty()) return std::nullopt;
            return saveNames[k];
        };
    }
    QDialog& dialog(const char* name) { return *w->findChild<QDialog*>(name); }
};

TEST_F(ExitFixture, EscapeAsksThenSavesTheDataAndQuits) {
    open();
    s->table.obs(2, 1) = 14.25L;  // an edit the exit save must keep
    {
        AnswerInTurn cancel(dialog("TForm20"), {"Button3"});
        QTest::keyClick(w.get(), Qt::Key_Escape);
        EXPECT_EQ(cancel.answered(), 1u);
    }
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(saveAsked, 0);

    saveNames = {dir.file("kept.dat")};
    AnswerInTurn yes(dialog("TForm20"), {"Button1"});
    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_EQ(saveAsked, 1);
    const std::string saved = test::readFile(dir.file("kept.dat"));
    EXPECT_NE(saved.find("14.25"), std::string::npos) << saved;
    EXPECT_FALSE(w->isVisible());
}

TEST_F(ExitFixture, ExitWithoutSavedPictureAsksUntilSavedAsBmp) {
    open();
    ASSERT_EQ(s->view.pictureSaved, 0);
    // Yes, then the file dialog is cancelled: the question comes again;
    // Yes and a name: the picture goes to NAME.bmp and the program quits.
    saveNames = {"", dir.file("plot")};
    AnswerInTurn answers(dialog("TForm9"), {"Button1", "Button1"});
    w->findChild<QToolButton*>("SpeedButton7")->click();
    EXPECT_EQ(answers.answered(), 2u);
    EXPECT_EQ(saveAsked, 2);
    EXPECT_FALSE(std::filesystem::exists(dir.file("plot")));
    QImageReader bmp(QString::fromStdString(dir.file("plot.bmp")));
    EXPECT_EQ(bmp.format(), "bmp");
    const QImage img = bmp.read();
    EXPECT_EQ(img.size(), w->canvas().picture.size());
    EXPECT_EQ(img.pixel(0, 0) | 0xff000000u, w->canvas().picture.pixel(0, 0) | 0xff000000u);
    EXPECT_EQ(s->view.pictureSaved, 1);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(ExitFixture, ExitQuestionCancelNoAndAlreadySaved) {
    open();
    {
        AnswerInTurn cancel(dialog("TForm9"), {"Button3"});
        w->N7Click();
        EXPECT_EQ(cancel.answered(), 1u);
    }
    EXPECT_TRUE(w->isVisible());
    s->view.pictureSaved = 1;  // a picture saved since the last drawing: no question
    w->N7Click();
    EXPECT_EQ(saveAsked, 0);
    EXPECT_FALSE(w->isVisible());

    open();  // the window's close box asks the same question; No quits unsaved
    AnswerInTurn no(dialog("TForm9"), {"Button2"});
    w->close();
    EXPECT_EQ(no.answered(), 1u);
    EXPECT_EQ(saveAsked, 0);
    EXPECT_FALSE(w->isVisible());
}

}  // namespace
}  // namespace zyt

#include "ui/Dialogs.h"

namespace zyt {
namespace {

// Runs the test body in the fixture's folder (Alt+S writes "ttt.dat" to the
// current folder).
struct InFolder {
    std::filesystem::path before = std::filesystem::current_path();
    explicit InFolder(const std::filesystem::path& p) { std::filesystem::current_path(p); }
    ~InFolder() { std::filesystem::current_path(before); }
};

TEST_F(ExitFixture, AltSWritesTheLineChosenInTheLineListDialog) {
    open();
    InFolder here(dir.path());
    const std::string list = dir.write("lines.txt", "6562.8   H alpha\r\n4861.3   H beta\r\n");
    int asked = 0;
    w->lineListDialog()->chooseListFile = [&]() -> std::optional<std::string> {
        ++asked;
        return list;
    };
    QDialog& d = dialog("TForm38");
    EXPECT_EQ(d.findChild<QLabel*>("Label1")->text(), QStringLiteral("введите  линию"));

    QTest::keyClick(w.get(), Qt::Key_S, Qt::AltModifier);  // no rectangle yet: nothing
    EXPECT_EQ(asked, 0);

    s->mouse.selectionReady = true;
    s->mouse.selX1 = 2450000.1L;
    s->mouse.selX2 = 2450000.3L;
    s->mouse.selY1 = 12.0L;
    s->mouse.selY2 = 12.5L;
    QTimer::singleShot(0, &d, [&d] {
        QTest::keyClicks(d.findChild<QLineEdit*>("Edit1"), "beta");
        d.findChild<QPushButton*>("Button1")->click();
    });
    QTest::keyClick(w.get(), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(d.findChild<QComboBox*>("ComboBox1")->count(), 2);
    EXPECT_FALSE(s->mouse.selectionReady);
    const std::string entry = "4861.3  \r\n H, beta, 2450000, 2450000, 12.500, 12.000, 1.0\r\n\r\n";
    EXPECT_EQ(test::readFile(dir.file("ttt.dat")), entry);

    // The list is asked for once; a closed dialog writes nothing.
    s->mouse.selectionReady = true;
    QTimer::singleShot(0, &d, [&d] { d.reject(); });
    QTest::keyClick(w.get(), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(test::readFile(dir.file("ttt.dat")), entry);
}

TEST_F(ExitFixture, CaptionLabelsFollowTheDragOverThePlot) {
    open();
    auto* plot = w->findChild<QWidget*>("Image1");
    auto* label6 = w->findChild<QLabel*>("Label6");
    ASSERT_TRUE(label6->isVisible());
    QTest::mousePress(label6, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_EQ(s->mouse.draggedLabel, 6);
    const QPoint target(120, 90);
    QMouseEvent move(QEvent::MouseMove, label6->mapFromParent(target),
                     label6->mapToGlobal(label6->mapFromParent(target)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(label6, &move);
    EXPECT_EQ(label6->pos(), target);
    const QPoint outside(plot->width() + 50, 10);  // off the plot: the label stays
    QMouseEvent away(QEvent::MouseMove, label6->mapFromParent(outside),
                     label6->mapToGlobal(label6->mapFromParent(outside)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(label6, &away);
    EXPECT_EQ(label6->pos(), target);
}

}  // namespace
}  // namespace zyt

namespace zyt {
namespace {

TEST_F(MainWindowFixture, MenuShortcutsWinOverTheHotKeysOfTheSameLetter) {
    initialiseViewState(*s);
    MainWindow w(*s);
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.chooseOpenFiles = [this] { return std::vector<std::string>{file}; };
    w.N10Click();
    ASSERT_EQ(s->table.chanUnmarked[2], 1);
    QTest::keyClick(&w, Qt::Key_A, Qt::ControlModifier);  // "Mark All", not the key A
    for (int c = 1; c <= 3; ++c) EXPECT_EQ(s->table.chanUnmarked[std::size_t(c)], 0) << c;
    QTest::keyClick(&w, Qt::Key_I, Qt::ControlModifier);  // Tools: the tool buttons go
    EXPECT_FALSE(w.findChild<QToolButton*>("SpeedButton5")->isVisible());
    QTest::keyClick(&w, Qt::Key_I, Qt::ControlModifier);
    EXPECT_TRUE(w.findChild<QToolButton*>("SpeedButton5")->isVisible());
}

}  // namespace
}  // namespace zyt
