#pragma once
// The temp file as the program writes it, for a given input: used to set up benchmark and test
// cases in exactly the layout the solver reads.

#include <string>

#include "SolverInput.h"

namespace zolter {

std::string tempFileText(const SolverInput& in);

} // namespace zolter
