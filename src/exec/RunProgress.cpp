#include "exec/RunProgress.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

#include "submodel/Csubmodel.h"
#include "text/NumberText.h"

namespace vardex {

int runTimerPeriod(const Csubmodel& s, double dtmax, double starttime, double endtime) {
    const double work = static_cast<double>(s.nz) * (s.ny + 4) * (s.nx + 4) * 3.0 / dtmax *
                        (endtime - starttime + 6) / 32;
    if (!(dtmax > 0) || !std::isfinite(work)) return kFallbackTimerPeriod;
    const double period = std::floor(roundHalfEven(work) / 144);
    return static_cast<int>(std::clamp(period, double(kMinTimerPeriod), double(kMaxTimerPeriod)));
}

double runFraction(int chunk, int chunkCount, std::optional<double> hour, double starttime,
                   double endtime) {
    if (chunkCount < 1) return 0;
    double within = 0;
    if (hour && endtime > starttime) within = (*hour - starttime) / (endtime - starttime);
    if (!std::isfinite(within)) within = 0;
    const double done = std::clamp(chunk - 1, 0, chunkCount) + std::clamp(within, 0.0, 1.0);
    return std::clamp(done / chunkCount, 0.0, 1.0);
}

MarkerVerdict readMarker(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    std::string text = content.str();
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.pop_back();
    text = trim(text);
    if (text.rfind("OK", 0) == 0) {
        MarkerVerdict verdict{true, {}, {}};
        static const std::string warning = "WARNING:";
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            line = trim(line);
            if (line.rfind(warning, 0) == 0)
                verdict.warnings.push_back(trim(line.substr(warning.size())));
        }
        return verdict;
    }
    static const std::string failed = "FAILED:";
    if (text.rfind(failed, 0) == 0) return {false, trim(text.substr(failed.size())), {}};
    if (text.empty()) return {false, "the solver's marker file is empty", {}};
    return {false, "the solver's marker file holds \"" + text + "\"", {}};
}

std::string loggedFailure(const std::string& logPath) {
    std::ifstream in(logPath, std::ios::binary);
    if (!in) return {};
    in.seekg(0, std::ios::end);
    in.seekg(std::max<std::streamoff>(0, std::streamoff(in.tellg()) - 4096));
    static const std::string failed = "FAILED:";
    std::string reason;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind(failed, 0) == 0) reason = trim(line.substr(failed.size()));
    }
    return reason;
}

std::optional<double> lastSimulatedHour(const std::string& logPath) {
    std::ifstream in(logPath, std::ios::binary);
    if (!in) return std::nullopt;
    // Only the tail matters; a long run's log holds thousands of steps.
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(std::max<std::streamoff>(0, size - 4096));
    std::string line;
    std::optional<double> hour;
    while (std::getline(in, line)) {
        if (line.rfind("step ", 0) != 0) continue;
        const std::size_t at = line.find("t= ");
        if (at == std::string::npos) continue;
        // A line cut by the log's writer ends before its unit.
        const std::size_t unit = line.find(" h", at + 3);
        if (unit == std::string::npos) continue;
        const std::string number = trim(line.substr(at + 3, unit - at - 3));
        if (isTypedNumber(number)) hour = typedNumber(number);
    }
    return hour;
}

} // namespace vardex
