#include "ProgramUnits.h"

namespace vardex::gui {
namespace {

DisplayUnits* named = nullptr;

} // namespace

DisplayUnits& programUnits() {
    static DisplayUnits si;
    return named ? *named : si;
}

void setProgramUnits(DisplayUnits* units) {
    named = units;
}

} // namespace vardex::gui
