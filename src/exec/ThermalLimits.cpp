#include "exec/ThermalLimits.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "exec/CsvExport.h"
#include "exec/TimePointCount.h"
#include "text/ListInput.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"

namespace vardex {
namespace {

constexpr int kSummaryColumns = 12;

std::string number(double value) {
    return trim(strForm(value));
}

// A cell's column, row or zone: a whole number from 0 (no cell) that fits an int.
int cellIndex(double value) {
    if (!(value >= 0) || value != std::floor(value) ||
        value > std::numeric_limits<std::int32_t>::max())
        throw ReadError("a cell index, " + plainDigits(value) +
                        ", is not a whole number from 0 to " +
                        plainDigits(std::numeric_limits<std::int32_t>::max()));
    return static_cast<int>(value);
}

} // namespace

ChunkPeaks readSummaryFile(const std::string& path, int chunk) {
    ListInput in(path);
    const int count = readTimePointCount(in);
    ChunkPeaks peaks;
    peaks.chunk = chunk;
    for (int t = 0; t < count; ++t) {
        expectTimePoint(in, t + 1, count);
        double v[kSummaryColumns];
        for (double& value : v) value = in.readNumber();
        if (t == 0 || v[1] > peaks.peak) {
            peaks.peak = v[1];
            peaks.peakTime = v[0];
            for (int a = 0; a < 3; ++a) peaks.peakCell[a] = cellIndex(v[2 + a]);
        }
        if (t == 0 || v[5] > peaks.difference) {
            peaks.difference = v[5];
            peaks.differenceTime = v[0];
        }
    }
    return peaks;
}

bool ThermalLimits::load(const std::vector<std::string>& summaryFiles) {
    std::vector<ChunkPeaks> read;
    std::string problems;
    for (std::size_t c = 0; c < summaryFiles.size(); ++c) {
        const int chunk = static_cast<int>(c + 1);
        try {
            read.push_back(readSummaryFile(summaryFiles[c], chunk));
        } catch (const std::exception& e) {
            problems += std::string(kNewLine) + "chunk " + plainDigits(chunk) + ": " +
                        summaryFiles[c] + " (" + e.what() + ")";
        }
    }
    if (!problems.empty())
        dialogs_.inform("These summaries could not be read and are not shown:" + problems, kTitle);
    if (read.empty()) return false;
    rows_ = std::move(read);
    return true;
}

bool ThermalLimits::anyExceeded() const {
    for (const ChunkPeaks& row : rows_)
        if (temperatureExceeded(row) || differenceExceeded(row)) return true;
    return false;
}

std::array<std::string, ThermalLimits::kColumns> ThermalLimits::headers(const DisplayUnits& units) {
    const std::string unit = units.temperatureUnit();
    return {"Chunk",
            "Peak temperature (" + unit + ")",
            "at (h)",
            "cell (column, row, zone)",
            "Peak difference (" + unit + ")",
            "at (h)"};
}

std::vector<std::array<std::string, ThermalLimits::kColumns>>
ThermalLimits::rowTexts(const DisplayUnits& units) const {
    std::vector<std::array<std::string, kColumns>> texts;
    for (const ChunkPeaks& p : rows_) {
        std::array<std::string, kColumns> row{plainDigits(p.chunk),
                                              units.temperatureText(p.peak, 2),
                                              fixedText(p.peakTime, 1),
                                              plainDigits(p.peakCell[0]) + ", " +
                                                  plainDigits(p.peakCell[1]) + ", " +
                                                  plainDigits(p.peakCell[2]),
                                              units.differenceText(p.difference, 2),
                                              fixedText(p.differenceTime, 1)};
        if (temperatureExceeded(p))
            row[1] += "  exceeds " + units.temperatureText(limits.maxTemperature, 1);
        if (differenceExceeded(p))
            row[4] += "  exceeds " + units.differenceText(limits.maxDifference, 1);
        texts.push_back(row);
    }
    return texts;
}

std::vector<std::string> ThermalLimits::csvLines() const {
    std::vector<std::string> lines{
        "chunk,peak temperature (C),time of peak (h),column,row,zone,peak difference (C),"
        "time of peak difference (h),temperature limit (C),temperature exceeded,"
        "difference limit (C),difference exceeded"};
    for (const ChunkPeaks& r : rows_)
        lines.push_back(plainDigits(r.chunk) + "," + number(r.peak) + "," + number(r.peakTime) +
                        "," + plainDigits(r.peakCell[0]) + "," + plainDigits(r.peakCell[1]) + "," +
                        plainDigits(r.peakCell[2]) + "," + number(r.difference) + "," +
                        number(r.differenceTime) + "," + number(limits.maxTemperature) + "," +
                        (temperatureExceeded(r) ? "yes" : "no") + "," +
                        number(limits.maxDifference) + "," +
                        (differenceExceeded(r) ? "yes" : "no"));
    return lines;
}

bool ThermalLimits::exportCsv() {
    return saveCsv(dialogs_, kTitle, "thermal limits.csv", csvLines());
}

} // namespace vardex
