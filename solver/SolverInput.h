#pragma once
// Everything the solver reads from its input files.

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zolter {

// A fault in the input: the run stops with this one-line reason.
class InputFault : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

using SeriesPoints = std::vector<std::pair<double, double>>; // (time in hours, value)

struct TimeControl {
    double theta = 0.63;
    double start = 0.0; // hours
    double end = 96.0;  // hours
    double dtmax = 3.0; // hours
    double errmax = 0.003;
    int itmax = 23;
};

struct Hydration {
    std::string seriesFile;
    bool seriesFlag = false;
    bool abtFlag = false;
    double concreteRho = 2270.0; // kg/m3
    double placement = 32.0;     // C
    double qCementitious = 70.0; // kJ/kg
    std::array<double, 3> p{0.87, 1.5, 25.0};
    SeriesPoints points; // cumulative heat, kJ/kg
    // The source's age is each cell's equivalent age, advancing at the Arrhenius rate.
    bool equivalentAge = false;
    double activationEnergy = 0.0;      // J/mol
    double referenceTemperature = 21.1; // C
};

// The heat-transfer coefficients U1..U6 of faces 1..6 from a time (hours) until the next row's.
struct FaceCoefficients {
    double time = 0.0;
    std::array<double, 6> u{}; // W/m2 C
};

struct BoundaryRecord {
    bool dirichlet = false;
    int material = 0; // master material number, 1-based
    std::string name;
    double density = 0.0;
    std::string seriesFile;
    double initTemp = 25.0;
    SeriesPoints points; // temperature, C
    // Faces of this material exchange heat with the series' ambient temperature through U.
    bool convection = false;
    std::vector<FaceCoefficients> faceRows; // times rising

    // The row in force at time t: the last whose time has come, else the first.
    std::size_t rowAt(double t) const {
        std::size_t row = 0;
        while (row + 1 < faceRows.size() && faceRows[row + 1].time <= t) ++row;
        return row;
    }
    // U of face f (0-based, input order) at time t; 0 without rows.
    double coefficient(int face, double t) const {
        return faceRows.empty() ? 0.0 : faceRows[rowAt(t)].u[std::size_t(face)];
    }
};

struct Material {
    std::string name;
    double conductivity = 0.0; // W/m C
    double specificHeat = 0.0; // kJ/kg C as read
    double density = 0.0;      // kg/m3
    double heatProduction = 0.0;
};

struct SolverInput {
    std::string modelFile;
    std::string submodelName;
    TimeControl times;
    int nx = 0, ny = 0, nz = 0;
    double dx = 0.0, dy = 0.0, dz = 0.0; // m
    std::string format;
    Hydration hydration;
    std::string faces; // six letters, faces 1..6
    std::vector<BoundaryRecord> boundaries;
    std::string outputDirectory;
    std::string output;
    std::vector<int> zoneSection;           // per vertical zone, 1-based section number
    std::vector<std::vector<int>> sections; // per section: ny rows of nx master numbers, i fastest
    std::vector<Material> materials;        // master material k at index k - 1

    // Master material number (1-based) of cell (i, j, k), all 0-based.
    int materialAt(int i, int j, int k) const {
        return sections[std::size_t(zoneSection[std::size_t(k)] - 1)]
                       [std::size_t(i) + std::size_t(nx) * std::size_t(j)];
    }

    // The boundary record of each master material (at index m for material m), or -1: when
    // several records name the same material, the first one counts.
    std::vector<int> recordOfMaterial() const {
        std::vector<int> record(materials.size() + 1, -1);
        for (std::size_t b = boundaries.size(); b-- > 0;) {
            const int m = boundaries[b].material;
            if (m >= 1 && std::size_t(m) <= materials.size()) record[std::size_t(m)] = int(b);
        }
        return record;
    }
};

// Reads and checks the temp file; warnings collects what was corrected or ignored.
SolverInput readTempFile(const std::string& path, std::vector<std::string>& warnings);
SolverInput parseTempText(std::string_view text, std::vector<std::string>& warnings);

// A recording point as 1-based column, row and vertical zone.
struct CellIndex {
    int i = 1, j = 1, k = 1;
};

// Reads a recording index file; points outside the grid are dropped with a warning.
std::vector<CellIndex> parseRecordingPoints(std::string_view text, const SolverInput& in,
                                            std::vector<std::string>& warnings);

// Base name of a path without folder and extension; either slash separates folders.
std::string baseName(std::string_view path);

} // namespace zolter
