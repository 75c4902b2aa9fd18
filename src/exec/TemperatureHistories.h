#pragma once
// The temperature histories a run collected ("TSeries." n per chunk: the centre cell and every
// recording point against time), for the histories window and its CSV export.

#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace vardex {

struct HistorySeries {
    std::string label; // names the point by its place, e.g. "chunk 1 centre (0.4, 0.4, 1.25 m)"
    std::vector<double> time;        // hours
    std::vector<double> temperature; // degrees C
};

// Where one chunk's history is and how its columns are named: the centre, then the recording
// points in the order the chunk's recording index file lists them.
struct HistorySource {
    int chunk = 1;
    std::string path;
    std::vector<std::string> labels;
};

// Reads a history file: the count of time points, then per time point the time and one
// temperature per recorded point, comma-separated. Throws ReadError naming what is wrong.
std::vector<HistorySeries> readHistoryFile(const HistorySource& source);

// "chunk 2 point 3 (0.4, 1.2, 5.75 m)": a point named by its model coordinates in metres.
std::string pointLabel(int chunk, const std::string& point, double x, double y, double z);

class TemperatureHistories {
  public:
    explicit TemperatureHistories(Dialogs& dialogs) : dialogs_(dialogs) {}

    // Reads every chunk's history; a chunk whose file is missing or damaged is reported and
    // left out, the others are shown. False when nothing could be read.
    bool load(const std::vector<HistorySource>& sources);
    const std::vector<HistorySeries>& series() const { return series_; }

    // Asks for a file name and writes every series as CSV; false when cancelled or failed.
    bool exportCsv();
    // One line per time point of each series: "series,time (h),temperature (C)".
    std::vector<std::string> csvLines() const;

    static constexpr const char* kTitle = "Temperature histories";

  private:
    Dialogs& dialogs_;
    std::vector<HistorySeries> series_;
};

} // namespace vardex
