// The histories and the thermal-limit table read what a run collected.

#include <gtest/gtest.h>

#include "exec/TemperatureHistories.h"
#include "exec/ThermalLimits.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace vardex {
namespace {

using testing::crlf;

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

TEST(TemperatureHistories, EachRecordedPointBecomesOneSeriesNamedByItsPlace) {
    testing::TempDir dir;
    testing::ScriptedDialogs dialogs;
    std::string one =
        dir.write("TSeries.1",
                  crlf({"3", "0,20.00000,15.00000", "1.5,24.25000,15.5", "3,30.00000,16.00000"}));
    std::string two = dir.write("TSeries.2", crlf({"2", "0,20.00000", "3,28.00000"}));
    TemperatureHistories histories(dialogs);
    ASSERT_TRUE(histories.load(
        {{1, one, {pointLabel(1, "centre", 0.4, 0.4, 1.25), pointLabel(1, "point 1", 0.05, 0, 2)}},
         {2, two, {pointLabel(2, "centre", 0.4, 0.4, 3.75)}}}));
    const std::vector<HistorySeries>& s = histories.series();
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[0].label, "chunk 1 centre (0.4, 0.4, 1.25 m)");
    EXPECT_EQ(s[1].label, "chunk 1 point 1 (0.05, 0, 2 m)");
    EXPECT_EQ(s[1].time, (std::vector<double>{0, 1.5, 3}));
    EXPECT_EQ(s[1].temperature, (std::vector<double>{15, 15.5, 16}));
    EXPECT_EQ(s[2].temperature, (std::vector<double>{20, 28}));
    EXPECT_TRUE(dialogs.messages.empty());

    // In US units the places read in feet (1.25 m = 4.101 ft); the CSV stays in metres.
    DisplayUnits us;
    us.set(UnitSystem::US);
    EXPECT_EQ(s[0].place.text(us), "chunk 1 centre (1.312, 1.312, 4.101 ft)");

    std::vector<std::string> csv = histories.csvLines();
    ASSERT_EQ(csv.size(), 1u + 3 + 3 + 2);
    EXPECT_EQ(csv[0], "series,time (h),temperature (C)");
    EXPECT_EQ(csv[2], "\"chunk 1 centre (0.4, 0.4, 1.25 m)\",1.5,24.25");
    EXPECT_EQ(csv[8], "\"chunk 2 centre (0.4, 0.4, 3.75 m)\",3,28");

    dialogs.fileAnswers = {dir.file("histories.csv")};
    ASSERT_TRUE(histories.exportCsv());
    EXPECT_EQ(dir.read("histories.csv"), joined(csv));
}

TEST(TemperatureHistories, ADamagedOrMissingHistoryIsNamedAndTheOthersAreShown) {
    testing::TempDir dir;
    testing::ScriptedDialogs dialogs;
    std::string good = dir.write("TSeries.1", crlf({"1", "0,20"}));
    std::string ragged = dir.write("TSeries.2", crlf({"2", "0,20,21", "3,28"}));
    std::string shortFile = dir.write("TSeries.3", crlf({"4", "0,20"}));
    TemperatureHistories histories(dialogs);
    ASSERT_TRUE(histories.load(
        {{1, good, {}}, {2, ragged, {}}, {3, shortFile, {}}, {5, dir.file("TSeries.5"), {}}}));
    ASSERT_EQ(histories.series().size(), 1u);
    EXPECT_EQ(histories.series()[0].label, "chunk 1 column 1");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    for (const char* name : {"TSeries.2", "TSeries.3", "TSeries.5"})
        EXPECT_NE(dialogs.messages[0].text.find(name), std::string::npos) << name;
    EXPECT_EQ(dialogs.messages[0].title, "Temperature histories");

    // Nothing readable: nothing replaces what was shown.
    EXPECT_FALSE(histories.load({{2, ragged, {}}}));
    EXPECT_EQ(histories.series().size(), 1u);
}

TEST(TemperatureHistories, TheTimeAxisCountsInHoursDaysOrWeeksWithAtMostTenIntervals) {
    // The bundled block's 176.3 h in days; a 40 h zoom in 6 h; a short run in quarter hours; a
    // season in whole weeks.
    EXPECT_EQ(timeTickInterval(176.3), 24);
    EXPECT_EQ(timeTickInterval(40), 6);
    EXPECT_EQ(timeTickInterval(2), 0.25);
    EXPECT_EQ(timeTickInterval(1680), 168);
    EXPECT_EQ(timeTickInterval(4000), 504);
    for (double span : {0.1, 1.0, 7.0, 30.0, 100.0, 500.0, 2000.0, 20000.0})
        EXPECT_LE(span / timeTickInterval(span), 10.0) << span;
}

// Summary lines: time, peak, its cell, difference, core cell, surface cell.
std::string summaryText(const std::vector<std::string>& rows) {
    std::vector<std::string> lines{std::to_string(rows.size())};
    lines.insert(lines.end(), rows.begin(), rows.end());
    return joined(lines);
}

TEST(ThermalLimits, EachChunkKeepsItsPeaksAndTheirTimesAndExceededLimitsAreMarked) {
    testing::TempDir dir;
    testing::ScriptedDialogs dialogs;
    std::string one =
        dir.write("Summary.1", summaryText({"0,20.00000,1,1,1,0.00000,0,0,0,0,0,0",
                                            "12,71.50000,3,2,4,8.00000,3,2,4,1,2,4",
                                            "24,69.00000,3,2,4,21.25000,3,2,4,1,2,4",
                                            "36,60.00000,3,2,4,19.00000,3,2,4,1,2,4"}));
    std::string two =
        dir.write("Summary.2", summaryText({"0,20.00000,1,1,1,0.00000,0,0,0,0,0,0",
                                            "24,55.00000,2,2,2,12.00000,2,2,2,1,2,2"}));
    ThermalLimits table(dialogs);
    ASSERT_TRUE(table.load({one, two}));
    ASSERT_EQ(table.rows().size(), 2u);
    const ChunkPeaks& a = table.rows()[0];
    EXPECT_EQ(a.chunk, 1);
    EXPECT_EQ(a.peak, 71.5);
    EXPECT_EQ(a.peakTime, 12);
    EXPECT_EQ(a.peakCell[0], 3);
    EXPECT_EQ(a.peakCell[2], 4);
    EXPECT_EQ(a.difference, 21.25);
    EXPECT_EQ(a.differenceTime, 24);
    // Defaults 70 C and 20 C: chunk 1 exceeds both, chunk 2 neither.
    EXPECT_TRUE(table.temperatureExceeded(a));
    EXPECT_TRUE(table.differenceExceeded(a));
    EXPECT_FALSE(table.temperatureExceeded(table.rows()[1]));
    EXPECT_FALSE(table.differenceExceeded(table.rows()[1]));
    table.limits = {75, 25};
    EXPECT_FALSE(table.anyExceeded());
    table.limits.maxDifference = 11.5;
    EXPECT_TRUE(table.differenceExceeded(table.rows()[1]));

    std::vector<std::string> csv = table.csvLines();
    ASSERT_EQ(csv.size(), 3u);
    EXPECT_EQ(csv[1], "1,71.5,12,3,2,4,21.25,24,75,no,11.5,yes");
    EXPECT_EQ(csv[2], "2,55,24,2,2,2,12,24,75,no,11.5,yes");
    dialogs.fileAnswers = {""};
    EXPECT_FALSE(table.exportCsv()); // cancelled: nothing written, nothing said
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(ThermalLimits, TheTableIsShownInTheProgramsUnitsAndItsCsvStaysInSi) {
    testing::TempDir dir;
    testing::ScriptedDialogs dialogs;
    std::string one =
        dir.write("Summary.1", summaryText({"0,20.00000,1,1,1,0.00000,0,0,0,0,0,0",
                                            "12,71.50000,3,2,4,21.25000,3,2,4,1,2,4"}));
    ThermalLimits table(dialogs);
    ASSERT_TRUE(table.load({one}));
    DisplayUnits units;
    using Row = std::array<std::string, ThermalLimits::kColumns>;
    EXPECT_EQ(table.rowTexts(units)[0],
              (Row{"1", "71.50  exceeds 70.0", "12.0", "3, 2, 4", "21.25  exceeds 20.0", "12.0"}));
    EXPECT_EQ(ThermalLimits::headers(units)[1], "Peak temperature (\u00B0C)");
    // 71.5 C = 160.7 F, a difference of 21.25 K = 38.25 F; the limits 70 C = 158 F and
    // 20 K = 36 F. Times and cells keep their units.
    units.set(UnitSystem::US);
    EXPECT_EQ(table.rowTexts(units)[0], (Row{"1", "160.70  exceeds 158.0", "12.0", "3, 2, 4",
                                             "38.25  exceeds 36.0", "12.0"}));
    EXPECT_EQ(ThermalLimits::headers(units)[1], "Peak temperature (\u00B0F)");
    EXPECT_EQ(ThermalLimits::headers(units)[4], "Peak difference (\u00B0F)");
    // A limit typed in Fahrenheit is kept in Celsius: 163.4 F = 73 C, above the peak.
    table.limits.maxTemperature = units.celsiusFrom(163.4);
    EXPECT_NEAR(table.limits.maxTemperature, 73, 1e-9);
    EXPECT_EQ(table.rowTexts(units)[0][1], "160.70");
    EXPECT_EQ(table.csvLines()[1].substr(0, 13), "1,71.5,12,3,2");
}

TEST(ThermalLimits, ATruncatedSummaryIsReportedNotReadAsZeros) {
    testing::TempDir dir;
    testing::ScriptedDialogs dialogs;
    std::string cut = dir.write(
        "Summary.1", crlf({"2", "0,20.00000,1,1,1,0.00000,0,0,0,0,0,0", "12,71.50000,3,2"}));
    ThermalLimits table(dialogs);
    EXPECT_FALSE(table.load({cut}));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].text.find("Summary.1"), std::string::npos);
    EXPECT_TRUE(table.rows().empty());
}

} // namespace
} // namespace vardex
