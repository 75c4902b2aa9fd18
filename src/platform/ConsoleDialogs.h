#pragma once
// Dialogs for a program without windows: every message is written to a stream, every question
// is answered as if cancelled (No, Cancel, the box's default, no file, no colour), so nothing
// waits for a person.

#include <ostream>

#include "platform/Dialogs.h"

namespace vardex {

class ConsoleDialogs : public Dialogs {
  public:
    explicit ConsoleDialogs(std::ostream& out) : out_(out) {}

    MessageAnswer message(const std::string& text, const std::string& title,
                          MessageButtons buttons) override;
    std::string input(const std::string& prompt, const std::string& title,
                      const std::string& defaultText) override;
    std::string openFile(const FileDialogRequest& request) override;
    SaveFileChoice chooseSaveFile(const FileDialogRequest& request) override;
    std::optional<std::int32_t> chooseColor(std::int32_t initial) override;

  private:
    std::ostream& out_;
};

} // namespace vardex
