#pragma once
// The integrated-model record of the application state.

#include <cstdint>
#include <string>

namespace vardex {

class Cmodel {
  public:
    std::string modelFileName; // written to the configuration file as "modelfile="
    std::string modelName;
    std::int16_t chunkCount = 0;
    std::int16_t typeCount = 0;
    double totalTime = 0;
    double startTime = 0;
    double Rparam_1 = 0;
    double Rparam_2 = 0;
    double Rparam_3 = 0;
    std::int16_t last = 0;
};

} // namespace vardex
