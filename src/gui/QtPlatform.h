#pragma once
// Qt implementations of the settings store, the program starter and the timer.

#include <QObject>
#include <QTimer>

#include "platform/ProgramStarter.h"
#include "platform/SettingsStore.h"
#include "platform/Timer.h"

namespace vardex::gui {

class QtSettingsStore : public SettingsStore {
  public:
    void save(const std::string& application, const std::string& section, const std::string& key,
              const std::string& value) override;
    std::optional<std::string> load(const std::string& application, const std::string& section,
                                    const std::string& key) const override;
};

// Runs a command file as a QProcess in the working folder (not detached, so its end is known).
// Off Windows the file is interpreted: one call runs its program directly, more calls run in
// order through the POSIX shell, all in a process group of their own so that stopping ends them
// all.
class QtProgramStarter : public ProgramStarter {
  public:
    std::unique_ptr<StartedProgram> startBatch(const std::string& batchFile,
                                               const std::string& workingFolder) override;
};

class QtTimer : public Timer {
  public:
    QtTimer();
    void setInterval(int milliseconds) override { timer_.setInterval(milliseconds); }
    int interval() const override { return timer_.interval(); }
    void setEnabled(bool enabled) override;
    bool enabled() const override { return timer_.isActive(); }
    void onTick(std::function<void()> callback) override { callback_ = std::move(callback); }

  private:
    QTimer timer_;
    std::function<void()> callback_;
};

} // namespace vardex::gui
