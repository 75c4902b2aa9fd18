#include "app/Cstartup.h"

#include <chrono>
#include <cstdlib>
#include <ctime>

#include "text/KeyReader.h"
#include "text/PrintForm.h"
#include "text/TextFileWriter.h"

#ifndef VARDEX_INSTALL_PREFIX
#define VARDEX_INSTALL_PREFIX "/usr/local"
#endif

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

std::vector<std::string> platformHomeCandidates() {
    std::vector<std::string> candidates{std::string(VARDEX_INSTALL_PREFIX) + "/share/vardex"};
    if (const char* home = std::getenv("HOME"); home && *home)
        candidates.push_back(std::string(home) + "/.local/share/vardex");
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
    for (const std::string& candidate : homeCandidates_)
        if (fs_.folderExists(candidate)) homeDir = candidate;
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

std::vector<std::string> Cstartup::configurationLines() const {
    auto keyLine = [](const char* key, const std::string& value) {
        return PrintLine(key).zone(value).str();
    };
    std::vector<std::string> lines{
        iniFile,
        PrintLine("Revised ").zone(currentDateTimeText()).str(),
        "",
        keyLine("ProgramPath=", ProgramPath),
        keyLine("DataPath=", DataPath),
        keyLine("DataDir=", DataDir),
        keyLine("TempDir=", TempDir),
        keyLine("UserDir=", UserDir),
        keyLine("OutputDir=", OutputDir),
        "",
        "[parameters]",
        PrintLine("nx=").zoneValue(nx).str(),
        PrintLine("ny=").zoneValue(ny).str(),
        PrintLine("dx=").zoneValue(dx).str(),
        PrintLine("dy=").zoneValue(dy).str(),
        keyLine("testing=", printForm(testing)),
        "",
        "[Files]",
        keyLine("materialfile=", materialfile),
        keyLine("sectionfile=", sectionfile),
        keyLine("submodelfile=", submodelfile),
        keyLine("modelfile=", modelFileName ? modelFileName() : std::string()),
        keyLine("execfile=", execFileName ? execFileName() : std::string()),
        "",
    };
    return lines;
}

void Cstartup::write_startup() {
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
