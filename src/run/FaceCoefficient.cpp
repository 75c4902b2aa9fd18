#include "run/FaceCoefficient.h"

namespace vardex {

double seriesCoefficient(double film, const std::vector<InsulationLayer>& layers) {
    if (!(film > 0)) return 0.0;
    double resistance = 1.0 / film;
    for (const InsulationLayer& layer : layers) {
        if (!(layer.conductivity > 0)) return 0.0;
        resistance += layer.thickness / layer.conductivity;
    }
    return 1.0 / resistance;
}

} // namespace vardex
