#include "app/PromptValue.h"

#include <gtest/gtest.h>

#include "support/ScriptedDialogs.h"

namespace vardex {
namespace {

using testing::ScriptedDialogs;

TEST(PromptValue, NumericDefaultRepeatsUntilTheAnswerIsNumeric) {
    ScriptedDialogs d;
    d.inputAnswers = {"abc", "1E+400", "2.5"};
    PromptAnswer a = promptvalue(d, "Enter", "T", "1.5");
    EXPECT_TRUE(a.isNumber);
    EXPECT_EQ(a.number, 2.5);
    // A number beyond the range of a double is no answer either.
    EXPECT_EQ(d.prompts.size(), 3u);
    EXPECT_EQ(d.messageTexts(), std::vector<std::string>(2, "Not a proper value--try again"));
    EXPECT_EQ(d.prompts[1].defaultText, "1.5");
}

TEST(PromptValue, EmptyAnswerToANumericDefaultIsZero) {
    ScriptedDialogs d;
    d.inputAnswers = {""};
    PromptAnswer a = promptvalue(d, "Enter", "T", "1.5");
    EXPECT_TRUE(a.isNumber);
    EXPECT_EQ(a.number, 0);
}

TEST(PromptValue, TextDefaultReturnsTheAnswerUnchangedAndEmptyTitleIsReplaced) {
    ScriptedDialogs d;
    d.inputAnswers = {"anything at all"};
    PromptAnswer a = promptvalue(d, "Name", "", "");
    EXPECT_FALSE(a.isNumber);
    EXPECT_EQ(a.text, "anything at all");
    EXPECT_EQ(d.prompts[0].title, "For your consideration . . . ");
    EXPECT_TRUE(d.messages.empty());
}

} // namespace
} // namespace vardex
