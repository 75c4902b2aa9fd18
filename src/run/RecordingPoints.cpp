#include "run/RecordingPoints.h"

#include <cmath>
#include <stdexcept>

#include "submodel/Csubmodel.h"

namespace vardex {
namespace {

void checkPoint(int p, int a) {
    if (p < 1 || p > kMaxRecordingPoints || a < 1 || a > 3)
        throw std::out_of_range("Subscript out of range");
}

// Keeps a point on a zone boundary in the lower zone.
constexpr double kOffset = 1.0 / 100000;

int zoneOf(double position, double size) {
    const int index = static_cast<int>(std::floor((position - kOffset) / size)) + 1;
    return index < 1 ? 1 : index;
}

} // namespace

float RecordingPoints::getCoord(int p, int a) const {
    checkPoint(p, a);
    return p <= count() ? points[p - 1].xyz[a - 1] : 0.0f;
}

void RecordingPoints::letCoord(int p, int a, float value) {
    checkPoint(p, a);
    if (p > count()) points.resize(p);
    points[p - 1].xyz[a - 1] = value;
}

void assignRecordingChunks(RecordingPoints& rec, const std::vector<const Csubmodel*>& chunks) {
    rec.chunkTops.clear();
    float top = 0;
    for (const Csubmodel* type : chunks) {
        top += static_cast<float>(type->nz) * type->dz;
        rec.chunkTops.push_back(top);
    }

    std::vector<RecordingPoint>& points = rec.points;
    for (std::size_t i = 0; i < points.size(); ++i)
        for (std::size_t j = i + 1; j < points.size();) {
            if (points[j].xyz == points[i].xyz)
                points.erase(points.begin() + static_cast<std::ptrdiff_t>(j));
            else
                ++j;
        }

    for (RecordingPoint& p : points) {
        p.chunk = 0;
        for (std::size_t c = 0; c < chunks.size(); ++c) {
            const float base = c == 0 ? 0.0f : rec.chunkTops[c - 1];
            if (base <= p.xyz[2] && p.xyz[2] <= rec.chunkTops[c]) p.chunk = static_cast<int>(c) + 1;
        }
    }

    std::erase_if(points, [&](const RecordingPoint& p) {
        if (p.chunk == 0) return true;
        const Csubmodel& type = *chunks[p.chunk - 1];
        return p.xyz[0] > static_cast<float>(type.nx) * type.dx ||
               p.xyz[1] > static_cast<float>(type.ny) * type.dy;
    });
}

std::vector<ZoneIndex> chunkZoneIndices(const RecordingPoints& rec, int chunk, const Csubmodel& s) {
    const double base = chunk > 1 && chunk - 1 <= static_cast<int>(rec.chunkTops.size())
                            ? rec.chunkTops[chunk - 2]
                            : 0.0;
    std::vector<ZoneIndex> indices;
    for (const RecordingPoint& p : rec.points) {
        if (p.chunk != chunk) continue;
        indices.push_back(
            {zoneOf(p.xyz[0], s.dx), zoneOf(p.xyz[1], s.dy), zoneOf(p.xyz[2] - base, s.dz)});
    }
    return indices;
}

} // namespace vardex
