#pragma once
// The thermal-limit table after a run: per chunk the peak temperature with its time and cell and
// the peak core-to-surface difference with its time (from the collected "Summary." n files),
// each against limits the user sets.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/DisplayUnits.h"
#include "platform/Dialogs.h"

namespace vardex {

struct ChunkPeaks {
    int chunk = 1;
    double peak = 0, peakTime = 0;
    int peakCell[3] = {0, 0, 0}; // column, row, vertical zone
    double difference = 0, differenceTime = 0;
};

// Reads a summary file (the count of time points, then per time point: time, peak, its cell,
// difference, its core and surface cells) and keeps the largest of each. Throws ReadError.
ChunkPeaks readSummaryFile(const std::string& path, int chunk);

struct ThermalLimitValues {
    double maxTemperature = 70; // degrees C
    double maxDifference = 20;  // degrees C
};

class ThermalLimits {
  public:
    explicit ThermalLimits(Dialogs& dialogs) : dialogs_(dialogs) {}

    // Reads the summary of each chunk (path per chunk, chunk 1 first); a chunk whose file is
    // missing or damaged is reported and left out. False when nothing could be read.
    bool load(const std::vector<std::string>& summaryFiles);
    const std::vector<ChunkPeaks>& rows() const { return rows_; }

    ThermalLimitValues limits;
    bool temperatureExceeded(const ChunkPeaks& row) const {
        return row.peak > limits.maxTemperature;
    }
    bool differenceExceeded(const ChunkPeaks& row) const {
        return row.difference > limits.maxDifference;
    }
    bool anyExceeded() const;

    // The table as shown, in the units given: the column headers, and per chunk the chunk, the
    // peak with its time and cell, and the difference with its time; a value beyond its limit
    // says so ("  exceeds 70.0").
    static constexpr int kColumns = 6;
    static std::array<std::string, kColumns> headers(const DisplayUnits& units);
    std::vector<std::array<std::string, kColumns>> rowTexts(const DisplayUnits& units) const;

    // In SI, whatever is shown.
    std::vector<std::string> csvLines() const;
    // Asks for a file name and writes the table as CSV; false when cancelled or failed.
    bool exportCsv();

    static constexpr const char* kTitle = "Thermal limits";

  private:
    Dialogs& dialogs_;
    std::vector<ChunkPeaks> rows_;
};

} // namespace vardex
