#pragma once
// Standard dialogs: message boxes, input boxes, file dialogs and the colour chooser.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/FileFilter.h"

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

// A save dialog as the user left it: the name typed (empty when cancelled) and the entry of the
// filter that was chosen, from 0.
struct SaveFileChoice {
    std::string path;
    int filterEntry = 0;
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
    virtual SaveFileChoice chooseSaveFile(const FileDialogRequest& request) = 0;
    // Colour as red + 256 * green + 65536 * blue; nothing when cancelled.
    virtual std::optional<std::int32_t> chooseColor(std::int32_t initial) = 0;

    // The save dialog. A name typed without extension gets the one of the chosen filter, so that
    // "boxcol" is saved as "boxcol.sec" and found again by the open dialogs.
    std::string saveFile(const FileDialogRequest& request) {
        const SaveFileChoice choice = chooseSaveFile(request);
        return withFilterExtension(choice.path, request.filter, choice.filterEntry);
    }

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
