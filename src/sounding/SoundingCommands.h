#pragma once
// The "&Data" commands of the execution-control window: acquire a sounding, test the rotation
// formula on four typed temperatures, display the sounding's trace.

#include <functional>
#include <memory>

#include "app/AppState.h"
#include "sounding/Csounding.h"

namespace vardex {

inline constexpr const char* kSoundingResultsName = "sdgx.out";

class SoundingCommands {
  public:
    explicit SoundingCommands(AppState& app) : app_(app) {}

    // Opens the temperature display in sounding mode for the sounding (null until one was
    // acquired); the owner of the display sets its display mode to "sounding".
    std::function<void(const Csounding*)> openDisplay;

    // Chooses a sounding data file, keeps its name as the current sounding file, creates a
    // sounding (with its two prompts) and reads the file into it. The sounding replaces the one
    // held only when readings were read.
    void acquireSounding();
    void testRotations();
    void displaySounding();

    const Csounding* sounding() const { return sounding_.get(); }
    // The datum of the last rotation test.
    const CsdgDatum* testDatum() const { return testDatum_.get(); }

  private:
    AppState& app_;
    std::shared_ptr<Csounding> sounding_;
    std::shared_ptr<CsdgDatum> testDatum_;
};

} // namespace vardex
