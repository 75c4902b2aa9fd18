#pragma once
// The extensions of a file dialog's filter, so that a name typed without one is saved under the
// extension the dialog showed and is found again by the open dialogs.

#include <string>

namespace vardex {

// The extension, without its point, of the entry-th pair (from 0) of a filter such as
// " Section files (*.sec)|*.sec|All files (*.*)|*.*": "sec". Empty for "*.*", for a list of
// patterns and for an entry the filter does not have.
std::string filterExtension(const std::string& filter, int entry);

// The path with the extension of the chosen filter entry when its file name has no extension of
// its own: "boxcol" under " Section files (*.sec)|*.sec" is "boxcol.sec"; "boxcol.txt", or
// any name under "All files", stays as typed. An empty path stays empty.
std::string withFilterExtension(const std::string& path, const std::string& filter, int entry);

} // namespace vardex
