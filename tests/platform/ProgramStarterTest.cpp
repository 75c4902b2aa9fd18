#include "platform/ProgramStarter.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

TEST(BatchFile, CallLinesBecomeCommandsWithQuotedWordsKeptTogether) {
    std::string text = "@echo off\r\n"
                       "call \"/h/my programs/zolter\" \"/h/Temp/tempfile.1\" STDOUT.1 clrthred.tmp"
                       "      \r\n"
                       " \r\n"
                       "rem anything else is ignored\r\n"
                       "CALL /bin/true\r\n";
    std::vector<BatchCommand> commands = parseBatchFile(text);
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0], (BatchCommand{"/h/my programs/zolter", "/h/Temp/tempfile.1", "STDOUT.1",
                                         "clrthred.tmp"}));
    EXPECT_EQ(commands[1], BatchCommand{"/bin/true"});
}

TEST(BatchFile, ShellScriptQuotesEveryWord) {
    std::string script = batchToShellScript({{"/p/zolter", "it's here", "a b"}, {"/bin/true"}});
    EXPECT_EQ(script, "'/p/zolter' 'it'\\''s here' 'a b'\n'/bin/true'\n");
}

} // namespace
} // namespace vardex
