// The bundled example data opens cleanly, as run.sh lays it out.

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "mainwindow/mdifrmMain.h"
#include "run/CBoundarytype.h"
#include "run/Cdataseries.h"
#include "run/Csourceheat.h"
#include "section/Cgeom.h"
#include "submodel/ProfileFile.h"
#include "support/AppFixture.h"
#include "support/Doubles.h"
#include "support/Examples.h"

namespace vardex {
namespace {

using testing::layOutExamples;

TEST(ExampleData, TheExampleModelOpensWithItsTypesAndSections) {
    testing::AppFixture f;
    std::string data = f.home.file("data");
    layOutExamples(data);
    testing::RecordingSettingsStore settings;
    mdifrmMain main(f.app, settings);
    main.load();
    f.dialogs.fileAnswers = {data + "/pier.mod"};
    main.openModel();
    EXPECT_TRUE(f.dialogs.messages.empty()) << f.dialogs.messages.at(0).text;
    EXPECT_EQ(main.state().cboprofilename.items,
              (std::vector<std::string>{"Footing on rock", "Column"}));
    EXPECT_EQ(f.app.chunkList, (std::vector<std::int16_t>{1, 2, 2}));
    EXPECT_FLOAT_EQ(main.builder().model().totalLength, 9.5f);

    for (const char* profile : {"footing.prf", "column.prf"}) {
        ProfileSectionChoices choices;
        ProfileRead read = readProfile(f.app, data + "/" + profile, "name=", &choices);
        EXPECT_EQ(read.sectionsRead, read.record->scount) << profile;
        for (const auto& section : read.record->palette)
            EXPECT_NE(section->Sectionfile, "ERROR") << profile;
    }
    EXPECT_TRUE(f.dialogs.messages.empty());
    Cgeom materials(f.app);
    materials.read_Matfile(data + "/materials.mts");
    EXPECT_EQ(materials.m_count(), 4);
}

TEST(ExampleData, TheTimeSeriesReadAsHeatAirAndSoilSeries) {
    testing::AppFixture f;
    std::string data = f.home.file("data");
    layOutExamples(data);
    Csourceheat heat;
    heat.timeSeriesFile = data + "/heat.ts";
    ASSERT_TRUE(heat.read_sourceTS(f.app));
    EXPECT_EQ(heat.numberOfPoints, 20);
    EXPECT_EQ(heat.g_tsHeat(1), 0.0f);
    for (int k = 2; k <= 20; ++k) EXPECT_GT(heat.g_tsHeat(k), heat.g_tsHeat(k - 1)) << k;

    CBoundarytype air;
    air.bndyTSfile = data + "/air.ts";
    air.read_bndyTS(f.app, 0, 96);
    ASSERT_TRUE(air.loaded);
    EXPECT_EQ(air.bndyTSpoints, 33);
    EXPECT_EQ(air.g_tsTime(33), 96.0f);
    float low = 99, high = -99;
    for (int k = 1; k <= 33; ++k) {
        low = std::min(low, air.g_tsTemp(k));
        high = std::max(high, air.g_tsTemp(k));
    }
    EXPECT_NEAR(high - low, 14.0f, 0.2f); // a daily swing

    CBoundarytype soil;
    soil.bndyTSfile = data + "/soil.ts";
    soil.read_bndyTS(f.app, 0, 96);
    EXPECT_EQ(soil.bndyTSpoints, 2); // long enough for the run: not extended
    EXPECT_EQ(soil.g_tsTemp(1), soil.g_tsTemp(2));
    EXPECT_TRUE(f.dialogs.messages.empty());
}

} // namespace
} // namespace vardex
