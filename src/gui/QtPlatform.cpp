#include "QtPlatform.h"

#include <QProcess>
#include <QSettings>

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif
#endif

namespace vardex::gui {

void QtSettingsStore::save(const std::string& application, const std::string& section,
                           const std::string& key, const std::string& value) {
    QSettings settings(QString::fromStdString(application), QString::fromStdString(application));
    settings.beginGroup(QString::fromStdString(section));
    settings.setValue(QString::fromStdString(key), QString::fromStdString(value));
    settings.endGroup();
}

std::optional<std::string> QtSettingsStore::load(const std::string& application,
                                                 const std::string& section,
                                                 const std::string& key) const {
    QSettings settings(QString::fromStdString(application), QString::fromStdString(application));
    QVariant value = settings.value(QString::fromStdString(section + "/" + key));
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
}

namespace {

class QtStartedProgram : public StartedProgram {
  public:
    explicit QtStartedProgram(std::unique_ptr<QProcess> process)
        : process_(std::move(process)), ended_(std::make_shared<std::function<void()>>()) {
        // Called after the signal has returned: the callback may drop this handle and with it
        // the process.
        QObject::connect(process_.get(), &QProcess::finished,
                         [ended = std::weak_ptr(ended_)] { callLater(ended); });
        if (process_->state() == QProcess::NotRunning) callLater(ended_);
    }

    ~QtStartedProgram() override {
        ended_.reset();
        if (process_->state() == QProcess::NotRunning) return;
        signalGroup(true);
        process_->kill();
        process_->waitForFinished(3000);
    }

    ProgramStatus status() override {
        ProgramStatus status;
        if (process_->state() != QProcess::NotRunning) return status;
        if (process_->exitStatus() == QProcess::CrashExit) {
            status.state = ProgramStatus::State::Signalled;
            status.code = process_->exitCode();
        } else {
            status.state = ProgramStatus::State::Exited;
            status.code = process_->exitCode();
        }
        return status;
    }

    void stop() override {
        if (process_->state() == QProcess::NotRunning) return;
        if (!signalGroup(false)) process_->terminate();
    }

    void whenEnded(std::function<void()> callback) override { *ended_ = std::move(callback); }

  private:
    static void callLater(std::weak_ptr<std::function<void()>> ended) {
        QTimer::singleShot(0, [ended] {
            if (auto callback = ended.lock(); callback && *callback) (*callback)();
        });
    }

    // The process group holds the program and whatever it started.
    bool signalGroup([[maybe_unused]] bool hard) {
#ifdef Q_OS_UNIX
        const qint64 pid = process_->processId();
        if (pid > 0) return ::kill(-static_cast<pid_t>(pid), hard ? SIGKILL : SIGTERM) == 0;
#endif
        return false;
    }

    std::unique_ptr<QProcess> process_;
    std::shared_ptr<std::function<void()>> ended_;
};

} // namespace

std::unique_ptr<StartedProgram> QtProgramStarter::startBatch(const std::string& batchFile,
                                                             const std::string& workingFolder) {
    auto process = std::make_unique<QProcess>();
    process->setWorkingDirectory(QString::fromStdString(workingFolder));
    process->setProcessChannelMode(QProcess::ForwardedChannels);
#ifdef Q_OS_WIN
    process->setProgram("cmd.exe");
    process->setArguments({"/c", QString::fromStdString(batchFile)});
#else
    std::vector<BatchCommand> commands = readBatchFile(batchFile);
    if (commands.empty()) return notStarted("no program to call in " + batchFile);
    QStringList words;
    if (commands.size() == 1)
        for (const std::string& w : commands.front()) words << QString::fromStdString(w);
    else
        words << "/bin/sh"
              << "-c" << QString::fromStdString(batchToShellScript(commands));
    process->setProgram(words.takeFirst());
    process->setArguments(words);
    process->setChildProcessModifier([] {
        ::setpgid(0, 0);
#ifdef Q_OS_LINUX
        // Vardex killed outright takes the solver along.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
#endif
    });
#endif
    process->start();
    // Only the start is waited for (exec succeeds or fails at once), never the run.
    if (!process->waitForStarted(5000))
        return notStarted(process->program().toStdString() + ": " +
                          process->errorString().toStdString());
    return std::make_unique<QtStartedProgram>(std::move(process));
}

QtTimer::QtTimer() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (callback_) callback_();
    });
}

void QtTimer::setEnabled(bool enabled) {
    if (enabled)
        timer_.start();
    else
        timer_.stop();
}

} // namespace vardex::gui
