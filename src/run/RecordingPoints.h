#pragma once
// The recording points of a run: where the solver records temperature histories, which chunk
// holds each point and the zone indices written to the recording index file.

#include <array>
#include <vector>

#include "run/SolverLaunchFiles.h"

namespace vardex {

class Csubmodel;

inline constexpr int kMaxRecordingPoints = 16;

struct RecordingPoint {
    std::array<float, 3> xyz{}; // metres (feet while the window shows feet)
    int chunk = 0;              // the chunk that holds the point; 0 when none
};

struct RecordingPoints {
    std::vector<RecordingPoint> points; // point p is points[p - 1]
    bool usUnits = false;               // coordinates are entered in feet
    std::vector<float> chunkTops;       // chunkTops[c - 1]: top of chunk c above the base

    int count() const { return static_cast<int>(points.size()); }
    // Coordinate of point p (1..16), axis a (1 x, 2 y, 3 z); a point not yet entered reads 0.
    float getCoord(int p, int a) const;
    // Stores a coordinate; a point beyond the count is added (with zeros) up to p.
    void letCoord(int p, int a, float value);
};

// The recording-point step: chunk tops from the chunks' sub-model types (base upward), repeated
// points removed, each point given the chunk holding its height (a height on a chunk top belongs
// to the chunk above), and points outside every chunk or beyond their chunk's grid removed.
void assignRecordingChunks(RecordingPoints& rec, const std::vector<const Csubmodel*>& chunks);

// The zone indices of the points of chunk c (1-based) whose sub-model type is s, in point order.
std::vector<ZoneIndex> chunkZoneIndices(const RecordingPoints& rec, int chunk, const Csubmodel& s);

} // namespace vardex
