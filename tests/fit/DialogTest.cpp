#include <gtest/gtest.h>

#include "fit/FitFixture.h"
#include "fit/PolynomialDialog.h"
#include "support/TempDir.h"

namespace zyt {
namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t e = text.find("\r\n", pos);
        if (e == std::string::npos) break;
        out.push_back(text.substr(pos, e - pos));
        pos = e + 2;
    }
    return out;
}

TEST(PolynomialDialog, DefaultsActivationAndLabels) {
    auto s = std::make_unique<State>();
    PolynomialDialog d(*s);
    EXPECT_EQ(d.caption(), "Zyt: Polynomial");
    const std::pair<const char*, const char*> defaults[] = {
        {"Edit1", "0"}, {"Edit3", "1"}, {"Edit4", "3"}, {"Edit5", "7"},
        {"Edit6", "1"}, {"Edit7", "0"}, {"Edit8", "0"}};
    for (const auto& [edit, text] : defaults) EXPECT_EQ(d.field(edit), text) << edit;
    EXPECT_TRUE(d.checked(2));
    EXPECT_FALSE(d.checked(1));

    // "use sigma" without the value/error layout: cleared and disabled.
    s->fit.fitUseSigma = true;
    d.setField("Edit4", "0");
    d.setField("Edit7", "2");
    d.activate();
    EXPECT_FALSE(d.checked(5));
    EXPECT_FALSE(d.enabled(5));
    d.setChecked(5, true);
    EXPECT_FALSE(d.checked(5));
    EXPECT_EQ(d.field("Edit4"), "1");
    EXPECT_EQ(d.field("Edit7"), "0");
    s->menu.evenchanneliserror1 = true;
    d.activate();
    d.setChecked(5, true);
    EXPECT_TRUE(s->fit.fitUseSigma);

    s->le.lePeriod = 0.123456789012345678L;
    s->table.decimalSep = ',';
    d.labelDoubleClick(3);
    EXPECT_EQ(d.field("Edit5"), "0,123456789012346");
}

TEST(PolynomialDialog, OkStoresTheModelAndWritesTenLines) {
    test::TempDir dir;
    auto s = std::make_unique<State>();
    s->table.settingsPath = dir.file("zyt.ini");
    PolynomialDialog d(*s);
    d.setField("Edit1", "2");
    d.setField("Edit3", "0.5");
    d.setField("Edit6", "3");
    d.setField("Edit4", "0");  // a zero period becomes 1 with degree 0
    d.setField("Edit7", "4");
    EXPECT_EQ(d.ok(), "");
    EXPECT_EQ(s->fit.polyDeg, 2);
    EXPECT_EQ(s->fit.fitPeriod1, 0.5L);
    EXPECT_EQ(s->fit.fitOmega1, kTwoPi / 0.5L);
    EXPECT_EQ(s->fit.trigDeg1, 3);
    EXPECT_EQ(s->fit.fitPeriod2, 1);
    EXPECT_EQ(s->fit.trigDeg2, 0);
    EXPECT_EQ(s->fit.fitPeriod3, 7);
    const auto l = lines(test::readFile(s->table.settingsPath));
    ASSERT_EQ(l.size(), 10u);
    EXPECT_EQ(l[5], "2");
    EXPECT_EQ(l[6], " 5.00000000000000E-0001 3");

    // The decimal character replaces ',' and '.' in the period fields.
    s->table.decimalSep = ',';
    d.setField("Edit3", "0.25");
    EXPECT_EQ(d.ok(), "");
    EXPECT_EQ(d.field("Edit3"), "0,25");
    EXPECT_EQ(s->fit.fitPeriod1, 0.25L);
}

TEST(PolynomialDialog, RefusalsLeaveTheModel) {
    auto s = std::make_unique<State>();
    PolynomialDialog d(*s);
    struct Case {
        const char* edit;
        const char* text;
    };
    const Case bad[] = {
        {"Edit1", "x"}, {"Edit1", "1.5"}, {"Edit3", "1..2"}, {"Edit8", ""}, {"Edit6", "-1"}};
    for (const Case& c : bad) {
        const std::string before = d.field(c.edit);
        d.setField(c.edit, c.text);
        EXPECT_NE(d.ok(), "") << c.edit << "=" << c.text;
        EXPECT_EQ(s->fit.trigDeg1, 0);
        d.setField(c.edit, before);
    }
    EXPECT_EQ(d.caption(), "Zyt: Polynomial");

    // 2 + 1 + 2*9 = 21 parameters, refused even in symmetric mode.
    d.setChecked(1, true);
    d.setField("Edit1", "2");
    for (const char* e : {"Edit6", "Edit7", "Edit8"}) d.setField(e, "3");
    EXPECT_EQ(d.ok(), "уменьшите ранг полинома");
    EXPECT_EQ(d.caption(), "уменьшите ранг полинома");
    EXPECT_EQ(s->fit.polyDeg, 0);
    d.setField("Edit8", "2");  // 19
    EXPECT_EQ(d.ok(), "");
    EXPECT_EQ(s->fit.trigDeg3, 2);
}

}  // namespace
}  // namespace zyt
