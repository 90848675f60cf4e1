// Inputs the fuzz targets found, kept as fixtures under tests/data/fuzz.
#include <gtest/gtest.h>

#include <memory>

#include "core/Errors.h"
#include "io/Settings.h"
#include "support/TempDir.h"

namespace zyt {
namespace {

const std::string kFixtures = std::string(ZYT_TEST_DATA) + "/fuzz/";

// A settings number whose exponent is beyond the range read as infinity,
// and the writer then stored "+Inf", which no Open could read again.
TEST(FuzzFindings, SettingsNumberBeyondTheRangeIsRefusedNamingTheFile) {
    auto s = std::make_unique<State>();
    s->table.settingsPath = kFixtures + "settings_huge_exponent.ini";
    try {
        loadini(*s);
        FAIL() << "loaded";
    } catch (const IoError& e) {
        const std::string m = e.what();
        EXPECT_NE(m.find('"' + s->table.settingsPath + '"'), std::string::npos) << m;
        EXPECT_NE(m.find("out of range"), std::string::npos) << m;
    }
    EXPECT_EQ(s->red.compChan, 2);  // the group before the bad number was read
}

// Coordinates near the top of the range: multiplying before dividing
// overflowed when the settings were written.
TEST(FuzzFindings, HugeCoordinateIsWrittenSoThatItLoadsAgain) {
    test::TempDir dir;
    auto s = std::make_unique<State>();
    s->table.settingsPath = dir.file("zyt.ini");
    s->red.starRA = 1e4931L;
    s->red.siteLat = -1e4930L;
    saveini(*s);
    auto g = std::make_unique<State>();
    g->table.settingsPath = s->table.settingsPath;
    ASSERT_NO_THROW(loadini(*g));
    EXPECT_NEAR(double(g->red.starRA / s->red.starRA), 1.0, 1e-13);
    EXPECT_NEAR(double(g->red.siteLat / s->red.siteLat), 1.0, 1e-13);
}

// A comparison magnitude that fills its F(8,4) field stood glued to the
// star number, so "Open ini File" refused the file "Save ini File" wrote.
TEST(FuzzFindings, WeightsWithAFullMagnitudeFieldLoadAgain) {
    test::TempDir dir;
    auto s = std::make_unique<State>();
    openWeightsFile(*s, kFixtures + "weights_full_magnitude_field.ini");
    EXPECT_EQ(s->red.compMag, 100);
    const int compChan = s->red.compChan;
    for (const Extended mag : {Extended(100), Extended(-10), Extended(1000), Extended(-99.5L)}) {
        s->red.compMag = mag;
        const std::string name = saveWeightsFile(*s, dir.file("w"));
        auto g = std::make_unique<State>();
        ASSERT_NO_THROW(openWeightsFile(*g, name)) << double(mag);
        EXPECT_EQ(g->red.compChan, compChan);
        EXPECT_EQ(g->red.compMag, mag);
    }
    s->red.compChan = 2;
    s->red.compMag = 11.5L;  // the usual line keeps its layout
    EXPECT_NE(weightsText(*s).find("\r\n2 11.5000 =mcomp"), std::string::npos);
}

}  // namespace
}  // namespace zyt
