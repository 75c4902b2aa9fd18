#include "exec/TemperatureHistories.h"

#include <cmath>

#include "exec/CsvExport.h"
#include "exec/TimePointCount.h"
#include "text/ListInput.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"

namespace vardex {

double timeTickInterval(double spanHours) {
    static constexpr double kIntervals[] = {0.25, 0.5, 1, 2, 3, 6, 12, 24, 48, 72, 168};
    for (double interval : kIntervals)
        if (spanHours <= 10 * interval) return interval;
    return 168 * std::ceil(spanHours / (10 * 168));
}

PointPlace pointLabel(int chunk, const std::string& point, double x, double y, double z) {
    return {chunk, point, true, x, y, z};
}

std::string PointPlace::text(const DisplayUnits& units) const {
    if (chunk == 0) return point;
    std::string text = "chunk " + plainDigits(chunk) + " " + point;
    if (located)
        text += " (" + units.lengthText(x) + ", " + units.lengthText(y) + ", " +
                units.lengthText(z) + " " + units.lengthUnit() + ")";
    return text;
}

std::vector<HistorySeries> readHistoryFile(const HistorySource& source) {
    ListInput in(source.path);
    const int count = readTimePointCount(in);
    // Each line holds the time and one temperature per point; the first line tells how many.
    std::vector<std::vector<double>> rows;
    for (int t = 0; t < count; ++t) {
        expectTimePoint(in, t + 1, count);
        std::string line = in.readLine();
        while (trim(line).empty()) line = in.readLine();
        ListInput fields = ListInput::fromText(line);
        std::vector<double> row;
        while (!fields.atEnd()) row.push_back(fields.readNumber());
        if (row.size() < 2) throw ReadError("a time point without temperatures");
        if (!rows.empty() && row.size() != rows.front().size())
            throw ReadError("time points with different numbers of temperatures");
        rows.push_back(row);
    }
    std::vector<HistorySeries> series(rows.front().size() - 1);
    for (std::size_t p = 0; p < series.size(); ++p) {
        series[p].place = p < source.labels.size()
                              ? source.labels[p]
                              : PointPlace{source.chunk, "column " + plainDigits(int(p + 1))};
        series[p].label = series[p].place.text(DisplayUnits{});
        for (const std::vector<double>& row : rows) {
            series[p].time.push_back(row[0]);
            series[p].temperature.push_back(row[p + 1]);
        }
    }
    return series;
}

bool TemperatureHistories::load(const std::vector<HistorySource>& sources) {
    std::vector<HistorySeries> read;
    std::string problems;
    for (const HistorySource& source : sources) {
        try {
            std::vector<HistorySeries> chunk = readHistoryFile(source);
            read.insert(read.end(), chunk.begin(), chunk.end());
        } catch (const std::exception& e) {
            problems += std::string(kNewLine) + "chunk " + plainDigits(source.chunk) + ": " +
                        source.path + " (" + e.what() + ")";
        }
    }
    if (!problems.empty())
        dialogs_.inform("These histories could not be read and are not shown:" + problems, kTitle);
    if (read.empty()) return false;
    series_ = std::move(read);
    return true;
}

std::vector<std::string> TemperatureHistories::csvLines() const {
    std::vector<std::string> lines{"series,time (h),temperature (C)"};
    for (const HistorySeries& s : series_)
        for (std::size_t i = 0; i < s.time.size(); ++i)
            lines.push_back(csvField(s.label) + "," + trim(strForm(s.time[i])) + "," +
                            trim(strForm(s.temperature[i])));
    return lines;
}

bool TemperatureHistories::exportCsv() {
    return saveCsv(dialogs_, kTitle, "histories.csv", csvLines());
}

} // namespace vardex
