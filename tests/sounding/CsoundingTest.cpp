// Reading sounding data files, the results file and the "&Data" commands.

#include <filesystem>

#include <gtest/gtest.h>

#include "app/Filters.h"
#include "sounding/Csounding.h"
#include "sounding/SoundingCommands.h"
#include "sounding/SoundingTrace.h"
#include "support/AppFixture.h"
#include "support/RecordingCanvas.h"
#include "text/NumberText.h"

namespace vardex {
namespace {

using testing::crlf;

// Header, then readings: date, time, depth at character 19, T1, T2, reference, T3, T4, valid.
const std::string kHeader = crlf({"Probe P-1", "DATE       TIME,DEPTH,T1,T2,REF,T3,T4,VALID"});

struct SoundingFixture : testing::AppFixture {
    std::string results = home.file("Output/sdgx.out");
    // Offset and slope prompts answered first.
    std::unique_ptr<Csounding> make() {
        dialogs.inputAnswers = {"5", "8"};
        return std::make_unique<Csounding>(dialogs);
    }
};

TEST(Csounding, CreationAsksForOffsetAndSlope) {
    SoundingFixture f;
    auto s = f.make();
    ASSERT_EQ(f.dialogs.prompts.size(), 2u);
    EXPECT_EQ(f.dialogs.prompts[0].prompt, "Enter a thermcouple voltage offset (mV):");
    EXPECT_EQ(f.dialogs.prompts[0].defaultText, "0");
    EXPECT_EQ(f.dialogs.prompts[1].prompt, "Enter a thermcouple voltage slope (deg/mV):");
    EXPECT_EQ(f.dialogs.prompts[1].defaultText, "7");
    EXPECT_DOUBLE_EQ(s->offset, 0.005);
    EXPECT_DOUBLE_EQ(s->slope, 8);
    EXPECT_EQ(s->highest, -10000);
    EXPECT_EQ(s->lowest, 10000);
    EXPECT_EQ(s->datapts(), 0);
}

TEST(Csounding, ReadsTheReadingsAfterTheHeaderAndWritesTheResultsFile) {
    SoundingFixture f;
    std::string path =
        f.home.write("a.sdg", kHeader + crlf({"05/21/2026 09:10, 0.5,10,10,0,11,11,True",
                                              "05/21/2026 09:12, 1.0,30,31,0,32,33,False",
                                              "2026-05-21 09:14, 1.0,20,20,99,20,20,True"}));
    auto s = f.make();
    ASSERT_EQ(s->read_sounding(path, f.results), SoundingRead::Read);
    // The line without "True" is skipped; field 4 is not a temperature.
    ASSERT_EQ(s->datapts(), 2);
    const CsdgDatum& first = *s->datums.item(1);
    EXPECT_DOUBLE_EQ(first.dDepth, 0.5);
    EXPECT_DOUBLE_EQ(first.dTemp3, 11);
    EXPECT_DOUBLE_EQ(first.dTime, 46163); // 21 May 2026 counted from 30 December 1899
    EXPECT_DOUBLE_EQ(s->datums.item(2)->dTime, 46163);
    EXPECT_EQ(s->highest, 20);
    EXPECT_EQ(s->lowest, 10.5);
    EXPECT_EQ(s->soundingfile, path);
    // The second reading's equal temperatures give no rotation: said, and written as 0.
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.dialogs.messages[0].text,
              "2  Finished rotating " + path +
                  "\r\n1 reading(s) without a temperature difference: rotation written as 0");
    // Depth, average, rotation, Z rotation, error: plain digits, three blanks between.
    EXPECT_EQ(testing::readFile(f.results), crlf({".5   10.5   45   0   0", "1   20   0   0   0"}));
}

TEST(Csounding, AFileWithoutDateReadsNothing) {
    SoundingFixture f;
    std::string path =
        f.home.write("a.sdg", crlf({"Probe P-1", "05/21/2026 09:10, 0.5,10,10,0,11,11,True"}));
    auto s = f.make();
    EXPECT_EQ(s->read_sounding(path, f.results), SoundingRead::NoReadings);
    EXPECT_EQ(s->datapts(), 0);
    EXPECT_EQ(f.dialogs.messageTexts(),
              std::vector<std::string>{"0  PROBLEM: sounding data file=" + path});
    EXPECT_FALSE(std::filesystem::exists(f.results));
}

TEST(Csounding, ALineWithoutItsCommasEndsTheReadingAndKeepsTheEarlierReadings) {
    SoundingFixture f;
    std::string path =
        f.home.write("a.sdg", kHeader + crlf({"05/21/2026 09:10, 0.5,10,10,0,11,11,True",
                                              "05/21/2026 09:12, 1.0,12,10,0,10,10,True",
                                              "05/21/2026 09:14, 1.5;20;20;0;20;20,True",
                                              "05/21/2026 09:16, 2.0,16,10,0,15,10,True"}));
    auto s = f.make();
    EXPECT_EQ(s->read_sounding(path, f.results), SoundingRead::Read);
    ASSERT_EQ(s->datapts(), 2);
    EXPECT_DOUBLE_EQ(s->datums.item(2)->dDepth, 1.0);
    EXPECT_EQ(f.dialogs.messageTexts(),
              std::vector<std::string>{"2  Finished rotating " + path +
                                       "\r\nThe reading stopped at line 5: fewer than six numbers "
                                       "separated by commas\r\n"
                                       "05/21/2026 09:14, 1.5;20;20;0;20;20,True"});
    EXPECT_EQ(testing::readFile(f.results),
              crlf({".5   10.5   45   0   0", "1   10.5   -31.717474411461   0   0"}));
}

TEST(Csounding, DatesWithOneOrTwoDigitMonthsAndDaysAreReadAndAnUnreadableOneIsNamed) {
    SoundingFixture f;
    std::string path =
        f.home.write("a.sdg", kHeader + crlf({"3/14/2026 09:10, 0.5,10,10,0,11,11,True",
                                              "03/4/2026 09:12, 1.0,12,10,0,10,10,True",
                                              "2026-3-15 09:14, 1.5,12,10,0,10,10,True",
                                              "13/45/2026 09:16, 2.0,12,10,0,10,10,True",
                                              "3/16/2026 09:18, 2.5,12,10,0,10,10,True"}));
    auto s = f.make();
    EXPECT_EQ(s->read_sounding(path, f.results), SoundingRead::Read);
    ASSERT_EQ(s->datapts(), 3);
    EXPECT_EQ(s->datums.item(1)->dTime, soundingDate("2026-03-14"));
    EXPECT_EQ(s->datums.item(2)->dTime, soundingDate("2026-03-04"));
    EXPECT_EQ(s->datums.item(3)->dTime, soundingDate("2026-03-15"));
    EXPECT_DOUBLE_EQ(s->datums.item(1)->dDepth, 0.5);
    EXPECT_DOUBLE_EQ(s->datums.item(3)->dTemp1, 12);
    EXPECT_EQ(f.dialogs.messageTexts(),
              std::vector<std::string>{"3  Finished rotating " + path +
                                       "\r\nThe reading stopped at line 6: the date "
                                       "\"13/45/2026\" is not a date\r\n"
                                       "13/45/2026 09:16, 2.0,12,10,0,10,10,True"});
}

TEST(SoundingDate, CountsDaysFromTheEndOf1899AndRefusesWhatIsNoDate) {
    EXPECT_EQ(soundingDate("12/31/1899"), 1);
    EXPECT_EQ(soundingDate("1/1/1900"), 2);
    EXPECT_EQ(soundingDate("2026-05-21"), soundingDate("5/21/2026"));
    EXPECT_EQ(soundingDate("2/29/2024") + 1, soundingDate("3/1/2024"));
    for (const char* bad : {"2/29/2026", "3/14/26", "123/1/2026", "3/14", "3-14-2026", "", "x/y/z",
                            "2026/3/14", "3/14/2026x"})
        EXPECT_THROW(soundingDate(bad), ReadError) << bad;
}

TEST(Csounding, AMissingFileIsSaidAndReadsNothing) {
    SoundingFixture f;
    auto s = f.make();
    EXPECT_EQ(s->read_sounding(f.home.file("none.sdg"), f.results), SoundingRead::NotOpened);
    EXPECT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(s->datapts(), 0);
}

TEST(SoundingTrace, NiceTicksCoverTheRangeInStepsOfOneTwoOrFive) {
    EXPECT_EQ(niceTicks(10, 30, 6), (std::vector<double>{10, 15, 20, 25, 30}));
    EXPECT_EQ(niceTicks(0, 6, 6), (std::vector<double>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(niceTicks(26.3, 41.9, 6), (std::vector<double>{25, 30, 35, 40, 45}));
    EXPECT_EQ(niceTicks(0, 0.9, 6).back(), 1.0); // steps of 0.2
    EXPECT_EQ(niceTicks(20, 20, 6).front(), 19); // one value: a span around it
}

TEST(SoundingTrace, PointsLieInsideAxesOfTemperatureAcrossAndDepthDown) {
    SoundingFixture f;
    std::string path =
        f.home.write("a.sdg", kHeader + crlf({"05/21/2026 09:10, 0.5,10,10,10,10,10,True",
                                              "05/21/2026 09:12, 1.0,30,30,30,30,30,True",
                                              "05/21/2026 09:14, 1.5,20,20,20,20,20,True",
                                              "05/21/2026 09:16, 2.0,20,20,20,20,20,True"}));
    auto s = f.make();
    s->read_sounding(path, f.results);
    const std::vector<TracePoint> points = tracePoints(*s);
    ASSERT_EQ(points.size(), 4u);
    EXPECT_EQ(points[1].depth, 1.0);
    EXPECT_EQ(points[1].temperature, 30);
    testing::RecordingCanvas canvas(400, 300);
    DisplayUnits units;
    drawSoundingTrace(points, canvas, units);
    // The frame: 64 px left for the depth labels, 44 on top for the temperatures, 24 and 16 at
    // the right and bottom. Temperature ticks 10..30 by 5 map 10 to 64 and 30 to 376; depth
    // ticks 0..2 by 0.5 map 0 to 44 and 2 to 284.
    const auto boxes = canvas.sinceClear(testing::DrawOp::Box);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].x1, 64);
    EXPECT_EQ(boxes[0].y2, 284);
    const auto dots = canvas.sinceClear(testing::DrawOp::Point);
    ASSERT_EQ(dots.size(), 4u);
    EXPECT_DOUBLE_EQ(dots[0].x1, 64);
    EXPECT_DOUBLE_EQ(dots[0].y1, 44 + 0.5 / 2 * 240);
    EXPECT_DOUBLE_EQ(dots[1].x1, 376);
    EXPECT_DOUBLE_EQ(dots[2].x1, 220);
    EXPECT_DOUBLE_EQ(dots[3].y1, 284);
    for (const auto& d : dots) {
        EXPECT_GE(d.x1, 64);
        EXPECT_LE(d.x1, 376);
        EXPECT_GE(d.y1, 44);
        EXPECT_LE(d.y1, 284);
    }
    std::vector<std::string> texts;
    for (const auto& t : canvas.sinceClear(testing::DrawOp::Text)) texts.push_back(t.text);
    EXPECT_EQ(texts,
              (std::vector<std::string>{"10", "15", "20", "25", "30", "0.0", "0.5", "1.0", "1.5",
                                        "2.0", "average temperature (\u00B0C)", "depth (m)"}));

    // In US units: 50..86 F across (ticks 50..90), 0..6.562 ft down (ticks 0..8), with those units
    // named.
    units.set(UnitSystem::US);
    drawSoundingTrace(points, canvas, units);
    texts.clear();
    for (const auto& t : canvas.sinceClear(testing::DrawOp::Text)) texts.push_back(t.text);
    EXPECT_EQ(texts[texts.size() - 2], "average temperature (\u00B0F)");
    EXPECT_EQ(texts.back(), "depth (ft)");
    for (const auto& d : canvas.sinceClear(testing::DrawOp::Point)) {
        EXPECT_GE(d.x1, 64);
        EXPECT_LE(d.x1, 376);
        EXPECT_GE(d.y1, 44);
        EXPECT_LE(d.y1, 284);
    }
}

TEST(SoundingCommands, AcquireTestAndDisplayTheBundledSounding) {
    SoundingFixture f;
    const std::string example = std::string(VARDEX_EXAMPLES_DIR) + "/probe.sdg";
    SoundingCommands commands(f.app);
    const Csounding* displayed = nullptr;
    int displays = 0;
    commands.openDisplay = [&](const Csounding* s) {
        displayed = s;
        ++displays;
    };

    commands.displaySounding(); // nothing acquired yet: the display has no sounding to draw
    EXPECT_EQ(displays, 1);
    EXPECT_EQ(displayed, nullptr);

    f.dialogs.fileAnswers = {example};
    f.dialogs.inputAnswers = {"0", "7"};
    commands.acquireSounding();
    ASSERT_EQ(f.dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(f.dialogs.fileRequests[0].request.filter, filters::kSounding);
    EXPECT_EQ(f.app.soundingFileName, example);
    ASSERT_NE(commands.sounding(), nullptr);
    EXPECT_EQ(commands.sounding()->datapts(), 12);
    EXPECT_EQ(f.dialogs.messageTexts(),
              std::vector<std::string>{"12  Finished rotating " + example});
    EXPECT_TRUE(std::filesystem::exists(f.app.fs.join(f.app.config.OutputDir, "sdgx.out")));

    commands.displaySounding();
    EXPECT_EQ(displayed, commands.sounding());

    // A cancelled dialog keeps the sounding; the next dialog starts at the current name.
    const Csounding* before = commands.sounding();
    commands.acquireSounding();
    EXPECT_EQ(f.dialogs.fileRequests.back().request.fileName, example);
    EXPECT_EQ(commands.sounding(), before);
    // A file without readings keeps it too.
    f.dialogs.fileAnswers = {f.home.write("empty.sdg", "nothing here\r\n")};
    f.dialogs.inputAnswers = {"0", "7"};
    commands.acquireSounding();
    EXPECT_EQ(commands.sounding(), before);
}

TEST(SoundingCommands, TestRotationsAsksForFourTemperaturesAndShowsTheRotation) {
    SoundingFixture f;
    SoundingCommands commands(f.app);
    f.dialogs.inputAnswers = {"16", "10", "15", "10"};
    commands.testRotations();
    ASSERT_EQ(f.dialogs.prompts.size(), 4u);
    EXPECT_EQ(f.dialogs.prompts[0].prompt, "enter temp at ( 0 , 0 ):");
    EXPECT_EQ(f.dialogs.prompts[1].prompt, "enter temp at ( 0 , 1 ):");
    EXPECT_EQ(f.dialogs.prompts[2].prompt, "enter temp at ( 1 , 1 ):");
    EXPECT_EQ(f.dialogs.prompts[3].prompt, "enter temp at ( 1 , 0 ):");
    EXPECT_EQ(f.dialogs.prompts[3].defaultText, "0");
    ASSERT_EQ(f.dialogs.messages.size(), 2u);
    EXPECT_EQ(f.dialogs.messages[0].text, "matrix:\r\n 16   10\r\n 10   15");
    EXPECT_EQ(f.dialogs.messages[1].text,
              " 3.25  -2.75\r\n-2.75   2.25\r\n  local rotation = -42.2736890060937");
}

} // namespace
} // namespace vardex
