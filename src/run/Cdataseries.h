#pragma once
// A generic time series read from a time-series file.

#include <cstdint>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "run/SeriesPoints.h"

namespace vardex {

class Cdataseries {
  public:
    std::string path;
    std::int16_t points = 0;
    std::vector<SeriesPoint> series; // point k is series[k - 1]

    // Reads the file; an unreadable or short file shows a message and returns false, keeping the
    // points read. On success DataPath becomes the file's absolute path.
    bool read_TSfile(AppState& app, const std::string& file);
};

} // namespace vardex
