#include "app/StartupCheck.h"

namespace vardex {

std::string defaultProgramPath(const FileSystem& fs, const std::string& homeDir) {
    return fs.join(fs.join(homeDir, "program"), "target" + FileSystem::executableSuffix());
}

std::string missingSolverMessage(const std::string& path) {
    return std::string("Cannot find program file") + kNewLine + path + kNewLine + kNewLine +
           "Models can be built and opened, but not run, until the solver zolter is there. " +
           "Build it with ./run.sh, which also puts it there, or with " +
           "cmake --build build --target zolter and copy build/solver/zolter to that path.";
}

void startupCheck(Cstartup& config, const FileSystem& fs, Dialogs& dialogs,
                  StartupMessagesShown* shown) {
    auto report = [&](const std::string& text) {
        if (shown && !shown->insert(text).second) return;
        dialogs.inform(text);
    };
    if (config.homeDir.empty()) report("Cannot find homedir");

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
        report("Cannot find the data directory");
        return;
    }
    if (fs.fileExists(config.ProgramPath)) return;
    std::string program = defaultProgramPath(fs, config.homeDir);
    if (fs.fileExists(program))
        config.ProgramPath = program;
    else
        report(missingSolverMessage(program));
}

} // namespace vardex
