#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest/QTest>
#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>

#include "plot/ChannelRenderer.h"
#include "plot/ViewModel.h"
#include "support/TempDir.h"
#include "ui/FitDialogs.h"
#include "ui/MainWindow.h"
#include "ui/UiSupport.h"

namespace zyt {
namespace {

using Fields = std::map<std::string, std::string>;

void fill(QDialog& d, const Fields& fields) {
    for (const auto& [name, text] : fields)
        d.findChild<QLineEdit*>(QString::fromStdString(name))
            ->setText(QString::fromStdString(text));
}

QString editText(QDialog& d, const char* name) {
    return d.findChild<QLineEdit*>(name)->text();
}
QCheckBox* box(QDialog& d, int b) {
    return d.findChild<QCheckBox*>(QString("CheckBox%1").arg(b));
}

struct PolynomialWindowTest : ::testing::Test {
    std::unique_ptr<State> s = std::make_unique<State>();
    void SetUp() override {
        app();
        s->table.decimalSep = '.';
    }
};

TEST_F(PolynomialWindowTest, ShowsDefaultsStoresTheModelOnOkAndKeepsTheTexts) {
    PolynomialWindow d(*s);
    EXPECT_EQ(d.objectName(), "TForm23");
    EXPECT_EQ(d.windowTitle(), "Zyt: Polynomial");
    const char* labels[] = {"degree of the polynomial",
                            "period",
                            "1 period",
                            "2 period",
                            "3 period",
                            "degree of the trigonometrical polynomial"};
    for (const char* text : labels) {
        bool found = false;
        for (QLabel* l : d.findChildren<QLabel*>()) found = found || l->text() == text;
        EXPECT_TRUE(found) << text;
    }
    EXPECT_EQ(box(d, 7)->text(), "used visible data ");

    Fields shown;
    bool boxesAtStart[8] = {};
    bool sigmaEnabled = true;
    pressWhenShown(d, "Button1", [&] {
        for (const char* e : {"Edit1", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8"})
            shown[e] = editText(d, e).toStdString();
        for (int b = 1; b <= 7; ++b) boxesAtStart[b] = box(d, b)->isChecked();
        sigmaEnabled = box(d, 5)->isEnabled();
        // A comma is a decimal separator; a zero period becomes 1 with degree 0.
        fill(d, {{"Edit1", "2"}, {"Edit3", "0,5"}, {"Edit6", "2"}, {"Edit4", "0"}, {"Edit7", "4"}});
        box(d, 1)->setChecked(true);
        box(d, 6)->setChecked(true);
        box(d, 2)->setChecked(false);
    });
    EXPECT_EQ(d.exec(), QDialog::Accepted);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(shown, (Fields{{"Edit1", "0"},
                             {"Edit3", "1"},
                             {"Edit4", "3"},
                             {"Edit5", "7"},
                             {"Edit6", "1"},
                             {"Edit7", "0"},
                             {"Edit8", "0"}}));
    for (int b = 1; b <= 7; ++b) EXPECT_EQ(boxesAtStart[b], b == 2) << "CheckBox" << b;
    EXPECT_FALSE(sigmaEnabled) << "use sigma needs the value/error layout";

    const FitModel& m = s->fit;
    EXPECT_EQ(m.polyDeg, 2);
    EXPECT_EQ(m.fitPeriod1, 0.5L);
    EXPECT_EQ(m.fitOmega1, kTwoPi / 0.5L);
    EXPECT_EQ(m.trigDeg1, 2);
    EXPECT_EQ(m.fitPeriod2, 1);
    EXPECT_EQ(m.trigDeg2, 0);
    EXPECT_EQ(m.fitPeriod3, 7);
    EXPECT_TRUE(m.fitSymmetric);
    EXPECT_TRUE(m.fitAllChannels);
    EXPECT_FALSE(m.fitAutoMean);

    // The next opening shows what was stored; the zero period is 1 now.
    Fields again;
    pressWhenShown(d, "Button2", [&] {
        for (const char* e : {"Edit1", "Edit3", "Edit4", "Edit7"})
            again[e] = editText(d, e).toStdString();
        box(d, 1)->setChecked(false);  // cancelled: not stored
    });
    EXPECT_EQ(d.exec(), QDialog::Rejected);
    EXPECT_EQ(again, (Fields{{"Edit1", "2"}, {"Edit3", "0.5"}, {"Edit4", "1"}, {"Edit7", "0"}}));
    EXPECT_TRUE(s->fit.fitSymmetric);
}

TEST_F(PolynomialWindowTest, RefusedOkKeepsTheDialogOpen) {
    // clang-format off
    struct Case {
        Fields fields;
        const char* title;
    } cases[] = {
        {{{"Edit3", "1x"}}, "Zyt: Polynomial"},  // does not convert: no word, stays open
        {{{"Edit1", "-1"}}, "Zyt: Polynomial"},
        // 2 + 1 + 2 (3 + 3 + 3) = 21 parameters, even with the symmetric box.
        {{{"Edit1", "2"}, {"Edit3", "0,25"}, {"Edit6", "3"}, {"Edit7", "3"}, {"Edit8", "3"}},
         "уменьшите ранг полинома"},
    };
    // clang-format on
    for (const Case& c : cases) {
        s = std::make_unique<State>();
        s->table.decimalSep = '.';
        PolynomialWindow d(*s);
        bool openAfterOk = false;
        QString title, period1;
        // Ok, then Cancel closes it.
        pressWhenShown(d, "Button2", [&] {
            fill(d, c.fields);
            box(d, 1)->setChecked(true);
            d.findChild<QPushButton*>("Button1")->click();
            openAfterOk = d.isVisible();
            title = d.windowTitle();
            period1 = editText(d, "Edit3");
        });
        EXPECT_EQ(d.exec(), QDialog::Rejected) << c.fields.begin()->second;
        EXPECT_TRUE(openAfterOk);
        EXPECT_EQ(title, QString::fromUtf8(c.title));
        EXPECT_EQ(s->fit.polyDeg, 0) << "nothing stored";
        EXPECT_EQ(s->fit.trigDeg1, 0);
        if (c.fields.count("Edit3") && c.fields.at("Edit3") == "0,25") {
            EXPECT_EQ(period1, "0.25") << "the field shows the replaced separator";
        }
    }
}

TEST_F(PolynomialWindowTest, LabelDoubleClickPutsTheLightElementPeriodInItsColumn) {
    s->le.lePeriod = 0.3625L;
    s->menu.evenchanneliserror1 = true;  // the value/error layout: "use sigma" may be set
    PolynomialWindow d(*s);
    d.show();
    EXPECT_TRUE(box(d, 5)->isEnabled());
    d.findChild<QLineEdit*>("Edit1")->setText("3");
    QLabel* second = nullptr;
    for (QLabel* l : d.findChildren<QLabel*>())
        if (l->text() == "2 period") second = l;
    ASSERT_NE(second, nullptr);
    QTest::mouseDClick(second, Qt::LeftButton);
    EXPECT_EQ(editText(d, "Edit4"), "0.3625");
    EXPECT_EQ(editText(d, "Edit3"), "1") << "the other columns keep their texts";
    EXPECT_EQ(editText(d, "Edit1"), "3") << "a typed field is not lost";
    box(d, 5)->setChecked(true);
    d.findChild<QPushButton*>("Button1")->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(s->fit.fitPeriod2, 0.3625L);
    EXPECT_EQ(s->fit.polyDeg, 3);
    EXPECT_TRUE(s->fit.fitUseSigma);
}

// y = 3 + 0.5 t (+ channel offsets) at t = 0..10 with residuals +d, -d, -d,
// +d at t = 0, 1, 9, 10: they sum to zero and are orthogonal to t, so the
// fitted line is exactly the chosen one, with T_mean = 5.
constexpr double kD = 0.4;
double residual(int i) {
    return (i == 0 || i == 10) ? kD : (i == 1 || i == 9) ? -kD : 0;
}
double lineAt(double t) {
    return 3 + 0.5 * t;
}

struct FitWindowFixture : ::testing::Test {
    test::TempDir dir;
    std::filesystem::path oldCwd = std::filesystem::current_path();
    std::unique_ptr<State> s = std::make_unique<State>();
    std::unique_ptr<MainWindow> w;
    std::vector<std::string> messages;

    void SetUp() override {
        app();
        std::filesystem::current_path(dir.path());  // koef.info and aproxy.dat go here
    }
    void TearDown() override {
        w.reset();
        std::filesystem::current_path(oldCwd);
    }
    // Opens a file of rows t, y_1.. (y_2 = 1 + 0.2 t exactly, y_3 = 2 - 0.1 t).
    void open(int channels) {
        std::string text;
        for (int i = 0; i <= 10; ++i) {
            text += std::to_string(i) + " " + std::to_string(lineAt(i) + residual(i));
            if (channels >= 2) text += " " + std::to_string(1 + 0.2 * i);
            if (channels >= 3) text += " " + std::to_string(2 - 0.1 * i);
            text += "\r\n";
        }
        const std::string file = dir.write("line.dat", text);
        initialiseViewState(*s);
        w = std::make_unique<MainWindow>(*s);
        w->reporter().intercept = [this](const std::string& m) { messages.push_back(m); };
        w->resize(800, 600);
        w->show();
        QApplication::processEvents();
        w->chooseOpenFiles = [file] { return std::vector<std::string>{file}; };
        w->N10Click();
        ASSERT_EQ(s->table.nRows, 11);
    }
    QAction* action(const char* name) { return w->findChild<QAction*>(name); }
    // "Polynomial" with the dialog answered by `button` after filling `fields`.
    void polynomial(const Fields& fields, const char* button = "Button1") {
        PolynomialWindow& d = *w->polynomialWindow();
        pressWhenShown(d, button, [&d, fields] { fill(d, fields); });
        action("N1")->trigger();
    }
    QRgb pixel(int x, int y) const { return w->canvas().picture.pixel(x, y) | 0xff000000u; }
    int greenPixels() const {
        const QImage& img = w->canvas().cursorless;
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) n += (img.pixel(x, y) | 0xff000000u) == kGreen;
        return n;
    }
};

TEST_F(FitWindowFixture, PolynomialFitsDrawsTheCurveAndShowsTheCoefficients) {
    open(1);
    auto* n1 = action("N1");
    ASSERT_NE(n1, nullptr);
    EXPECT_TRUE(n1->isEnabled()) << "the drawing enables Polynomial";
    EXPECT_TRUE(w->findChild<QToolButton*>("SpeedButton16")->isEnabled());
    EXPECT_EQ(greenPixels(), 0);

    polynomial({{"Edit1", "1"}, {"Edit6", "0"}});
    ASSERT_TRUE(s->fitResult.fitOn);
    EXPECT_EQ(s->fit.polyDeg, 1);
    EXPECT_NEAR(double(s->fitResult.fitCoef[1][1]), lineAt(5), 1e-12);  // T_mean = 5
    EXPECT_NEAR(double(s->fitResult.fitCoef[2][1]), 0.5, 1e-12);
    EXPECT_FALSE(w->polynomialWindow()->isVisible());
    // The curve where the mapping puts it, with its band.
    const int x = plotX(s->view, 4.25L);
    EXPECT_EQ(pixel(x, panelY(*s, 1, lineAt(4.25))), kBlack);
    EXPECT_GT(greenPixels(), 300);

    action("coefficientsofapolynomial1")->trigger();
    auto* form29 = w->findChild<QDialog*>("TForm29");
    ASSERT_NE(form29, nullptr);
    EXPECT_TRUE(form29->isVisible());
    EXPECT_FALSE(form29->isModal());
    EXPECT_EQ(form29->windowTitle(), "Coefficients of the fit");
    QString koef = QString::fromStdString(test::readFile(dir.file("koef.info")));
    ASSERT_FALSE(koef.isEmpty());
    EXPECT_TRUE(koef.contains("T_mean"));
    EXPECT_EQ(form29->findChild<QPlainTextEdit*>("Memo1")->toPlainText(),
              koef.replace("\r\n", "\n"));
    EXPECT_TRUE(messages.empty());

    // Polynomial again hides the fit; the coefficients then need a fit.
    n1->trigger();
    EXPECT_FALSE(s->fitResult.fitOn);
    EXPECT_EQ(greenPixels(), 0);
    action("coefficientsofapolynomial1")->trigger();
    EXPECT_EQ(messages, std::vector<std::string>{"The polynomial was not calculated "});
}

TEST_F(FitWindowFixture, CancelKeepsTheEarlierCurveAndAFailedFitSaysWhyInTheStatusLine) {
    open(1);
    polynomial({{"Edit1", "1"}, {"Edit6", "0"}});
    action("N1")->trigger();  // off
    polynomial({{"Edit1", "4"}}, "Button2");
    EXPECT_TRUE(s->fitResult.fitOn) << "Cancel leaves the fit on";
    EXPECT_EQ(s->fit.polyDeg, 1);
    EXPECT_GT(greenPixels(), 300);

    action("N1")->trigger();        // off
    polynomial({{"Edit1", "12"}});  // 13 parameters for 11 points
    EXPECT_EQ(w->findChild<QLabel*>("Label8")->text(),
              "No channel fitted: too few points for the number of parameters");
}

TEST_F(FitWindowFixture, ApproximationButtonFitsAgainWithTheStoredModel) {
    open(1);
    polynomial({{"Edit1", "1"}, {"Edit6", "0"}});
    s->table.obs(6, 1) += 1.1L;  // the point at t = T_mean: only the level moves, by 1.1/11
    w->findChild<QToolButton*>("SpeedButton16")->click();
    EXPECT_NEAR(double(s->fitResult.fitCoef[1][1]), lineAt(5) + 0.1, 1e-12);
    EXPECT_NEAR(double(s->fitResult.fitCoef[2][1]), 0.5, 1e-12);
    EXPECT_TRUE(s->workChanged);
}

TEST_F(FitWindowFixture, DetrendingSubtractsTheFitFromChannelOne) {
    // clang-format off
    struct Case {
        const char* action;
        double (*left)(int i);  // channel 1 at t = i afterwards
    } cases[] = {
        {"otbelivanie1", [](int i) { return residual(i); }},
        {"Detrending1", [](int i) { return lineAt(5) + residual(i); }},  // the slope term only
    };
    // clang-format on
    open(1);
    for (const Case& c : cases) {
        w->N10Click();  // the original values again
        polynomial({{"Edit1", "1"}, {"Edit6", "0"}});
        action(c.action)->trigger();
        EXPECT_FALSE(s->fitResult.fitOn) << c.action;
        for (int r = 1; r <= 11; ++r)
            EXPECT_NEAR(double(s->table.obs(r, 1)), c.left(r - 1), 1e-6) << c.action;
        EXPECT_EQ(greenPixels(), 0);
    }
}

TEST_F(FitWindowFixture, ColoursFromTheFitsBecomeNewChannels) {
    open(3);
    polynomial({{"Edit1", "1"}, {"Edit6", "0"}});
    action("N1")->trigger();  // the command fits every channel itself
    action("Addcolorsaschanelsuseaproxymations1")->trigger();
    EXPECT_EQ(s->table.nChan, 5);
    auto* spin = w->findChild<QSpinBox*>("spinedit1");
    EXPECT_EQ(spin->value(), 5);
    EXPECT_EQ(spin->maximum(), 5);
    EXPECT_FALSE(s->fitResult.fitOn);
    for (int r = 1; r <= 11; ++r) {
        const double t = r - 1;
        EXPECT_NEAR(double(s->table.obs(r, 4)), lineAt(t) - (1 + 0.2 * t), 1e-6);  // fit 1 - fit 2
        EXPECT_NEAR(double(s->table.obs(r, 5)), (1 + 0.2 * t) - (2 - 0.1 * t), 1e-6);
    }
}

TEST_F(FitWindowFixture, ApproximationMenuHoldsItsItemsInOrder) {
    open(1);
    auto* menu = w->findChild<QMenu*>("Approximation1");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "&Approximation");
    QStringList names;
    for (QAction* a : menu->actions()) names << a->objectName();
    EXPECT_EQ(names,
              (QStringList{"N1", "coefficientsofapolynomial1", "saveapproxymation1",
                           "saveorijianl1", "otbelivanie1", "Detrending1",
                           "Addcolorsaschanelsuseaproxymations1", "saveapproximation05151"}));
    auto* phase = action("saveapproximation05151");
    phase->trigger();
    EXPECT_TRUE(s->fit.saveapproximation05151);
    EXPECT_TRUE(phase->isChecked());
    phase->trigger();
    EXPECT_FALSE(s->fit.saveapproximation05151);
    EXPECT_FALSE(phase->isChecked());

    polynomial({{"Edit1", "1"}, {"Edit6", "0"}});
    action("saveapproxymation1")->trigger();
    const std::string grid = test::readFile(dir.file("aproxy.dat"));
    EXPECT_EQ(std::count(grid.begin(), grid.end(), '\n'), 3 * 11 + 1);  // N = 3 nRows intervals
    action("saveorijianl1")->trigger();
    const std::string rows = test::readFile(dir.file("aproxy.dat"));
    EXPECT_EQ(std::count(rows.begin(), rows.end(), '\n'), 11);
}

}  // namespace
}  // namespace zyt
