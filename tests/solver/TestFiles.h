#pragma once
// Running the zolter program in a folder of its own and reading what it wrote.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace zolter::test {

// The whole file; empty when it cannot be read.
inline std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A fresh folder named after the running test, removed when the test ends. The program is run
// there on temp/tempfile.1, logging to STDOUT.1 and marking its end in clrthred.tmp.
class ProgramFolder {
  public:
    ProgramFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("zolter-") + info->test_suite_name() + "-" + info->name();
        for (char& c : name)
            if (c == '/') c = '-';
        dir = std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir / "temp");
    }
    ~ProgramFolder() { std::filesystem::remove_all(dir); }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    // Writes the temp file (none when the text is empty) and runs the program after the shell
    // words in `before`; the exit status, or -1 when it did not exit. A run that loops again is
    // ended by the guard, with status 124, instead of hanging the suite.
    int run(const std::string& tempText, const std::string& before = "") const {
        if (!tempText.empty())
            std::ofstream(dir / "temp" / "tempfile.1", std::ios::binary) << tempText;
        const std::string cmd = "cd '" + dir.string() + "' && " + before + " timeout 120 '" +
                                ZOLTER_EXE +
                                "' temp/tempfile.1 STDOUT.1 clrthred.tmp > /dev/null 2>&1";
        const int status = std::system(cmd.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string file(const std::string& name) const { return slurp(dir / name); }
    std::string marker() const { return file("clrthred.tmp"); }
    std::string log() const { return file("STDOUT.1"); }

    std::filesystem::path dir;
};

// The run ended with status 1 and one marker line "FAILED: " naming the reason, which the log
// gives too; it recorded no history.
inline void expectFailed(const ProgramFolder& p, int status, const std::string& reason) {
    EXPECT_EQ(status, 1);
    const std::string m = p.marker();
    EXPECT_EQ(m.rfind("FAILED: ", 0), 0u) << m;
    EXPECT_NE(m.find(reason), std::string::npos) << m;
    EXPECT_EQ(m.find('\n'), m.size() - 1) << "one line: " << m;
    EXPECT_NE(p.log().find(m.substr(0, m.size() - 2)), std::string::npos) << p.log();
    EXPECT_FALSE(std::filesystem::exists(p.dir / "Center.out"));
}

} // namespace zolter::test
