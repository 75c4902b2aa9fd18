#include <gtest/gtest.h>

#include "run/CBoundarytype.h"
#include "run/Cdataseries.h"
#include "run/Csourceheat.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace vardex {
namespace {

using testing::crlf;

struct SeriesFixture {
    testing::TempDir dir;
    testing::ScriptedDialogs dialogs;
    AppState app{dialogs, {dir.path()}};
    SeriesFixture() {
        app.config.testing = true;
        dialogs.messages.clear();
    }
};

TEST(SourceSeries, TitleLineOrZeroBeforeTheCount) {
    for (const char* first : {"Adiabatic heat, mix 4", "0"}) {
        SeriesFixture f;
        Csourceheat src;
        src.timeSeriesFile =
            f.dir.write("heat.ts", crlf({first, "3", "0, 0", "12,150", "48, 260.5"}));
        ASSERT_TRUE(src.read_sourceTS(f.app)) << first;
        EXPECT_TRUE(src.timeSeriesFlag);
        EXPECT_EQ(src.numberOfPoints, 3);
        EXPECT_EQ(src.g_tsTime(2), 12);
        EXPECT_EQ(src.g_tsHeat(3), 260.5f);
        EXPECT_EQ(src.g_tsHeat(4), 0);
        EXPECT_EQ(f.app.config.DataDir, f.dir.path());
        EXPECT_TRUE(f.dialogs.messages.empty());
    }
}

TEST(SourceSeries, ShortFileReportsTheAnnouncedCountAndKeepsThePoints) {
    SeriesFixture f;
    Csourceheat src;
    src.timeSeriesFile = f.dir.write("short.ts", crlf({"24", "0,0", "1,5"}));
    EXPECT_FALSE(src.read_sourceTS(f.app));
    EXPECT_EQ(f.dialogs.messageTexts(),
              std::vector<std::string>{"24 not a good sourceTS file\r\n" + src.timeSeriesFile});
    EXPECT_TRUE(src.timeSeriesFlag);
    EXPECT_EQ(src.g_tsHeat(2), 5);
}

TEST(SourceSeries, MoreThanTheSlotsHoldOrTextPointsAreUnreadable) {
    SeriesFixture f;
    Csourceheat src;
    std::string many = "101\r\n";
    for (int i = 0; i < 101; ++i) many += std::to_string(i) + ",1\r\n";
    src.timeSeriesFile = f.dir.write("many.ts", many);
    EXPECT_FALSE(src.read_sourceTS(f.app));
    src.timeSeriesFile = f.dir.write("text.ts", crlf({"2", "0,zero", "1,1"}));
    EXPECT_FALSE(src.read_sourceTS(f.app));
    EXPECT_EQ(f.dialogs.messages.size(), 2u);
    EXPECT_THROW(src.g_tsTime(101), std::out_of_range);
}

TEST(BoundarySeries, TwoPointsAreExtendedAlongTheirSlopeOverTheRun) {
    SeriesFixture f;
    CBoundarytype b;
    b.bndyTSfile = f.dir.write("air.ts", crlf({"2", "0, 20", "10,25"}));
    b.read_bndyTS(f.app, 0, 96);
    ASSERT_EQ(b.bndyTSpoints, 4);
    EXPECT_TRUE(b.loaded);
    std::vector<float> times, temps;
    for (int k = 1; k <= 4; ++k) {
        times.push_back(b.g_tsTime(k));
        temps.push_back(b.g_tsTemp(k));
    }
    EXPECT_EQ(times, (std::vector<float>{-1, 55, 111, 167}));
    EXPECT_EQ(temps, (std::vector<float>{20, 48, 76, 104}));
}

TEST(BoundarySeries, LongOrLateSeriesAreKeptAsTheyAre) {
    SeriesFixture f;
    CBoundarytype late;
    late.bndyTSfile = f.dir.write("late.ts", crlf({"3", "0,20", "50,21", "120,22"}));
    late.read_bndyTS(f.app, 0, 96);
    EXPECT_EQ(late.bndyTSpoints, 3);
    EXPECT_EQ(late.g_tsTime(3), 120);

    CBoundarytype five;
    five.bndyTSfile = f.dir.write("five.ts", crlf({"5", "0,1", "1,2", "2,3", "3,4", "4,5"}));
    five.read_bndyTS(f.app, 0, 96);
    EXPECT_EQ(five.bndyTSpoints, 5);
    EXPECT_EQ(five.g_tsTemp(5), 5);

    CBoundarytype one;
    one.bndyTSfile = f.dir.write("one.ts", crlf({"1", "0,18"}));
    one.read_bndyTS(f.app, 0, 200);
    EXPECT_EQ(one.bndyTSpoints, 4); // flat: the slope of one point is 0
    EXPECT_EQ(one.g_tsTemp(4), 18);
    EXPECT_EQ(one.g_tsTime(4), -1 + 3 * 74); // tEnd = 220, step = round(221 / 3)
}

TEST(BoundarySeries, ShortFileNamesTheMissingPointAndUnsettlesTheRecord) {
    SeriesFixture f;
    CBoundarytype b;
    b.flagReady = true;
    b.bndyTSfile = f.dir.write("cut.ts", crlf({"3", "0,20", "10,25"}));
    b.read_bndyTS(f.app, 0, 96);
    EXPECT_FALSE(b.flagReady);
    EXPECT_FALSE(b.loaded);
    EXPECT_EQ(f.dialogs.messageTexts(),
              std::vector<std::string>{" not a good boundaryTS file 3\r\n" + b.bndyTSfile});
}

TEST(BoundarySeries, MoreThanNinetyNinePointsAreUnreadable) {
    SeriesFixture f;
    CBoundarytype b;
    std::string many = "100\r\n";
    for (int i = 0; i < 100; ++i) many += std::to_string(i) + ", 1\r\n";
    b.bndyTSfile = f.dir.write("many.ts", many);
    b.read_bndyTS(f.app, 0, 96);
    EXPECT_FALSE(b.loaded);
    EXPECT_EQ(f.dialogs.messages.at(0).text, " not a good boundaryTS file 100\r\n" + b.bndyTSfile);
}

TEST(GenericSeries, PointsWithOrWithoutBlankAfterTheCommaReadAlike) {
    SeriesFixture f;
    Cdataseries s;
    ASSERT_TRUE(s.read_TSfile(f.app, f.dir.write("g.ts", crlf({"3", "1,2", "3, 4", "5 ,6"}))));
    ASSERT_EQ(s.points, 3);
    EXPECT_EQ(s.series[1].time, 3);
    EXPECT_EQ(s.series[1].value, 4);
    EXPECT_EQ(s.series[2].value, 6);
    EXPECT_EQ(f.app.config.DataPath, f.dir.file("g.ts"));
    EXPECT_FALSE(s.read_TSfile(f.app, f.dir.file("none.ts")));
}

TEST(TimeSeries, APointThatDoesNotFitAFloatIsUnreadableInEverySeries) {
    for (const char* point : {"12, 1E+39", "1E+400, 3", "-4E+38,1"}) {
        SeriesFixture f;
        Csourceheat src;
        src.timeSeriesFile = f.dir.write("heat.ts", crlf({"3", "0, 0", point, "48, 260.5"}));
        EXPECT_FALSE(src.read_sourceTS(f.app)) << point;
        EXPECT_EQ(src.numberOfPoints, 1) << point;

        CBoundarytype bound;
        bound.bndyTSfile = src.timeSeriesFile;
        bound.read_bndyTS(f.app, 0, 96);
        EXPECT_FALSE(bound.loaded) << point;
        EXPECT_EQ(bound.bndyTSpoints, 1) << point;

        Cdataseries data;
        EXPECT_FALSE(data.read_TSfile(f.app, src.timeSeriesFile)) << point;
        EXPECT_EQ(data.points, 1) << point;
        EXPECT_EQ(f.dialogs.messages.size(), 3u) << point;
    }
}

TEST(BoundarySeries, AnExtensionBeyondTheRangeOfAFloatIsUnreadable) {
    SeriesFixture f;
    CBoundarytype bound;
    bound.bndyTSfile = f.dir.write("two.ts", crlf({"2", "0, 10", "1, 3E+38"}));
    bound.read_bndyTS(f.app, 0, 96);
    EXPECT_FALSE(bound.loaded);
    EXPECT_EQ(f.dialogs.messages.size(), 1u);
}

} // namespace
} // namespace vardex
