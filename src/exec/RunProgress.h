#pragma once
// What the execution window reads while the solver runs: the timer period of a run, the verdict
// in the solver's marker file and the simulated hour its log has reached.

#include <optional>
#include <string>
#include <vector>

namespace vardex {

class Csubmodel;

// The poll period stays within these bounds: a period of 0 cannot be set, and polling more
// slowly than every 2 s leaves the user waiting after a chunk has finished.
inline constexpr int kMinTimerPeriod = 100;  // ms
inline constexpr int kMaxTimerPeriod = 2000; // ms
// The period when the formula cannot be worked out (dtmax 0 or not finite).
inline constexpr int kFallbackTimerPeriod = 1000; // ms

// ((nz (ny + 4) (nx + 4) 3 / dtmax) (endtime - starttime + 6) / 32) \ 144, the dividend rounded
// to a whole number; clamped to the bounds above.
int runTimerPeriod(const Csubmodel& firstChunkType, double dtmax, double starttime, double endtime);

struct MarkerVerdict {
    bool ok = false;
    std::string reason;                // why the run failed
    std::vector<std::string> warnings; // what a successful run warns of
};

// "OK" is success; "FAILED: reason" and anything else is a failure with its reason. Lines after
// "OK" that begin "WARNING: " are warnings of a run that still succeeded.
MarkerVerdict readMarker(const std::string& path);

// The reason of the last "FAILED: reason" line of a solver log (the solver logs it before its
// marker, which a full disk may not take); empty when there is none.
std::string loggedFailure(const std::string& logPath);

// The share of the whole run done, 0 to 1: the chunks before `chunk` (1..chunkCount) whole, and
// `chunk` itself by how far its simulated hour has come from starttime to endtime (nothing before
// its first step).
double runFraction(int chunk, int chunkCount, std::optional<double> hour, double starttime,
                   double endtime);

// The time of the last "step N  t= X h" line of a solver log; nothing before the first step.
std::optional<double> lastSimulatedHour(const std::string& logPath);

} // namespace vardex
