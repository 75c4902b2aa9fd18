#pragma once
// The entry point of every fuzz target: libFuzzer calls it, and so does the corpus replay.

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
