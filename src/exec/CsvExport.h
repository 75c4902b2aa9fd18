#pragma once
// Saving a table as CSV: the save dialog, the atomic writer, a message naming the file on failure.

#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace vardex {

// Asks for a file name (preset to defaultName) and writes the lines; false when the dialog was
// cancelled or the file could not be written (the user is told which file).
bool saveCsv(Dialogs& dialogs, const std::string& title, const std::string& defaultName,
             const std::vector<std::string>& lines);

// A text as one CSV field: in double quotes, quotes inside doubled.
std::string csvField(const std::string& text);

} // namespace vardex
