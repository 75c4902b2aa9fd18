#include "text/ListInput.h"

#include <gtest/gtest.h>

#include "text/NumberText.h"

namespace vardex {
namespace {

TEST(ListInput, ItemsEndAtCommasAndLineEnds) {
    ListInput in = ListInput::fromText("3\r\n0, 20\r\n10,25\r\n  \"a, b\" , x\r\n");
    EXPECT_EQ(in.readNumber(), 3);
    EXPECT_EQ(in.readNumber(), 0);
    EXPECT_EQ(in.readNumber(), 20);
    EXPECT_EQ(in.readNumber(), 10);
    EXPECT_EQ(in.readNumber(), 25);
    EXPECT_EQ(in.readItem(), "a, b");
    EXPECT_EQ(in.readItem(), "x");
    EXPECT_TRUE(in.atEnd());
    EXPECT_THROW(in.readItem(), ReadError);
}

TEST(ListInput, NumbersAlsoEndAtBlanks) {
    ListInput in = ListInput::fromText("1.5 2.5\n");
    EXPECT_EQ(in.readNumber(), 1.5);
    EXPECT_EQ(in.readNumber(), 2.5);
}

TEST(ListInput, ANonNumberWhereANumberIsExpectedIsAReadError) {
    ListInput in = ListInput::fromText("abc, 1\n");
    EXPECT_THROW(in.readNumber(), ReadError);
}

TEST(ListInput, LineInputTakesTheWholeLine) {
    ListInput in = ListInput::fromText("Title, of file\r\n3\r\n");
    EXPECT_EQ(in.readLine(), "Title, of file");
    EXPECT_EQ(in.readNumber(), 3);
}

} // namespace
} // namespace vardex
