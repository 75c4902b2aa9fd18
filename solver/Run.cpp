#include "Run.h"

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <sstream>

#include <fcntl.h>
#include <unistd.h>

#include "OutputText.h"
#include "RunCheck.h"
#include "Simulation.h"
#include "ThermalSummary.h"

namespace zolter {

namespace fs = std::filesystem;

namespace {

class Log {
  public:
    explicit Log(const std::string& path) : out_(path, std::ios::binary | std::ios::trunc) {}
    void line(const std::string& text) {
        if (out_) {
            out_ << text << "\r\n";
            out_.flush();
        }
    }
    bool ok() const { return bool(out_); }

  private:
    std::ofstream out_;
};

std::string nowText() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    std::ostringstream s;
    s << std::put_time(&tm, "%Y-%m-%d %H:%M:%S");
    return s.str();
}

std::string readWhole(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Bytes a cell of the grid takes while the solver runs, every array, the multigrid levels and
// the output texts with them (peak resident size: 157 MB for 100^3 cells, 549 MB for 150^3).
constexpr double kBytesPerCell = 165;

// What a grid of that many cells would need, for the message when memory runs out.
std::string memoryNeeded(const SolverInput& in) {
    const double cells = double(in.nx) * in.ny * in.nz;
    std::ostringstream s;
    s << " for the grid of " << in.nx << " x " << in.ny << " x " << in.nz
      << " cells: it needs about " << std::fixed << std::setprecision(0)
      << std::ceil(cells * kBytesPerCell / 1e6) << " MB";
    return s.str();
}

} // namespace

void writeTextAtomically(const std::string& path, const std::string& text) {
    const std::string temp = path + ".part";
    // Whatever fails, the temporary file goes: a full disk keeps no cut-short copy, and its
    // space comes back for the marker that says why.
    auto fail = [&](int error, int fd) {
        if (fd >= 0) ::close(fd);
        ::unlink(temp.c_str());
        throw std::runtime_error("cannot write " + path + ": " + std::strerror(error));
    };
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) fail(errno, -1);
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t put = ::write(fd, text.data() + done, text.size() - done);
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) fail(errno, fd);
        done += std::size_t(put);
    }
    if (::close(fd) != 0) fail(errno, -1);
    if (::rename(temp.c_str(), path.c_str()) != 0) fail(errno, -1);
}

std::string fieldText(const Shape& shape, const std::vector<double>& values) {
    std::string text;
    text.reserve(values.size() * 10 + 64);
    std::size_t c = 0;
    for (int k = 0; k < shape.n[2]; ++k)
        for (int j = 0; j < shape.n[1]; ++j) {
            for (int i = 0; i < shape.n[0]; ++i, ++c) {
                if (i > 0) text += ' ';
                appendFixed(text, values[c]);
            }
            text += "\r\n";
        }
    return text;
}

void writeField(const std::string& path, const Shape& shape, const std::vector<double>& values) {
    writeTextAtomically(path, fieldText(shape, values));
}

int runZolter(const std::vector<std::string>& args) {
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: zolter TEMPFILE STDOUTFILE MARKERFILE\n");
        return 2;
    }
    const std::string& tempPath = args[0];
    const std::string& markerPath = args[2];
    Log log(args[1]);
    const auto started = std::chrono::steady_clock::now();
    auto seconds = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    };
    auto mark = [&](const std::string& text) {
        try {
            writeTextAtomically(markerPath, text + "\r\n");
        } catch (const std::exception& e) {
            std::fprintf(stderr, "zolter: %s\n", e.what());
            return false;
        }
        return true;
    };
    log.line("zolter heat-conduction solver, run started " + nowText());
    log.line("temp file: " + tempPath);
    if (!log.ok()) std::fprintf(stderr, "zolter: cannot write the log %s\n", args[1].c_str());

    std::string gridNeeds;
    try {
        std::vector<std::string> warnings;
        const SolverInput in = readTempFile(tempPath, warnings);
        gridNeeds = memoryNeeded(in);
        std::ostringstream s;
        s << "model file: " << in.modelFile << "\r\nsub-model: " << in.submodelName;
        log.line(s.str());
        s.str("");
        s << "grid: " << in.nx << " x " << in.ny << " x " << in.nz << " cells of " << in.dx << " x "
          << in.dy << " x " << in.dz << " m, " << in.sections.size() << " section(s), format "
          << in.format;
        log.line(s.str());
        s.str("");
        s << "times: start " << in.times.start << " h, end " << in.times.end << " h, dtmax "
          << in.times.dtmax << " h, theta " << in.times.theta << ", errmax " << in.times.errmax
          << ", itmax " << in.times.itmax;
        log.line(s.str());
        log.line("faces 1-6: " + in.faces);
        for (std::size_t k = 0; k < in.materials.size(); ++k) {
            const Material& m = in.materials[k];
            s.str("");
            s << "material " << k + 1 << " " << m.name << ": conductivity " << m.conductivity
              << " W/m C, specific heat " << m.specificHeat << " kJ/kg C, density " << m.density
              << " kg/m3, heat production " << m.heatProduction;
            log.line(s.str());
        }
        for (std::size_t b = 0; b < in.boundaries.size(); ++b) {
            const BoundaryRecord& r = in.boundaries[b];
            s.str("");
            s << "boundary " << b + 1 << ": material " << r.material << " " << r.name << ", "
              << (r.dirichlet    ? "held temperature"
                  : r.convection ? "convective, " + std::to_string(r.faceRows.size()) +
                                       " row(s) of face coefficients"
                                 : "no flux")
              << ", initial " << r.initTemp << " C, " << r.points.size() << " series point(s)";
            log.line(s.str());
        }

        // The recording index file sits beside the temp file, else in the current folder.
        std::vector<CellIndex> points;
        const fs::path beside = fs::path(tempPath).parent_path() / "Series.pr";
        const fs::path here = fs::path("Series.pr");
        const fs::path found = fs::exists(beside) ? beside : fs::exists(here) ? here : fs::path();
        if (found.empty()) {
            log.line("no recording index file: recording the centre cell only");
        } else {
            points = parseRecordingPoints(readWhole(found), in, warnings);
            log.line("recording points from " + found.string() + ": " +
                     std::to_string(points.size()));
        }

        Simulation sim(in, warnings);
        // A test seam only: makes the heat balance fail, so the warning's way to the user can be
        // tested end to end.
        if (const char* loss = std::getenv("ZOLTER_TEST_LOSE_HEAT")) {
            sim.loseHeatForTest(std::atof(loss));
            warnings.push_back(std::string("ZOLTER_TEST_LOSE_HEAT=") + loss +
                               ": the cells lose that share of the heat released (a test seam)");
        }
        log.line(sim.describeHeat());
        log.line("multigrid levels: " + std::to_string(sim.levels()));
        for (const std::string& w : warnings) log.line("warning: " + w);

        const CellIndex centre{(in.nx + 1) / 2, (in.ny + 1) / 2, (in.nz + 1) / 2};
        std::vector<CellIndex> recorded{centre};
        recorded.insert(recorded.end(), points.begin(), points.end());
        std::string history;
        int timePoints = 0;
        ThermalSummary summary(in);
        auto record = [&] {
            appendShortest(history, sim.time());
            for (const CellIndex& c : recorded) {
                history += ',';
                appendFixed(history, sim.temperature(c.i - 1, c.j - 1, c.k - 1));
            }
            history += "\r\n";
            ++timePoints;
            summary.record(sim.time(), sim.fieldStart(), sim.fieldStrides());
        };
        record();
        sim.run([&](const StepReport& r) {
            std::ostringstream l;
            if (r.halvings > 0)
                l << "warning: step " << r.number << " did not converge within itmax; halved "
                  << r.halvings << " time(s)\r\n";
            l << "step " << r.number << "  t= " << r.time << " h  dt= " << r.dt << " h  iterations "
              << r.iterations << "  highest " << std::fixed << std::setprecision(3) << r.highest
              << " C";
            log.line(l.str());
            record();
        });

        std::string name = baseName(in.modelFile);
        if (name.empty()) {
            log.line("warning: \"modelfile=\" names no file; the field is written to \"model\"");
            name = "model";
        }
        // The field's text is formed once for both of its files.
        const std::string field = fieldText(sim.shape(), sim.field());
        writeTextAtomically(name, field);
        if (!in.output.empty()) {
            const fs::path out(in.output);
            if (out.has_parent_path()) fs::create_directories(out.parent_path());
            writeTextAtomically(in.output, field);
        } else {
            log.line("warning: \"output=\" is empty; no copy of the field written");
        }
        writeField("Tmax.out", sim.shape(), sim.highestField());
        writeTextAtomically("Center.out", std::to_string(timePoints) + "\r\n" + history);
        writeTextAtomically("Summary.out", summary.text());

        // A run whose balance or range fails still leaves its outputs, and says so in the log and
        // in the marker after "OK", where a reader of the verdict alone still sees success.
        const RunCheck check = checkRun(sim.balance(), sim.range());
        for (const std::string& line : check.log) log.line(line);
        std::string marker = "OK";
        for (const std::string& w : check.warnings) {
            log.line("WARNING: " + w);
            marker += "\r\nWARNING: " + w;
        }
        std::ostringstream done;
        done << "finished: " << sim.totalIterations() << " iterations in all, wall time "
             << std::setprecision(3) << seconds() << " s";
        log.line(done.str());
        return mark(marker) ? 0 : 1;
    } catch (const std::exception& e) {
        std::string reason = e.what();
        if (dynamic_cast<const std::bad_alloc*>(&e)) reason = "not enough memory" + gridNeeds;
        for (char& c : reason)
            if (c == '\r' || c == '\n') c = ' ';
        log.line("FAILED: " + reason);
        mark("FAILED: " + reason);
        return 1;
    }
}

} // namespace zolter
