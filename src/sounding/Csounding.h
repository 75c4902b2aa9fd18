#pragma once
// A field sounding: the readings of a four-thermocouple probe at successive depths, read from a
// sounding data file, and the results file of each reading's average and rotation.

#include <cstdint>
#include <memory>
#include <string>

#include "app/KeyedList.h"
#include "platform/Dialogs.h"
#include "sounding/CsdgDatum.h"

namespace vardex {

enum class SoundingRead {
    Read,       // every reading up to the end of the file, or up to a line that cannot be read
    NoReadings, // nothing after the header (or no header at all)
    NotOpened,  // the file could not be opened
};

class Csounding {
  public:
    // Asks for the thermocouple offset and slope.
    explicit Csounding(Dialogs& dialogs);

    std::string name;
    std::string soundingfile;
    std::string dateText;
    std::string tubeText;
    std::string comment;
    double soundingT0 = 0;
    float highest = -10000;
    float lowest = 10000;
    double offset = 0; // volts
    double slope = 7;  // degrees per millivolt

    KeyedList<CsdgDatum> datums;
    std::shared_ptr<CsdgDatum> current; // the datum being filled

    // Reads the data file; the results go to resultsPath. Datums read before a line that cannot
    // be read stay.
    SoundingRead read_sounding(const std::string& path, const std::string& resultsPath);
    std::int32_t datapts() const { return datums.count(); }
    void get_minmax(float value);
    // Throws std::runtime_error when the file cannot be written.
    void write_sdgx(const std::string& path) const;
    // The readings whose deviations gave no rotation.
    int rotationsNotFound() const;

  private:
    Dialogs& dialogs_;
};

// Days since 30 December 1899 of a date "M/D/YYYY" or "YYYY-M-D", month and day of one or two
// digits ("3/14/2026", "03/14/2026", "2026-3-14"); throws ReadError saying the date is none.
double soundingDate(const std::string& text);

} // namespace vardex
