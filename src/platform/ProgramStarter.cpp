#include "platform/ProgramStarter.h"

#include <cctype>
#include <fstream>
#include <sstream>

#include "text/NumberText.h"

namespace vardex {
namespace {

std::vector<std::string> splitWords(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    bool inWord = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word.push_back(c);
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

bool startsWithWord(const std::string& line, const std::string& word) {
    if (line.size() < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(line[i])) != word[i]) return false;
    return line.size() == word.size() || line[word.size()] == ' ' || line[word.size()] == '\t';
}

std::string shellQuote(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted.push_back(c);
    }
    return quoted + "'";
}

} // namespace

std::string ProgramStatus::describe() const {
    switch (state) {
    case State::Running:
        return {};
    case State::Exited:
        return "exit status " + std::to_string(code);
    case State::Signalled:
        return "ended by signal " + std::to_string(code);
    case State::NotStarted:
        break;
    }
    return "could not be started: " + reason;
}

namespace {

class NeverStarted : public StartedProgram {
  public:
    explicit NeverStarted(std::string reason) {
        status_.state = ProgramStatus::State::NotStarted;
        status_.reason = std::move(reason);
    }
    ProgramStatus status() override { return status_; }
    void stop() override {}

  private:
    ProgramStatus status_;
};

} // namespace

std::unique_ptr<StartedProgram> notStarted(const std::string& reason) {
    return std::make_unique<NeverStarted>(reason);
}

std::vector<BatchCommand> readBatchFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::ostringstream text;
    text << in.rdbuf();
    return parseBatchFile(text.str());
}

std::vector<BatchCommand> parseBatchFile(const std::string& text) {
    std::vector<BatchCommand> commands;
    std::istringstream in(text);
    std::string raw;
    while (std::getline(in, raw)) {
        std::string line = trim(raw);
        while (!line.empty() && line.back() == '\r') line = trim(line.substr(0, line.size() - 1));
        if (line.empty() || startsWithWord(line, "@echo")) continue;
        if (!startsWithWord(line, "call")) continue;
        std::vector<std::string> words = splitWords(line.substr(4));
        if (!words.empty()) commands.push_back(words);
    }
    return commands;
}

std::string batchToShellScript(const std::vector<BatchCommand>& commands) {
    std::string script;
    for (const BatchCommand& command : commands) {
        for (std::size_t i = 0; i < command.size(); ++i) {
            if (i > 0) script += ' ';
            script += shellQuote(command[i]);
        }
        script += '\n';
    }
    return script;
}

} // namespace vardex
