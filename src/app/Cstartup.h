#pragma once
// The configuration object: home directory, working directories, current files and the default
// section grid, kept in the configuration file "Vardex.ini" of the home directory.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"

namespace vardex {

inline constexpr const char* kIniFileName = "Vardex.ini";

// The fields the configuration file holds (and the home directory), in the order the program
// declares them.
struct StartupFields {
    std::string iniFile;
    std::string materialfile = "./Materials.mts";
    std::string DataDir;
    std::string submodelfile;
    std::string DataPath;
    std::string TempDir;
    std::int16_t nx = 40;
    std::int16_t ny = 40;
    bool testing = false;
    std::string ProgramPath;
    double dx = 0.04;
    double dy = 0.04;
    std::string sectionfile;
    std::string homeDir;
    std::string UserDir;
    std::string OutputDir;
};

// The lines of the configuration file for these fields (for the current date and time), with
// the model record's and the run set-up's file names.
std::vector<std::string> configurationLines(const StartupFields& fields,
                                            const std::string& modelfile,
                                            const std::string& execfile);

class Cstartup : public StartupFields {
  public:
    // Runs the creation steps: defaults, home directory from the candidates, reading the
    // configuration file and making sure "Temp" and "Output" exist.
    Cstartup(const FileSystem& fs, Dialogs& dialogs, std::vector<std::string> homeCandidates);

    // The model record's and the run set-up's file names, written as "modelfile=" and "execfile=".
    std::function<std::string()> modelFileName;
    std::function<std::string()> execFileName;
    // The start-up check run before every write; set by whoever owns the check.
    std::function<void()> beforeWrite;
    // Only read, never rewritten: a run without windows leaves the user's settings as they are.
    bool readOnly = false;

    // Each existing candidate replaces the choice made so far; none leaves homeDir empty.
    void getHomeDir();
    // Reads the configuration file at iniFile; any failure shows "initialization file problem".
    void read_startup();
    // Makes sure homeDir joined with the name exists (asking before creating it) and stores its
    // path in the field.
    void checkDirectory(const std::string& name, std::string& field);
    // Runs the start-up check, then rewrites the file unless in test mode or read only. Failures
    // are reported and otherwise ignored.
    void write_startup();

    // The lines write_startup writes (for the current date and time).
    std::vector<std::string> configurationLines() const;

  private:
    const FileSystem& fs_;
    Dialogs& dialogs_;
    std::vector<std::string> homeCandidates_;
};

// The home directory the candidates give: the last one that exists; empty when none does.
std::string chooseHome(const FileSystem& fs, const std::vector<std::string>& candidates);

// The home-directory candidates of this platform, in the order they are tested: the install
// prefix's share folder (<prefix>/share/vardex beside <prefix>/bin, the program's folder), the
// user's data folder, then $VARDEX_HOME when set.
std::vector<std::string> platformHomeCandidates();

// What an installed Vardex ships besides its programs: <prefix>/share/vardex for programs in
// <prefix>/bin.
std::string installedDataFolder(const FileSystem& fs, const std::string& programFolder);

// The user's data folder for Vardex: $XDG_DATA_HOME/vardex, else ~/.local/share/vardex; empty
// when neither variable is set.
std::string userDataHome();

// The current local date and time as text, for the "Revised" lines of written files.
std::string currentDateTimeText();

} // namespace vardex
