#pragma once
// What every window's "&Help" menu holds: the user guide (F1) and "About Vardex".

#include <string>

#include "platform/Controls.h"

namespace vardex {

MenuState helpMenu();

// The text of "About Vardex": the program, its version and its licence.
std::string aboutText();

} // namespace vardex
