// The result readers trust no count and no number: a count or a cell that does not fit is a read
// failure naming it, never a crash, a quiet 0 or a wrapped integer.

#include <gtest/gtest.h>

#include "exec/TemperatureHistories.h"
#include "exec/ThermalLimits.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace vardex {
namespace {

using testing::crlf;

struct BadFile {
    const char* name;
    std::string text;
    const char* reason;
};

// The reason a history file is refused, as the histories window reports it.
std::string historyProblem(const std::string& text) {
    testing::TempDir dir;
    testing::ScriptedDialogs dialogs;
    TemperatureHistories histories(dialogs);
    EXPECT_FALSE(histories.load({{1, dir.write("TSeries.1", text), {"centre"}}}));
    EXPECT_TRUE(histories.series().empty());
    return dialogs.messages.size() == 1 ? dialogs.messages[0].text : "no single message";
}

// The same for a summary file and the thermal-limit table.
std::string summaryProblem(const std::string& text) {
    testing::TempDir dir;
    testing::ScriptedDialogs dialogs;
    ThermalLimits table(dialogs);
    EXPECT_FALSE(table.load({dir.write("Summary.1", text)}));
    EXPECT_TRUE(table.rows().empty());
    return dialogs.messages.size() == 1 ? dialogs.messages[0].text : "no single message";
}

const char* const kRow = "0,20.00000,1,1,1,0.00000,0,0,0,0,0,0";

TEST(ResultCounts, AHistoryCountThatDoesNotFitOrIsNotThereIsAReadFailure) {
    const BadFile cases[] = {
        {"beyond an int", crlf({"3000000000", "0,20", "3,28"}),
         "the count of time points, 3000000000, is not a whole number from 1 to 2147483647"},
        {"the largest int, two points there", crlf({"2147483647", "0,20", "3,28"}),
         "the file ends after 2 of the 2147483647 time points it announces"},
        {"more than there are", crlf({"5", "0,20", "", "3,28"}),
         "the file ends after 2 of the 5 time points it announces"},
        {"not whole", crlf({"2.5", "0,20", "3,28"}), "the count of time points, 2.5,"},
        {"none", crlf({"0"}), "the count of time points, 0,"},
        {"negative", crlf({"-3", "0,20"}), "the count of time points, -3,"},
    };
    for (const BadFile& c : cases) {
        const std::string problem = historyProblem(c.text);
        EXPECT_NE(problem.find(c.reason), std::string::npos) << c.name << ": " << problem;
        EXPECT_NE(problem.find("TSeries.1"), std::string::npos) << c.name << ": " << problem;
    }
}

TEST(ResultCounts, ASummaryCountOrCellThatDoesNotFitIsAReadFailureNotAPeakOfZero) {
    const BadFile cases[] = {
        {"count beyond an int", crlf({"3000000000", kRow}),
         "the count of time points, 3000000000, is not a whole number from 1 to 2147483647"},
        {"the largest int, one point there", crlf({"2147483647", kRow}),
         "the file ends after 1 of the 2147483647 time points it announces"},
        {"a cell beyond an int", crlf({"1", "0,20.00000,1E+10,1,1,0.00000,0,0,0,0,0,0"}),
         "a cell index, 10000000000, is not a whole number from 0 to 2147483647"},
        {"a negative cell", crlf({"1", "0,20.00000,1,-2,1,0.00000,0,0,0,0,0,0"}),
         "a cell index, -2,"},
        {"a cell between two", crlf({"1", "0,20.00000,1,1,2.5,0.00000,0,0,0,0,0,0"}),
         "a cell index, 2.5,"},
    };
    for (const BadFile& c : cases) {
        const std::string problem = summaryProblem(c.text);
        EXPECT_NE(problem.find(c.reason), std::string::npos) << c.name << ": " << problem;
        EXPECT_NE(problem.find("Summary.1"), std::string::npos) << c.name << ": " << problem;
    }
}

TEST(ResultCounts, LargeButFittingNumbersReadAsWritten) {
    testing::TempDir dir;
    testing::ScriptedDialogs dialogs;
    ThermalLimits table(dialogs);
    ASSERT_TRUE(table.load(
        {dir.write("Summary.1", crlf({"1", "1E+30,3E+30,2147483647,80,1,1E+300,1,1,1,0,0,0"}))}));
    ASSERT_EQ(table.rows().size(), 1u);
    const ChunkPeaks& r = table.rows()[0];
    EXPECT_EQ(r.peak, 3e30);
    EXPECT_EQ(r.peakTime, 1e30);
    EXPECT_EQ(r.peakCell[0], 2147483647);
    EXPECT_EQ(r.difference, 1e300);
    EXPECT_TRUE(table.anyExceeded());
    EXPECT_TRUE(dialogs.messages.empty());
}

} // namespace
} // namespace vardex
