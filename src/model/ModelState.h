#pragma once
// The integrated model as the main window's builder holds it: sub-model types with colours and
// lengths, and 100 chunk chunkSlots along the vertical axis.

#include <array>
#include <cstdint>

namespace vardex {

inline constexpr int kMaxModelTypes = 20;
inline constexpr int kChunkSlots = 100;
inline constexpr int kMaxFileChunks = 80;

struct ChunkSlot {
    std::int16_t type = 0; // 0: empty
    float bottom = 0;      // metres from the top of the drawing, z of the chunk's two ends
    float top = 0;
};

struct ModelState {
    std::int16_t typeCount = 0;
    std::int16_t chunkCount = 0;
    std::array<std::int32_t, kMaxModelTypes> typeColors{};
    std::array<float, kMaxModelTypes> typeLengths{};
    float totalLength = 0;
    std::array<ChunkSlot, kChunkSlots + 1> chunkSlots{}; // chunkSlots[1] .. chunkSlots[100]
    bool deleteMode = false;

    void emptySlots() { chunkSlots.fill({}); }
};

} // namespace vardex
