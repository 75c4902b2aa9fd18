#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <initializer_list>
#include <sstream>

#include "SolverInput.h"
#include "text/KeyReader.h"
#include "text/NumberText.h"
#include "text/PhysicalLimits.h"

namespace zolter {

namespace {

namespace limits = vardex::limits;

// Throws the reason when the check found one.
void refuse(const std::string& problem) {
    if (!problem.empty()) throw InputFault(problem);
}

std::string quoted(std::string_view key) {
    return "\"" + std::string(key) + "\"";
}

// Blank-separated items of a printed line.
std::vector<std::string> words(std::string_view line) {
    std::vector<std::string> out;
    std::istringstream in{std::string(line)};
    std::string w;
    while (in >> w) out.push_back(w);
    return out;
}

double toNumber(std::string_view text, const std::string& what) {
    if (!vardex::isNumeric(text))
        throw InputFault(what + " is not a number: \"" + vardex::trim(text) + "\"");
    try {
        return vardex::leadingNumber(text);
    } catch (const vardex::ReadError&) {
        // Beyond the range of a double.
        throw InputFault(what + " is not a finite number");
    }
}

int toWhole(double v, const std::string& what) {
    try {
        return vardex::toInt32(v);
    } catch (const vardex::ReadError&) {
        throw InputFault(what + " is out of range");
    }
}

// The key rules of the program's own readers: keys are substrings searched forward only.
class TempReader {
  public:
    // The writer ends the file with the last material's last key; a blank line is added so the
    // key reader's end-of-file rule (the last line is never matched) does not swallow it.
    explicit TempReader(std::string_view text)
        : text_(withEndLine(text)), r_(vardex::KeyReader::fromText(text_)) {
        for (std::size_t start = 0; start < text_.size();) {
            const std::size_t end = text_.find('\n', start);
            lines_.push_back(std::string_view(text_).substr(
                start, end == std::string::npos ? std::string::npos : end - start));
            if (end == std::string::npos) break;
            start = end + 1;
        }
    }

    static std::string withEndLine(std::string_view text) {
        std::string t(text);
        if (!t.empty() && t.back() != '\n') t += "\r\n";
        return t + " \r\n";
    }

    std::string line(std::string_view key) {
        if (!r_.isOpen()) throw InputFault("the temp file ends before " + quoted(key));
        std::string found = r_.findline(key);
        if (!r_.isOpen()) throw InputFault("the temp file ends before " + quoted(key));
        return found;
    }
    std::string text(std::string_view key) {
        const std::string found = line(key);
        return vardex::trim(std::string_view(found).substr(found.find(key) + key.size()));
    }
    double number(std::string_view key) { return toNumber(text(key), quoted(key)); }
    int whole(std::string_view key) { return toWhole(number(key), quoted(key)); }
    bool flag(std::string_view key) {
        std::string t = text(key);
        std::transform(t.begin(), t.end(), t.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        if (t == "true") return true;
        if (t == "false") return false;
        if (vardex::isNumeric(t)) return vardex::leadingNumber(t) != 0.0;
        throw InputFault(quoted(key) + " must be True or False, not \"" + t + "\"");
    }
    // The next line, whatever it holds.
    std::string next(const std::string& where) {
        if (!r_.isOpen() || r_.atEnd()) throw InputFault("the temp file ends inside " + where);
        std::string l = r_.readLine();
        if (r_.atEnd()) throw InputFault("the temp file ends inside " + where);
        return l;
    }
    // count lines of two numbers: time and value.
    SeriesPoints points(int count, const std::string& where) {
        SeriesPoints out;
        for (int i = 1; i <= count; ++i) {
            const std::string what = "point " + std::to_string(i) + " of " + where;
            const std::vector<std::string> w = words(next(where));
            if (w.size() < 2) throw InputFault(what + " does not hold a time and a value");
            out.emplace_back(toNumber(w[0], what), toNumber(w[1], what));
        }
        return out;
    }

    // Whether the key turns up before any of the stops, looking ahead without reading: the keys
    // of optional parts are absent from files that do not use them.
    bool comesBefore(std::string_view key, std::initializer_list<std::string_view> stops) const {
        for (std::size_t l = r_.position(); l < lines_.size(); ++l) {
            if (lines_[l].find(key) != std::string_view::npos) return true;
            for (std::string_view stop : stops)
                if (lines_[l].find(stop) != std::string_view::npos) return false;
        }
        return false;
    }
    // count rows of a time and six coefficients.
    std::vector<FaceCoefficients> faceRows(int count, const std::string& where) {
        std::vector<FaceCoefficients> out;
        for (int i = 1; i <= count; ++i) {
            const std::string what = "row " + std::to_string(i) + " of " + where;
            const std::vector<std::string> w = words(next(where));
            if (w.size() < 7) throw InputFault(what + " does not hold a time and six coefficients");
            FaceCoefficients row;
            row.time = toNumber(w[0], what);
            for (std::size_t f = 0; f < 6; ++f) row.u[f] = toNumber(w[f + 1], what);
            out.push_back(row);
        }
        return out;
    }

  private:
    std::string text_;
    vardex::KeyReader r_;
    std::vector<std::string_view> lines_; // of text_, as the key reader splits them (\r kept)
};

// Comma-separated whole numbers of one grid line; exactly count of them.
std::vector<int> gridRow(const std::string& line, int count, const std::string& what) {
    std::vector<int> out;
    std::size_t start = 0;
    if (vardex::trim(line).empty()) throw InputFault(what + " is empty");
    for (;;) {
        const std::size_t comma = line.find(',', start);
        const std::string item =
            line.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        out.push_back(toWhole(toNumber(item, what), what));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (int(out.size()) != count)
        throw InputFault(what + " holds " + std::to_string(out.size()) + " numbers, not " +
                         std::to_string(count));
    return out;
}

// A convective record: not held as well, at least one row, times rising, coefficients in range.
void checkConvection(const BoundaryRecord& r, const std::string& who) {
    if (r.dirichlet)
        throw InputFault(who + " has both \"Dirichlet=\" and \"Convection=\" True; a face is "
                               "either held or convective");
    if (r.faceRows.empty())
        throw InputFault(who + " is convective but \"FacePoints=\" gives no row of coefficients");
    for (std::size_t row = 0; row < r.faceRows.size(); ++row) {
        const FaceCoefficients& c = r.faceRows[row];
        const std::string at =
            who + ": row " + std::to_string(row + 1) + " of the face coefficients";
        refuse(limits::outsideRange(at + ", its time", c.time, limits::kTime));
        if (row > 0 && !(c.time > r.faceRows[row - 1].time))
            throw InputFault(at + ": its time must come after the time of the row before");
        for (std::size_t f = 0; f < 6; ++f)
            refuse(limits::outsideRange(at + ", U" + std::to_string(f + 1), c.u[f],
                                        limits::kHeatTransfer));
    }
}

// The heat source, when some material in use produces heat.
void checkHeatSource(const Hydration& h) {
    refuse(limits::outsideRange("the concrete density of the heat source", h.concreteRho,
                                limits::kDensity));
    if (h.equivalentAge) {
        refuse(limits::outsideRange("the activation energy of the equivalent age",
                                    h.activationEnergy, limits::kActivationEnergy));
        refuse(limits::outsideRange("the reference temperature of the equivalent age",
                                    h.referenceTemperature, limits::kReferenceTemperature));
    }
    if (h.seriesFlag) {
        for (std::size_t p = 0; p < h.points.size(); ++p) {
            const std::string point =
                "point " + std::to_string(p + 1) + " of the heat-source series";
            refuse(limits::outsideRange(point + ", its age", h.points[p].first, limits::kTime));
            refuse(limits::outsideRange(point + ", its cumulative heat", h.points[p].second,
                                        limits::kHydrationHeat));
        }
        return;
    }
    refuse(limits::outsideRange("the heat of hydration Qcementitious", h.qCementitious,
                                limits::kHydrationHeat));
    for (int i = 0; i < 3; ++i)
        refuse(limits::outsideRange("the heat-source parameter sourceP" + std::to_string(i + 1),
                                    h.p[std::size_t(i)], limits::kSourceParameter));
}

} // namespace

std::string baseName(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    std::string name(slash == std::string_view::npos ? path : path.substr(slash + 1));
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return vardex::trim(name);
}

SolverInput parseTempText(std::string_view text, std::vector<std::string>& warnings) {
    if (vardex::trim(text).empty()) throw InputFault("the temp file is empty");
    SolverInput in;
    TempReader r(text);
    try {
        in.modelFile = r.text("modelfile=");
        in.submodelName = r.text("submodelname=");

        r.line("[times]");
        const std::vector<std::string> t = words(r.next("[times]"));
        if (t.size() < 6)
            throw InputFault("the [times] line holds " + std::to_string(t.size()) +
                             " numbers, not 6");
        TimeControl& tc = in.times;
        tc.theta = toNumber(t[0], "theta in [times]");
        tc.start = toNumber(t[1], "starttime in [times]");
        tc.end = toNumber(t[2], "endtime in [times]");
        tc.dtmax = toNumber(t[3], "dtmax in [times]");
        tc.errmax = toNumber(t[4], "errmax in [times]");
        tc.itmax = toWhole(toNumber(t[5], "itmax in [times]"), "itmax in [times]");

        in.nx = r.whole("nx=");
        in.ny = r.whole("ny=");
        in.nz = r.whole("nz=");
        in.dx = r.number("dx=");
        in.dy = r.number("dy=");
        in.dz = r.number("dz=");
        in.format = r.text("format=");

        r.line("[hydration]");
        Hydration& h = in.hydration;
        h.seriesFile = r.text("TimeseriesFile=");
        h.seriesFlag = r.flag("TimeseriesFlag=");
        h.abtFlag = r.flag("ABtFlag=");
        h.concreteRho = r.number("ConcreteRho=");
        h.placement = r.number("Placement=");
        h.qCementitious = r.number("Qcementitious=");
        h.p[0] = r.number("sourceP1=");
        h.p[1] = r.number("sourceP2=");
        h.p[2] = r.number("sourceP3=");
        const int sp = r.whole("seriespoints=");
        if (sp < 0) throw InputFault("\"seriespoints=\" is negative");
        h.points = r.points(sp, "the heat-source series");
        if (r.comesBefore("EquivalentAge=", {"[End Sources]", "[Boundaries]"})) {
            h.equivalentAge = r.flag("EquivalentAge=");
            h.activationEnergy = r.number("ActivationEnergy=");
            h.referenceTemperature = r.number("ReferenceTemperature=");
        }

        r.line("[Boundaries]");
        in.faces = vardex::trim(r.next("[Boundaries]"));
        if (in.faces.size() != 6)
            throw InputFault("the face line after [Boundaries] must hold six letters, not \"" +
                             in.faces + "\"");
        for (char& c : in.faces) {
            c = char(std::toupper(static_cast<unsigned char>(c)));
            if (c != 'I' && c != 'N' && c != 'D')
                throw InputFault(std::string("face letter \"") + c + "\" is not I, N or D");
        }
        const int nb = r.whole("materialboundaries=");
        if (nb < 0) throw InputFault("\"materialboundaries=\" is negative");
        for (int b = 1; b <= nb; ++b) {
            const std::string where = "boundary record " + std::to_string(b);
            r.line("[boundary]");
            BoundaryRecord rec;
            rec.dirichlet = r.flag("Dirichlet=");
            rec.material = r.whole("materialnumber=");
            rec.name = r.text("materialname=");
            rec.density = r.number("materialdensity=");
            rec.seriesFile = r.text("timeseriesFile=");
            rec.initTemp = r.number("initTemp=");
            const int np = r.whole("TSpoints=");
            if (np < 0) throw InputFault("\"TSpoints=\" of " + where + " is negative");
            rec.points = r.points(np, "the series of " + where);
            if (r.comesBefore("Convection=", {"[boundary]", "[End Boundaries]", "[Files]"})) {
                rec.convection = r.flag("Convection=");
                const int rows = r.whole("FacePoints=");
                if (rows < 0) throw InputFault("\"FacePoints=\" of " + where + " is negative");
                rec.faceRows = r.faceRows(rows, "the face coefficients of " + where);
            }
            in.boundaries.push_back(std::move(rec));
        }

        r.line("[Files]");
        in.outputDirectory = r.text("OutputDirectory=");
        in.output = r.text("output=");
        const int sections = r.whole("sectionfiles=");

        if (in.nx < 1 || in.ny < 1 || in.nz < 1)
            throw InputFault("the grid " + std::to_string(in.nx) + " x " + std::to_string(in.ny) +
                             " x " + std::to_string(in.nz) + " has no cells");
        if (double(in.nx) * in.ny * in.nz > 5e7 || in.nx > 4096 || in.ny > 4096 || in.nz > 4096)
            throw InputFault("the grid " + std::to_string(in.nx) + " x " + std::to_string(in.ny) +
                             " x " + std::to_string(in.nz) + " is too large");
        if (!(in.dx > 0.0) || !(in.dy > 0.0) || !(in.dz > 0.0))
            throw InputFault("the cell sizes dx, dy, dz must be positive");
        if (sections < 1)
            throw InputFault("nz= " + std::to_string(in.nz) +
                             " zones but no sections (\"sectionfiles=\" " +
                             std::to_string(sections) + ")");

        r.line("[submodel]");
        in.zoneSection =
            gridRow(r.next("[submodel]"), in.nz, "the [submodel] row of section numbers");
        for (std::size_t k = 0; k < in.zoneSection.size(); ++k)
            if (in.zoneSection[k] < 1 || in.zoneSection[k] > sections)
                throw InputFault("vertical zone " + std::to_string(k + 1) + " names section " +
                                 std::to_string(in.zoneSection[k]) + " of " +
                                 std::to_string(sections));

        r.line("[Sectiongeometry]");
        for (int s = 1; s <= sections; ++s) {
            const std::string where = "section " + std::to_string(s);
            r.line("[section]");
            std::vector<int> grid;
            grid.reserve(std::size_t(in.nx) * std::size_t(in.ny));
            for (int j = 1; j <= in.ny; ++j) {
                const std::vector<int> row =
                    gridRow(r.next(where), in.nx, "row " + std::to_string(j) + " of " + where);
                grid.insert(grid.end(), row.begin(), row.end());
            }
            in.sections.push_back(std::move(grid));
        }

        r.line("[Materials]");
        const int m = r.whole("materials=");
        for (int k = 1; k <= m; ++k) {
            r.line("[material]");
            Material mat;
            mat.name = r.text("material name=");
            mat.conductivity = r.number("thermal conductivity=");
            mat.specificHeat = r.number("specific heat=");
            mat.density = r.number("density=");
            mat.heatProduction = r.number("heat production=");
            in.materials.push_back(std::move(mat));
        }
    } catch (const vardex::ReadError& e) {
        throw InputFault(std::string("the temp file cannot be read: ") + e.what());
    }

    // Every zone needs a material with a "[material]" block; every material in use needs a
    // positive heat capacity.
    std::vector<bool> used(in.materials.size() + 1, false);
    bool heatProduced = false;
    for (std::size_t s = 0; s < in.sections.size(); ++s)
        for (std::size_t c = 0; c < in.sections[s].size(); ++c) {
            const int mat = in.sections[s][c];
            if (mat < 1 || mat > int(in.materials.size()))
                throw InputFault("material number " + std::to_string(mat) + " in section " +
                                 std::to_string(s + 1) + " (column " +
                                 std::to_string(c % std::size_t(in.nx) + 1) + ", row " +
                                 std::to_string(c / std::size_t(in.nx) + 1) +
                                 ") has no [material] block");
        }
    for (int k = 0; k < in.nz; ++k)
        for (int c : in.sections[std::size_t(in.zoneSection[std::size_t(k)] - 1)])
            used[std::size_t(c)] = true;
    for (std::size_t k = 1; k < used.size(); ++k) {
        if (!used[k]) continue;
        const Material& mat = in.materials[k - 1];
        refuse(limits::materialProblem("material " + std::to_string(k) + " (" + mat.name + ")",
                                       mat.conductivity, mat.specificHeat, mat.density,
                                       mat.heatProduction));
        heatProduced = heatProduced || mat.heatProduction > 0.0;
    }

    TimeControl& tc = in.times;
    if (!(tc.dtmax > 0.0)) throw InputFault("the maximum time step dtmax must be positive");
    if (!(tc.end > tc.start)) throw InputFault("the end time must be after the start time");
    refuse(limits::timesProblem(tc.start, tc.end, tc.dtmax));
    if (tc.theta < 0.5 || tc.theta > 1.0 || !std::isfinite(tc.theta)) {
        const double was = tc.theta;
        tc.theta = std::isfinite(was) ? std::clamp(was, 0.5, 1.0) : 0.63;
        std::ostringstream w;
        w << "theta " << was << " is outside 0.5 .. 1; using " << tc.theta;
        warnings.push_back(w.str());
    }
    if (!(tc.errmax > 0.0)) {
        std::ostringstream w;
        w << "errmax " << tc.errmax << " is not positive; using 0.003";
        warnings.push_back(w.str());
        tc.errmax = 0.003;
    }
    refuse(limits::outsideRange("errmax", tc.errmax, limits::kErrmax));
    if (tc.itmax < 1) {
        warnings.push_back("itmax " + std::to_string(tc.itmax) + " is below 1; using 23");
        tc.itmax = 23;
    }
    refuse(limits::outsideRange("itmax", tc.itmax, limits::kIterations));
    const char* const axes[] = {"dx", "dy", "dz"};
    const double sizes[] = {in.dx, in.dy, in.dz};
    for (int a = 0; a < 3; ++a)
        refuse(limits::outsideRange(std::string("the cell size ") + axes[a], sizes[a],
                                    limits::kCellSize));

    // Every cell may start at the placement temperature, and every held face follows its
    // record's series.
    refuse(limits::outsideRange("the placement temperature", in.hydration.placement,
                                limits::kTemperature));
    for (std::size_t b = 0; b < in.boundaries.size(); ++b) {
        const BoundaryRecord& r = in.boundaries[b];
        const std::string who = "boundary record " + std::to_string(b + 1) + " (" + r.name + ")";
        refuse(limits::outsideRange(who + ": the initial temperature", r.initTemp,
                                    limits::kTemperature));
        if (r.convection) checkConvection(r, who);
        for (std::size_t p = 0; p < r.points.size(); ++p) {
            const std::string point = who + ": point " + std::to_string(p + 1) + " of the series";
            refuse(limits::outsideRange(point + ", its time", r.points[p].first, limits::kTime));
            refuse(limits::outsideRange(point + ", its temperature", r.points[p].second,
                                        limits::kTemperature));
        }
    }
    if (heatProduced) checkHeatSource(in.hydration);
    for (std::size_t b = 0; b < in.boundaries.size(); ++b) {
        const int mat = in.boundaries[b].material;
        if (mat < 1 || mat > int(in.materials.size()))
            warnings.push_back("boundary record " + std::to_string(b + 1) + " names material " +
                               std::to_string(mat) + ", which is not in the list; it is ignored");
    }
    return in;
}

SolverInput readTempFile(const std::string& path, std::vector<std::string>& warnings) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw InputFault("cannot open the temp file " + path);
    std::ostringstream content;
    content << file.rdbuf();
    return parseTempText(content.str(), warnings);
}

std::vector<CellIndex> parseRecordingPoints(std::string_view text, const SolverInput& in,
                                            std::vector<std::string>& warnings) {
    std::vector<CellIndex> out;
    std::istringstream lines{std::string(text)};
    std::string line;
    std::vector<std::string> first;
    while (first.empty() && std::getline(lines, line)) first = words(line);
    if (first.empty() || !vardex::isNumeric(first[0])) {
        warnings.push_back("the recording index file has no point count; no points recorded");
        return out;
    }
    // More points than cells cannot be meant; the cap also keeps the count a sane integer.
    const double cells = double(in.nx) * in.ny * in.nz;
    auto number = [](const std::string& w) {
        try {
            return vardex::leadingNumber(w);
        } catch (const vardex::ReadError&) {
            throw InputFault("the recording index file holds " + w +
                             ", which is not a finite number");
        }
    };
    const int count = int(std::clamp(number(first[0]), 0.0, std::min(cells, 1e6)));
    auto index = [&](const std::string& w) {
        return int(std::clamp(vardex::roundHalfEven(number(w)), -1.0, 1e9));
    };
    for (int p = 1; p <= count; ++p) {
        std::vector<std::string> w;
        while (w.empty() && std::getline(lines, line)) w = words(line);
        if (w.size() < 3 || !vardex::isNumeric(w[0]) || !vardex::isNumeric(w[1]) ||
            !vardex::isNumeric(w[2])) {
            warnings.push_back("the recording index file ends at point " + std::to_string(p) +
                               " of " + std::to_string(count));
            break;
        }
        CellIndex c{index(w[0]), index(w[1]), index(w[2])};
        if (c.i < 1 || c.i > in.nx || c.j < 1 || c.j > in.ny || c.k < 1 || c.k > in.nz) {
            warnings.push_back("recording point " + std::to_string(p) + " (" + std::to_string(c.i) +
                               ", " + std::to_string(c.j) + ", " + std::to_string(c.k) +
                               ") is outside the grid; it is ignored");
            continue;
        }
        out.push_back(c);
    }
    return out;
}

} // namespace zolter
