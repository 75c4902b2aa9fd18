#pragma once
// Standard dialogs: message boxes, input boxes, file dialogs and the colour chooser.

#include <cstdint>
#include <optional>
#include <string>

namespace vardex {

inline constexpr const char* kDefaultTitle = "Vardex";

enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

struct FileDialogRequest {
    std::string filter;     // pairs of description and pattern joined by "|"
    std::string initialDir; // folder shown first
    std::string fileName;   // preset file name (may hold a folder)
    std::string title;
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    virtual MessageAnswer message(const std::string& text, const std::string& title,
                                  MessageButtons buttons) = 0;
    // Single-line input box; a cancelled box answers an empty text.
    virtual std::string input(const std::string& prompt, const std::string& title,
                              const std::string& defaultText) = 0;
    // File dialogs; a cancelled dialog answers an empty text.
    virtual std::string openFile(const FileDialogRequest& request) = 0;
    virtual std::string saveFile(const FileDialogRequest& request) = 0;
    // Colour as red + 256 * green + 65536 * blue; nothing when cancelled.
    virtual std::optional<std::int32_t> chooseColor(std::int32_t initial) = 0;

    // Conveniences over message().
    void inform(const std::string& text, const std::string& title = kDefaultTitle) {
        message(text, title, MessageButtons::Ok);
    }
    bool askYesNo(const std::string& text, const std::string& title = kDefaultTitle) {
        return message(text, title, MessageButtons::YesNo) == MessageAnswer::Yes;
    }
    // Yes, No or Cancel; a box closed without an answer is Cancel.
    MessageAnswer askYesNoCancel(const std::string& text,
                                 const std::string& title = kDefaultTitle) {
        return message(text, title, MessageButtons::YesNoCancel);
    }
};

// The line break used inside message texts.
inline constexpr const char* kNewLine = "\r\n";

} // namespace vardex
