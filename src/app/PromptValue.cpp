#include "app/PromptValue.h"

#include "text/NumberText.h"

namespace vardex {

PromptAnswer promptvalue(Dialogs& dialogs, const std::string& prompt, const std::string& title,
                         const std::string& defaultText) {
    const std::string shownTitle = title.empty() ? kPromptDefaultTitle : title;
    const bool numeric = !defaultText.empty() && isNumeric(defaultText);
    for (;;) {
        std::string answer = dialogs.input(prompt, shownTitle, defaultText);
        if (!numeric) return {false, 0, answer};
        if (answer.empty()) return {true, 0, answer};
        if (std::optional<double> value = numericValue(answer)) return {true, *value, answer};
        dialogs.inform("Not a proper value--try again");
    }
}

} // namespace vardex
