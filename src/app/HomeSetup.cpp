#include "app/HomeSetup.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "app/Cstartup.h"
#include "text/TextFileWriter.h"

namespace vardex {
namespace {

constexpr const char* kDataMark = "@DATA@";

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("Cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string replaceAll(std::string text, const std::string& mark, const std::string& by) {
    for (std::size_t at = text.find(mark); at != std::string::npos;
         at = text.find(mark, at + by.size()))
        text.replace(at, mark.size(), by);
    return text;
}

// Byte for byte but for the marks: the examples' CR LF line ends stay as they are.
void placeExample(const std::string& source, const std::string& target, const std::string& data) {
    const std::string part = target + ".part";
    {
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        out << replaceAll(readBytes(source), kDataMark, data);
        if (!out.flush()) {
            std::remove(part.c_str());
            throw std::runtime_error("Cannot write " + target);
        }
    }
    std::error_code ec;
    std::filesystem::rename(part, target, ec);
    if (ec) {
        std::remove(part.c_str());
        throw std::runtime_error("Cannot write " + target + ": " + ec.message());
    }
}

} // namespace

InstalledFiles installedFiles(const FileSystem& fs, const std::string& programFolder) {
    return {fs.join(installedDataFolder(fs, programFolder), "examples"),
            fs.join(programFolder, "zolter" + FileSystem::executableSuffix())};
}

void setUpHome(const FileSystem& fs, const std::string& homeFolder,
               const InstalledFiles& installed) {
    const std::string home = fs.absolutePath(homeFolder);
    const std::string data = fs.join(home, "data");
    for (const char* folder : {"Temp", "Output", "data"})
        if (!fs.createFolder(fs.join(home, folder)))
            throw std::runtime_error("Cannot create the folder " + fs.join(home, folder));

    std::error_code ec;
    for (std::filesystem::directory_iterator it(installed.examples, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string target = fs.join(data, it->path().filename().string());
        std::error_code fileError;
        if (it->is_regular_file(fileError) && !std::filesystem::exists(target, fileError))
            placeExample(it->path().string(), target, data);
    }

    StartupFields fields;
    fields.iniFile = fs.join(home, kIniFileName);
    if (fs.fileExists(fields.iniFile)) return;
    fields.ProgramPath = installed.solver;
    fields.DataDir = data;
    fields.TempDir = fs.join(home, "Temp");
    fields.UserDir = data;
    fields.OutputDir = fs.join(home, "Output");
    fields.materialfile = fs.join(data, "materials.mts");
    writeLines(fields.iniFile, configurationLines(fields, "", ""));
}

bool setUpHomeOnFirstStart(const FileSystem& fs, Dialogs& dialogs,
                           const std::vector<std::string>& candidates, const std::string& newHome,
                           const InstalledFiles& installed) {
    // A program run where it was built has no examples beside it: its home comes from run.sh.
    if (newHome.empty() || !fs.folderExists(installed.examples)) return false;
    const std::string home = chooseHome(fs, candidates);
    if (!home.empty() && fs.fileExists(fs.join(home, kIniFileName))) return false;
    try {
        setUpHome(fs, newHome, installed);
        return true;
    } catch (const std::exception& error) {
        dialogs.inform(std::string("Vardex could not set up its home folder ") + newHome + ":" +
                       kNewLine + error.what());
        return false;
    }
}

bool setUpHomeOnFirstStart(Dialogs& dialogs) {
    const FileSystem fs;
    const char* chosen = std::getenv("VARDEX_HOME");
    const std::string newHome = chosen && *chosen ? std::string(chosen) : userDataHome();
    return setUpHomeOnFirstStart(fs, dialogs, platformHomeCandidates(), newHome,
                                 installedFiles(fs, FileSystem::programFolder()));
}

} // namespace vardex
