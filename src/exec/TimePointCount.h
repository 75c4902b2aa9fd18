#pragma once
// The count of time points that heads the solver's history and summary files. A file may announce
// any number: the count is checked to fit, and the points are read one by one, never reserved.

#include "text/ListInput.h"

namespace vardex {

// Reads the count: a whole number from 1 to 2147483647, else ReadError saying so.
int readTimePointCount(ListInput& in);

// Throws ReadError when the file ends before time point `point` (1-based) of `count`.
void expectTimePoint(const ListInput& in, int point, int count);

} // namespace vardex
