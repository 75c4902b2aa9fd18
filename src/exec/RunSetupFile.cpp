#include "exec/RunSetupFile.h"

#include <cmath>
#include <limits>

#include "text/KeyReader.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"
#include "text/TextFileWriter.h"

namespace vardex {
namespace {

constexpr int kMaxPoints = 16;
constexpr int kMaxBoundaries = 99;

std::string line(const char* key, const std::string& value) {
    return PrintLine(key).zone(value).str();
}
template <typename T> std::string valueLine(const char* key, T value) {
    return PrintLine(key).zoneValue(value).str();
}

// The line holding the key; the file's last line only ends it (the key reader's rule), so the
// writer closes the file with a line of its own.
std::string keyLine(KeyReader& in, const char* key) {
    std::string found = in.findline(key);
    if (!in.isOpen()) throw ReadError(std::string("the file ends before \"") + key + "\"");
    return found;
}

std::string keyText(KeyReader& in, const char* key) {
    const std::string found = keyLine(in, key);
    return trim(std::string_view(found).substr(found.find(key) + std::string_view(key).size()));
}

// A double field holds what a user can type into the window: the range of a float, as the
// 15-digit print form writes its largest value (rounded up), so every saved value reopens.
constexpr double kLargestDouble = 3.40282346638529e38;

// Reads the value after the key strictly: the whole value must be one number within +-largest.
double number(KeyReader& in, const char* key, double largest) {
    const std::string text = keyText(in, key);
    if (!isNumeric(text)) throw ReadError(std::string("\"") + key + "\" is not a number");
    double value = 0;
    try {
        value = leadingNumber(text);
    } catch (const ReadError&) {
        value = HUGE_VAL; // beyond a double
    }
    if (!(std::abs(value) <= largest))
        throw ReadError(std::string("\"") + key + "\" does not fit its field");
    return value;
}

double doubleValue(KeyReader& in, const char* key) {
    return number(in, key, kLargestDouble);
}

// A 32-bit float field (and the counts, which are far smaller).
double number(KeyReader& in, const char* key) {
    return number(in, key, std::numeric_limits<float>::max());
}

float floatValue(KeyReader& in, const char* key) {
    return static_cast<float>(number(in, key));
}

bool boolean(KeyReader& in, const char* key) {
    const std::string text = keyText(in, key);
    if (text == "True") return true;
    if (text == "False") return false;
    throw ReadError(std::string("\"") + key + "\" is neither True nor False");
}

int count(KeyReader& in, const char* key, int most) {
    const double value = number(in, key);
    if (value < 0 || value > most || value != std::floor(value))
        throw ReadError(std::string("\"") + key + "\" is not a count from 0 to " +
                        plainDigits(most));
    return static_cast<int>(value);
}

// Keys added later are optional: present only when the very next line holds them.
bool nextLineHolds(const KeyReader& in, const char* key) {
    KeyReader probe = in;
    return probe.isOpen() && !probe.atEnd() && probe.readLine().find(key) != std::string::npos;
}

std::string faceRowLine(const FaceCoefficients& row) {
    PrintLine text("faces=");
    text.zoneValue(row.time);
    for (const float u : row.U) text.zoneValue(u);
    return text.str();
}

// "faces=" time U1 .. U6, each a number that fits a float.
FaceCoefficients faceRow(KeyReader& in) {
    std::string text = keyText(in, "faces=");
    std::array<float, 7> values{};
    for (float& value : values) {
        const std::size_t end = text.find(' ');
        const std::string item = text.substr(0, end);
        if (!isNumeric(item)) throw ReadError("\"faces=\" needs a time and six coefficients");
        const double v = leadingNumber(item);
        if (!(std::abs(v) <= std::numeric_limits<float>::max()))
            throw ReadError("\"faces=\" holds a number that does not fit its field");
        value = static_cast<float>(v);
        text = end == std::string::npos ? "" : trim(text.substr(end));
    }
    if (!text.empty()) throw ReadError("\"faces=\" holds more than a time and six coefficients");
    FaceCoefficients row;
    row.time = values[0];
    for (int f = 0; f < 6; ++f) row.U[std::size_t(f)] = values[std::size_t(f) + 1];
    return row;
}

RunSetup parseRunSetup(KeyReader& in);

} // namespace

void writeRunSetup(const std::string& path, const RunSetup& s) {
    std::vector<std::string> lines{
        kRunSetupHeading,
        line("modelfile=", s.modelFile),
        "[parameters]",
        valueLine("itmax=", s.itmax),
        valueLine("errmax=", s.errmax),
        valueLine("dtmax=", s.dtmax),
        valueLine("starttime=", s.starttime),
        valueLine("endtime=", s.endtime),
        valueLine("concentric=", s.concentric),
        "[source]",
        valueLine("timeseries=", s.source.timeSeries),
        valueLine("abt=", s.source.abt),
        valueLine("density=", s.source.density),
        valueLine("heat=", s.source.heat),
        valueLine("placement=", s.source.placement),
        valueLine("sourcestart=", s.source.start),
        valueLine("P1=", s.source.params[0]),
        valueLine("P2=", s.source.params[1]),
        valueLine("P3=", s.source.params[2]),
        line("seriesfile=", s.source.seriesFile),
        valueLine("equivalentage=", s.source.equivalentAge),
        valueLine("activationenergy=", s.source.activationEnergy),
        valueLine("referencetemp=", s.source.referenceTemp),
        "[boundaries]",
        valueLine("boundaries=", static_cast<int>(s.boundaries.size())),
    };
    for (const BoundarySetup& b : s.boundaries) {
        lines.push_back("[boundary]");
        lines.push_back(line("material=", b.material));
        lines.push_back(valueLine("dirichlet=", b.dirichlet));
        lines.push_back(valueLine("initTemp=", b.initTemp));
        lines.push_back(line("seriesfile=", b.seriesFile));
        lines.push_back(valueLine("convection=", b.convection));
        if (b.convection) {
            lines.push_back(valueLine("facepoints=", static_cast<int>(b.faces.size())));
            for (const FaceCoefficients& row : b.faces) lines.push_back(faceRowLine(row));
        }
    }
    lines.push_back("[recording]");
    lines.push_back(line("units=", s.feet ? "feet" : "metres"));
    lines.push_back(valueLine("points=", static_cast<int>(s.points.size())));
    for (const auto& p : s.points)
        lines.push_back(PrintLine("x=")
                            .directValue(p[0])
                            .direct("y=")
                            .directValue(p[1])
                            .direct("z=")
                            .directValue(p[2])
                            .str());
    lines.push_back("[limits]");
    lines.push_back(valueLine("maxtemperature=", s.limits.maxTemperature));
    lines.push_back(valueLine("maxdifference=", s.limits.maxDifference));
    lines.push_back("[end]"); // the key reader never matches a file's last line
    // Whatever is saved must open again: a value whose printed form the reader refuses (one
    // rounded beyond its field, or not a number at all) fails the save and keeps the old file.
    std::string text;
    for (const std::string& l : lines) text += l + "\n";
    try {
        KeyReader check = KeyReader::fromText(text);
        parseRunSetup(check);
    } catch (const ReadError& e) {
        throw std::runtime_error(path + ": the set-up could not be read back: " + e.what());
    }
    writeLines(path, lines);
}

RunSetup readRunSetup(const std::string& path) {
    KeyReader in(path);
    return parseRunSetup(in);
}

namespace {

RunSetup parseRunSetup(KeyReader& in) {
    keyLine(in, kRunSetupHeading);
    RunSetup s;
    s.modelFile = keyText(in, "modelfile=");
    if (s.modelFile.empty()) throw ReadError("\"modelfile=\" names no model file");
    keyLine(in, "[parameters]");
    const double itmax = number(in, "itmax=");
    if (itmax < 1 || itmax > 32767) throw ReadError("\"itmax=\" does not fit its field");
    s.itmax = toInt16(itmax);
    s.errmax = doubleValue(in, "errmax=");
    s.dtmax = doubleValue(in, "dtmax=");
    s.starttime = doubleValue(in, "starttime=");
    s.endtime = doubleValue(in, "endtime=");
    s.concentric = boolean(in, "concentric=");
    keyLine(in, "[source]");
    s.source.timeSeries = boolean(in, "timeseries=");
    s.source.abt = boolean(in, "abt=");
    s.source.density = floatValue(in, "density=");
    s.source.heat = floatValue(in, "heat=");
    s.source.placement = floatValue(in, "placement=");
    s.source.start = floatValue(in, "sourcestart=");
    s.source.params[0] = floatValue(in, "P1=");
    s.source.params[1] = floatValue(in, "P2=");
    s.source.params[2] = floatValue(in, "P3=");
    s.source.seriesFile = keyText(in, "seriesfile=");
    if (nextLineHolds(in, "equivalentage=")) {
        s.source.equivalentAge = boolean(in, "equivalentage=");
        s.source.activationEnergy = floatValue(in, "activationenergy=");
        s.source.referenceTemp = floatValue(in, "referencetemp=");
    }
    keyLine(in, "[boundaries]");
    const int boundaries = count(in, "boundaries=", kMaxBoundaries);
    for (int b = 0; b < boundaries; ++b) {
        keyLine(in, "[boundary]");
        BoundarySetup record;
        record.material = keyText(in, "material=");
        record.dirichlet = boolean(in, "dirichlet=");
        record.initTemp = floatValue(in, "initTemp=");
        record.seriesFile = keyText(in, "seriesfile=");
        if (nextLineHolds(in, "convection=")) record.convection = boolean(in, "convection=");
        if (record.convection) {
            if (record.dirichlet)
                throw ReadError("a boundary is both \"dirichlet=\" and \"convection=\" True");
            const int rows = count(in, "facepoints=", CBoundarytype::kMaxFaceRows);
            for (int r = 0; r < rows; ++r) record.faces.push_back(faceRow(in));
        }
        s.boundaries.push_back(record);
    }
    keyLine(in, "[recording]");
    const std::string units = keyText(in, "units=");
    if (units != "metres" && units != "feet")
        throw ReadError("\"units=\" is neither metres nor feet");
    s.feet = units == "feet";
    const int points = count(in, "points=", kMaxPoints);
    for (int p = 0; p < points; ++p) {
        // One line "x= .. y= .. z= ..": each key is searched from the line the last one ended on.
        std::string text = keyLine(in, "x=");
        std::array<float, 3> xyz{};
        const char* keys[3] = {"x=", "y=", "z="};
        for (int a = 0; a < 3; ++a) {
            const std::size_t at = text.find(keys[a]);
            if (at == std::string::npos)
                throw ReadError("a recording point without \"" + std::string(keys[a]) + "\"");
            const std::size_t from = at + 2;
            const std::size_t to = a < 2 ? text.find(keys[a + 1], from) : std::string::npos;
            const std::string value =
                trim(text.substr(from, to == std::string::npos ? std::string::npos : to - from));
            if (!isNumeric(value))
                throw ReadError("a recording point's coordinate is not a number");
            const double v = leadingNumber(value);
            if (!std::isfinite(v) || std::abs(v) > std::numeric_limits<float>::max())
                throw ReadError("a recording point's coordinate does not fit its field");
            xyz[std::size_t(a)] = static_cast<float>(v);
        }
        s.points.push_back(xyz);
    }
    keyLine(in, "[limits]");
    s.limits.maxTemperature = doubleValue(in, "maxtemperature=");
    s.limits.maxDifference = doubleValue(in, "maxdifference=");
    return s;
}

} // namespace
} // namespace vardex
