#include "support/ScriptedDialogs.h"

#include <algorithm>

namespace vardex::testing {

MessageAnswer ScriptedDialogs::message(const std::string& text, const std::string& title,
                                       MessageButtons buttons) {
    messages.push_back({text, title, buttons});
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (buttons == MessageButtons::YesNoCancel) {
        if (yesNoCancelAnswers.empty()) return MessageAnswer::Cancel;
        MessageAnswer answer = yesNoCancelAnswers.front();
        yesNoCancelAnswers.pop_front();
        return answer;
    }
    bool yes = false;
    if (!yesNoAnswers.empty()) {
        yes = yesNoAnswers.front();
        yesNoAnswers.pop_front();
    }
    return yes ? MessageAnswer::Yes : MessageAnswer::No;
}

std::string ScriptedDialogs::input(const std::string& prompt, const std::string& title,
                                   const std::string& defaultText) {
    prompts.push_back({prompt, title, defaultText});
    if (inputAnswers.empty()) return {};
    std::string answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

std::string ScriptedDialogs::nextFileAnswer() {
    if (fileAnswers.empty()) return {};
    std::string answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::string ScriptedDialogs::openFile(const FileDialogRequest& request) {
    fileRequests.push_back({false, request});
    return nextFileAnswer();
}

SaveFileChoice ScriptedDialogs::chooseSaveFile(const FileDialogRequest& request) {
    fileRequests.push_back({true, request});
    int entry = 0;
    if (!saveFilterEntries.empty()) {
        entry = saveFilterEntries.front();
        saveFilterEntries.pop_front();
    }
    return {nextFileAnswer(), entry};
}

std::optional<std::int32_t> ScriptedDialogs::chooseColor(std::int32_t initial) {
    colorRequests.push_back(initial);
    if (colorAnswers.empty()) return std::nullopt;
    auto answer = colorAnswers.front();
    colorAnswers.pop_front();
    return answer;
}

std::vector<std::string> ScriptedDialogs::messageTexts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages) texts.push_back(m.text);
    return texts;
}

bool ScriptedDialogs::shown(const std::string& text) const {
    return std::any_of(messages.begin(), messages.end(),
                       [&](const RecordedMessage& m) { return m.text == text; });
}

} // namespace vardex::testing
