#pragma once
// Small test doubles for the platform services: a manual timer, a recording settings store and a
// recording program starter.

#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/ManualTimer.h"
#include "platform/ProgramStarter.h"
#include "platform/SettingsStore.h"

namespace vardex::testing {

using vardex::ManualTimer;

class RecordingSettingsStore : public SettingsStore {
  public:
    std::map<std::string, std::string> values; // "application/section/key" -> value
    void save(const std::string& application, const std::string& section, const std::string& key,
              const std::string& value) override {
        values[application + "/" + section + "/" + key] = value;
    }
    std::optional<std::string> load(const std::string& application, const std::string& section,
                                    const std::string& key) const override {
        auto it = values.find(application + "/" + section + "/" + key);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
};

// A program a test plays: it runs until the test ends it (or it is stopped).
class ScriptedProgram : public StartedProgram {
  public:
    ProgramStatus state;
    std::function<void()> onStop;
    ProgramStatus status() override { return state; }
    void stop() override {
        if (onStop) onStop();
        state.state = ProgramStatus::State::Signalled;
        state.code = 15;
    }
    void exit(int code) {
        state.state = ProgramStatus::State::Exited;
        state.code = code;
    }
};

class RecordingProgramStarter : public ProgramStarter {
  public:
    struct Start {
        std::string batchFile;
        std::string workingFolder;
        std::string batchText; // the command file as it was when started
    };
    std::vector<Start> starts;
    bool succeed = true;
    std::function<void(const std::string&)> onStart; // e.g. play the solver's part in a test
    // The handles given out, in order; they live as long as the caller keeps them.
    std::vector<ScriptedProgram*> programs;
    int stops = 0; // stop requests to any of them
    std::unique_ptr<StartedProgram> startBatch(const std::string& batchFile,
                                               const std::string& workingFolder) override {
        std::ifstream in(batchFile, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        starts.push_back({batchFile, workingFolder, text.str()});
        if (onStart) onStart(batchFile);
        if (!succeed) return notStarted("refused by the test");
        auto program = std::make_unique<ScriptedProgram>();
        program->onStop = [this] { ++stops; };
        programs.push_back(program.get());
        return program;
    }
};

} // namespace vardex::testing
