#include "platform/ConsoleDialogs.h"

namespace vardex {
namespace {

// Message texts break lines with CR LF; a console wants plain line feeds.
std::string plainLines(std::string text) {
    std::string out;
    for (char c : text)
        if (c != '\r') out += c;
    return out;
}

} // namespace

MessageAnswer ConsoleDialogs::message(const std::string& text, const std::string& title,
                                      MessageButtons buttons) {
    out_ << title << ": " << plainLines(text) << '\n';
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    out_ << "  (answered " << (buttons == MessageButtons::YesNo ? "No" : "Cancel") << ")\n";
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
}

std::string ConsoleDialogs::input(const std::string& prompt, const std::string& title,
                                  const std::string& defaultText) {
    out_ << title << ": " << plainLines(prompt) << "  (kept " << defaultText << ")\n";
    return defaultText;
}

std::string ConsoleDialogs::openFile(const FileDialogRequest&) {
    return {};
}

SaveFileChoice ConsoleDialogs::chooseSaveFile(const FileDialogRequest&) {
    return {};
}

std::optional<std::int32_t> ConsoleDialogs::chooseColor(std::int32_t) {
    return std::nullopt;
}

} // namespace vardex
