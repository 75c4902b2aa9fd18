#include "app/StartupCheck.h"

namespace vardex {

std::string defaultProgramPath(const FileSystem& fs, const std::string& homeDir) {
    return fs.join(fs.join(homeDir, "program"), "target" + FileSystem::executableSuffix());
}

void startupCheck(Cstartup& config, const FileSystem& fs, Dialogs& dialogs) {
    if (config.homeDir.empty()) dialogs.inform("Cannot find homedir");

    std::string found;
    if (fs.fileExists(config.DataPath))
        found = config.DataPath;
    else if (fs.fileExists(config.materialfile))
        found = config.materialfile;
    else
        found = fs.firstFileWithExtension(fs.currentFolder(), ".mts");

    if (!fs.folderExists(config.DataDir)) config.DataDir = fs.parentFolder(found);
    config.homeDir = fs.parentFolder(config.DataDir);
    if (!fs.folderExists(config.DataDir)) {
        dialogs.inform("Cannot find the data directory");
        return;
    }
    if (fs.fileExists(config.ProgramPath)) return;
    std::string program = defaultProgramPath(fs, config.homeDir);
    if (fs.fileExists(program))
        config.ProgramPath = program;
    else
        dialogs.inform("Cannot find program file");
}

} // namespace vardex
