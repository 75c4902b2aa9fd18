#pragma once
// The temperature histories a run collected ("TSeries." n per chunk: the centre cell and every
// recording point against time), for the histories window and its CSV export.

#include <string>
#include <vector>

#include "app/DisplayUnits.h"
#include "platform/Dialogs.h"

namespace vardex {

// A recorded point: its chunk, its name and, when known, its model coordinates in metres.
struct PointPlace {
    PointPlace() = default;
    // A label given whole, shown as it is.
    PointPlace(const char* label) : chunk(0), point(label) {}
    PointPlace(int chunk, std::string point, bool located = false, double x = 0, double y = 0,
               double z = 0)
        : chunk(chunk), point(std::move(point)), located(located), x(x), y(y), z(z) {}

    int chunk = 1;     // 0: point is the whole label
    std::string point; // "centre", "point 3", "column 2"
    bool located = false;
    double x = 0, y = 0, z = 0;

    // "chunk 2 point 3 (0.4, 1.2, 5.75 m)" in the units given; without a place
    // "chunk 2 column 2".
    std::string text(const DisplayUnits& units) const;
    bool operator==(const PointPlace&) const = default;
};

struct HistorySeries {
    PointPlace place;
    std::string label;        // the place in metres, e.g. "chunk 1 centre (0.4, 0.4, 1.25 m)"
    std::vector<double> time; // hours
    std::vector<double> temperature; // degrees C
};

// Where one chunk's history is and how its columns are named: the centre, then the recording
// points in the order the chunk's recording index file lists them.
struct HistorySource {
    int chunk = 1;
    std::string path;
    std::vector<PointPlace> labels;
};

// Reads a history file: the count of time points, then per time point the time and one
// temperature per recorded point, comma-separated. Throws ReadError naming what is wrong.
std::vector<HistorySeries> readHistoryFile(const HistorySource& source);

// A point named by its model coordinates in metres.
PointPlace pointLabel(int chunk, const std::string& point, double x, double y, double z);

// Hours between labelled times on a history's time axis: the intervals an engineer counts in
// (quarter and half hours, 1, 2, 3, 6 and 12 h, then days and weeks), at most ten over the span.
double timeTickInterval(double spanHours);

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
