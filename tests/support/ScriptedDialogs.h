#pragma once
// Dialogs that answer from scripts and record every message, prompt and file request.
// Unscripted questions answer as if cancelled: No (Cancel where offered), an empty text, no colour.

#include <deque>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace vardex::testing {

struct RecordedMessage {
    std::string text;
    std::string title;
    MessageButtons buttons;
};

struct RecordedPrompt {
    std::string prompt;
    std::string title;
    std::string defaultText;
};

struct RecordedFileRequest {
    bool save;
    FileDialogRequest request;
};

class ScriptedDialogs : public Dialogs {
  public:
    // Scripts, consumed in order.
    std::deque<bool> yesNoAnswers;
    std::deque<MessageAnswer> yesNoCancelAnswers; // unscripted: Cancel
    std::deque<std::string> inputAnswers;
    std::deque<std::string> fileAnswers; // for open and save dialogs alike
    std::deque<int> saveFilterEntries;   // the filter chosen in save dialogs; unscripted: the first
    std::deque<std::optional<std::int32_t>> colorAnswers;

    // Records.
    std::vector<RecordedMessage> messages;
    std::vector<RecordedPrompt> prompts;
    std::vector<RecordedFileRequest> fileRequests;
    std::vector<std::int32_t> colorRequests;

    MessageAnswer message(const std::string& text, const std::string& title,
                          MessageButtons buttons) override;
    std::string input(const std::string& prompt, const std::string& title,
                      const std::string& defaultText) override;
    std::string openFile(const FileDialogRequest& request) override;
    SaveFileChoice chooseSaveFile(const FileDialogRequest& request) override;
    std::optional<std::int32_t> chooseColor(std::int32_t initial) override;

    // Texts of all messages shown, in order.
    std::vector<std::string> messageTexts() const;
    bool shown(const std::string& text) const;

  private:
    std::string nextFileAnswer();
};

} // namespace vardex::testing
