#include "run/SeriesPoints.h"

#include "text/NumberText.h"

namespace vardex {

int readSeriesPoints(ListInput& input, int count, std::vector<SeriesPoint>& points) {
    for (int k = 1; k <= count; ++k) {
        if (input.atEnd()) return k;
        try {
            float time = toFloat32(input.readNumber());
            float value = toFloat32(input.readNumber());
            points.push_back({time, value});
        } catch (const ReadError&) {
            return k;
        }
    }
    return 0;
}

} // namespace vardex
