#include "app/Cstartup.h"

#include <chrono>
#include <cstdlib>
#include <ctime>

#include "text/KeyReader.h"
#include "text/PrintForm.h"
#include "text/TextFileWriter.h"

namespace vardex {
namespace {

bool readBoolean(const std::string& text) {
    std::string t = trim(text);
    if (t == "True" || t == "true" || t == "TRUE") return true;
    if (t == "False" || t == "false" || t == "FALSE") return false;
    if (isNumeric(t)) return leadingNumber(t) != 0;
    throw ReadError("Type mismatch");
}

// The default zone sizes become a new section's 32-bit sizes.
double zoneSize(double value) {
    toFloat32(value);
    return value;
}

} // namespace

std::string chooseHome(const FileSystem& fs, const std::vector<std::string>& candidates) {
    std::string chosen;
    for (const std::string& candidate : candidates)
        if (fs.folderExists(candidate)) chosen = candidate;
    return chosen;
}

std::string installedDataFolder(const FileSystem& fs, const std::string& programFolder) {
    // The prefix is the folder above the programs' own, wherever the package was put.
    return fs.join(fs.join(fs.parentFolder(programFolder), "share"), "vardex");
}

std::string userDataHome() {
    // A relative XDG_DATA_HOME is invalid and ignored, as the base-directory rules ask.
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/')
        return std::string(data) + "/vardex";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.local/share/vardex";
    return {};
}

std::vector<std::string> platformHomeCandidates() {
    std::vector<std::string> candidates{
        installedDataFolder(FileSystem(), FileSystem::programFolder())};
    if (std::string data = userDataHome(); !data.empty()) candidates.push_back(data);
    if (const char* env = std::getenv("VARDEX_HOME"); env && *env) candidates.push_back(env);
    return candidates;
}

std::string currentDateTimeText() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &local);
    return buf;
}

Cstartup::Cstartup(const FileSystem& fs, Dialogs& dialogs, std::vector<std::string> homeCandidates)
    : fs_(fs), dialogs_(dialogs), homeCandidates_(std::move(homeCandidates)) {
    getHomeDir();
    // Without a home directory the file lives in the current folder rather than at the root.
    iniFile = homeDir.empty() ? fs_.join(fs_.currentFolder(), kIniFileName)
                              : fs_.join(homeDir, kIniFileName);
    read_startup();
    materialfile = fs_.join(DataDir, "materials.mts");
}

void Cstartup::getHomeDir() {
    if (std::string chosen = chooseHome(fs_, homeCandidates_); !chosen.empty()) homeDir = chosen;
}

void Cstartup::read_startup() {
    try {
        KeyReader file(iniFile);
        ProgramPath = file.getkeystring("ProgramPath=");
        DataPath = file.getkeystring("DataPath=");
        DataDir = file.getkeystring("ir=");
        TempDir = file.getkeystring("ir=");
        UserDir = file.getkeystring("ir=");
        OutputDir = file.getkeystring("tDir=");
        file.findline("param");
        nx = toInt16(file.getkeyvalue("nx="));
        ny = toInt16(file.getkeyvalue("ny="));
        dx = zoneSize(file.getkeyvalue("dx="));
        dy = zoneSize(file.getkeyvalue("dy="));
        testing = readBoolean(file.getkeystring("testing="));
        file.findline("[");
        materialfile = file.getkeystring("materialfile=");
        sectionfile = file.getkeystring("sectionfile=");
        checkDirectory("Temp", TempDir);
        checkDirectory("Output", OutputDir);
    } catch (const ReadError&) {
        dialogs_.inform("initialization file problem");
    }
}

void Cstartup::checkDirectory(const std::string& name, std::string& field) {
    if (name.empty()) return;
    std::string path = fs_.join(homeDir, name);
    if (!fs_.folderExists(path)) {
        if (!dialogs_.askYesNo(path + kNewLine + "does not exist.  Create it?", "Create Folder"))
            return;
        if (!fs_.createFolder(path)) return;
    }
    field = trim(path);
}

std::vector<std::string> configurationLines(const StartupFields& f, const std::string& modelfile,
                                            const std::string& execfile) {
    auto keyLine = [](const char* key, const std::string& value) {
        return PrintLine(key).zone(value).str();
    };
    return {
        f.iniFile,
        PrintLine("Revised ").zone(currentDateTimeText()).str(),
        "",
        keyLine("ProgramPath=", f.ProgramPath),
        keyLine("DataPath=", f.DataPath),
        keyLine("DataDir=", f.DataDir),
        keyLine("TempDir=", f.TempDir),
        keyLine("UserDir=", f.UserDir),
        keyLine("OutputDir=", f.OutputDir),
        "",
        "[parameters]",
        PrintLine("nx=").zoneValue(f.nx).str(),
        PrintLine("ny=").zoneValue(f.ny).str(),
        PrintLine("dx=").zoneValue(f.dx).str(),
        PrintLine("dy=").zoneValue(f.dy).str(),
        keyLine("testing=", printForm(f.testing)),
        "",
        "[Files]",
        keyLine("materialfile=", f.materialfile),
        keyLine("sectionfile=", f.sectionfile),
        keyLine("submodelfile=", f.submodelfile),
        keyLine("modelfile=", modelfile),
        keyLine("execfile=", execfile),
        "",
    };
}

std::vector<std::string> Cstartup::configurationLines() const {
    return vardex::configurationLines(*this, modelFileName ? modelFileName() : std::string(),
                                      execFileName ? execFileName() : std::string());
}

void Cstartup::write_startup() {
    if (readOnly) return;
    if (beforeWrite) beforeWrite();
    if (testing) return;
    try {
        writeLines(iniFile, configurationLines());
    } catch (const std::exception& error) {
        // The program goes on, but the user learns that the settings were not kept.
        dialogs_.inform(error.what());
    }
}

} // namespace vardex
