#pragma once
// What the execution-control window hands the temperature display: its display mode, the file
// whose base name the display shows, and each chunk's collected field with its sub-model's grid.

#include <cstdint>
#include <string>
#include <vector>

#include "app/AppState.h"

namespace vardex {

class Csounding;

struct DisplayChunk {
    std::string outputFile; // the chunk's field in the cross-section layout
    std::int16_t nx = 0, ny = 0, nz = 0;
    double dx = 0, dy = 0, dz = 0;
    double z0 = 0; // height of the chunk's base in the model, m
};

struct DisplaySource {
    std::string viewMode;                // "model", "sounding", anything else draws nothing
    std::string fileName;                // the model file; the display shows its base name
    std::vector<DisplayChunk> chunks;    // chunk 1 (the base) first
    const Csounding* sounding = nullptr; // the trace drawn in "sounding" mode; may be null; read
                                         // once when the display loads
};

// The display source of a run: chunk k is a placement of sub-model type chunkTypes[k - 1] of the
// shared sub-model list, and its final field was collected as runName.k in the current folder.
DisplaySource modelDisplaySource(const AppState& app, const std::string& viewMode,
                                 const std::string& modelfile, const std::string& runName,
                                 const std::vector<std::int16_t>& chunkTypes);

} // namespace vardex
