#include "QtPlatform.h"

#include <fstream>
#include <sstream>

#include <QProcess>
#include <QSettings>

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

bool QtProgramStarter::startBatch(const std::string& batchFile, const std::string& workingFolder) {
    std::ifstream in(batchFile, std::ios::binary);
    if (!in) return false;
    std::ostringstream text;
    text << in.rdbuf();
    std::vector<BatchCommand> commands = parseBatchFile(text.str());
    if (commands.empty()) return false;
    return QProcess::startDetached("/bin/sh",
                                   {"-c", QString::fromStdString(batchToShellScript(commands))},
                                   QString::fromStdString(workingFolder));
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
