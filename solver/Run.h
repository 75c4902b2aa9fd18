#pragma once
// One run of the solver as the batch file starts it: read, solve, write, mark.

#include <string>
#include <vector>

#include "Multigrid.h"
#include "SolverInput.h"

namespace zolter {

// zolter TEMPFILE STDOUTFILE MARKERFILE; returns the exit status (0 only on success).
int runZolter(const std::vector<std::string>& args);

// A field in the cross-section layout: nz blocks of ny lines of nx blank-separated numbers.
// writeField writes it to a temporary name beside the target and renames it, so it is complete
// or absent.
std::string fieldText(const Shape& shape, const std::vector<double>& values);
void writeField(const std::string& path, const Shape& shape, const std::vector<double>& values);
void writeTextAtomically(const std::string& path, const std::string& text);

} // namespace zolter
