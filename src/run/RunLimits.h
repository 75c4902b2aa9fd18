#pragma once
// The run set-up against the physical limits the solver holds its input to (text/PhysicalLimits),
// checked before anything starts so that a value the solver would refuse is named at once.

#include <string>

#include "app/KeyedList.h"
#include "run/Cexec.h"
#include "submodel/Csubmodel.h"

namespace vardex {

// "" when every chunk's input lies within the limits; otherwise the first value outside them,
// named with its allowed range. Reads the aligned set-up: the chunks' grids hold master numbers.
std::string runLimitProblem(const Cexec& exec, const KeyedList<Csubmodel>& submodels);

// The heat source alone, as runLimitProblem checks it when some material produces heat.
std::string heatSourceProblem(const Csourceheat& src);

} // namespace vardex
