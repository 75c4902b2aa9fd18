#pragma once
// Dialogs through Qt's standard message, input, file and colour dialogs.

#include <QWidget>

#include "platform/Dialogs.h"

namespace vardex::gui {

// " Materials file (*.mts)|*.mts|All files (*.*)|*.*" -> "Materials file (*.mts);;All files (*)"
QString toQtFilter(const std::string& filter);

class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    MessageAnswer message(const std::string& text, const std::string& title,
                          MessageButtons buttons) override;
    std::string input(const std::string& prompt, const std::string& title,
                      const std::string& defaultText) override;
    std::string openFile(const FileDialogRequest& request) override;
    // Qt's save dialog takes the chosen filter's extension as its default suffix, so that the
    // question about replacing a file asks about the name that will be written.
    SaveFileChoice chooseSaveFile(const FileDialogRequest& request) override;
    std::optional<std::int32_t> chooseColor(std::int32_t initial) override;

  private:
    QWidget* parent_;
};

} // namespace vardex::gui
