#pragma once
// A run set-up saved whole, so a model can be run again without setting it up by hand: the model
// file, the solver parameters, the heat source, every boundary record with its series file, the
// recording points and the thermal limits. Its layout is described in the README.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "exec/ThermalLimits.h"
#include "run/CBoundarytype.h"

namespace vardex {

inline constexpr const char* kRunSetupFilter =
    " Run set-up files (*.vrs)|*.vrs|All files (*.*)|*.*";
inline constexpr const char* kRunSetupHeading = "[Vardex run set-up]";

struct SourceSetup {
    bool timeSeries = false;
    bool abt = false;
    float density = 2270.0f;
    float heat = 70.0f;
    float placement = 32.0f;
    float start = 0.0f;
    std::array<float, 3> params{0.87f, 1.5f, 25.0f};
    std::string seriesFile;
    bool equivalentAge = false;
    float activationEnergy = 40000.0f;
    float referenceTemp = 20.0f;
};

struct BoundarySetup {
    std::string material; // the boundary material's name, as the alignment finds it
    bool dirichlet = false;
    float initTemp = 25.0f;
    std::string seriesFile;
    bool convection = false;
    std::vector<FaceCoefficients> faces;
};

struct RunSetup {
    std::string modelFile;
    std::int16_t itmax = 22;
    double errmax = 0.003;
    double dtmax = 3.0;
    double starttime = 0.0;
    double endtime = 96.0;
    bool concentric = true;
    SourceSetup source;
    std::vector<BoundarySetup> boundaries;
    bool feet = false;                        // recording points entered in feet
    std::vector<std::array<float, 3>> points; // x, y, z of each recording point
    ThermalLimitValues limits;
};

// Writes the set-up through the atomic writer; throws std::runtime_error naming the file.
void writeRunSetup(const std::string& path, const RunSetup& setup);

// Reads a set-up into a fresh record. Throws ReadError saying what is missing or wrong: a
// number that is not a number or does not fit its field is an error, never 0. The equivalent-age
// and convection keys may be missing (files saved before them): the source then uses real age
// and the boundaries are held or no-flux.
RunSetup readRunSetup(const std::string& path);

} // namespace vardex
