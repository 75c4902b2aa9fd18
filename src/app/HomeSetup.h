#pragma once
// The home folder an installed Vardex makes on its first start, so that it needs no repository:
// Vardex.ini, Temp, Output and the examples in data, as scripts/setup_home.sh makes for run.sh.

#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"

namespace vardex {

// What an installed Vardex ships beside its programs.
struct InstalledFiles {
    std::string examples; // example data; "@DATA@" in a file stands for the data folder's path
    std::string solver;   // the solver program
};

// For programs in <prefix>/bin: <prefix>/share/vardex/examples and <prefix>/bin/zolter.
InstalledFiles installedFiles(const FileSystem& fs, const std::string& programFolder);

// Makes `home` runnable: its Temp, Output and data folders, the examples copied into data with
// every "@DATA@" replaced by the data folder's path, and a Vardex.ini pointing into the home and
// at the installed solver. Files already there are kept, so what the user changed survives.
// Throws std::runtime_error naming what could not be made.
void setUpHome(const FileSystem& fs, const std::string& home, const InstalledFiles& installed);

// The first start of an installed program (its examples are there): when the home the
// candidates give holds no Vardex.ini, sets up `newHome` (a candidate that then wins). True when
// it did; a failure is shown with its reason, and the start goes on as it would without a home.
bool setUpHomeOnFirstStart(const FileSystem& fs, Dialogs& dialogs,
                           const std::vector<std::string>& candidates, const std::string& newHome,
                           const InstalledFiles& installed);

// The same on this platform: its candidates, $VARDEX_HOME (or else the user's data folder) as
// the new home, and the files installed beside the running program.
bool setUpHomeOnFirstStart(Dialogs& dialogs);

} // namespace vardex
