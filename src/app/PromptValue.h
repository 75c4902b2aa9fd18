#pragma once
// The shared numeric prompt.

#include <string>

#include "platform/Dialogs.h"

namespace vardex {

struct PromptAnswer {
    bool isNumber = false; // the answer was taken as a number (numeric default)
    double number = 0;
    std::string text; // the answer as typed (text mode)
};

inline constexpr const char* kPromptDefaultTitle = "For your consideration . . . ";

// With a numeric default the answer must be numeric: empty (or Cancel) gives 0, a number its
// value, anything else shows "Not a proper value--try again" and asks again. With an empty or
// non-numeric default the answer text is returned unchanged.
PromptAnswer promptvalue(Dialogs& dialogs, const std::string& prompt, const std::string& title,
                         const std::string& defaultText);

} // namespace vardex
