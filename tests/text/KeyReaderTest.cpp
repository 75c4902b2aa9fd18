#include "text/KeyReader.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace vardex {
namespace {

using testing::crlf;

TEST(Findline, KeyOnlyOnTheLastLineGivesEofAndClosesTheFile) {
    KeyReader r = KeyReader::fromText(crlf({"first", "second", "key=1"}));
    EXPECT_EQ(r.findline("key="), "EOF");
    EXPECT_FALSE(r.isOpen());
    EXPECT_THROW(r.readLine(), ReadError); // a further read fails like the runtime's file error
    EXPECT_THROW(r.findline("x"), ReadError);
}

TEST(Findline, SearchesForwardOnlyFromTheLineAfterThePreviousMatch) {
    KeyReader r = KeyReader::fromText(crlf({"b=2", "a=1", "b=3", "end"}));
    EXPECT_EQ(r.findline("a="), "a=1");
    EXPECT_EQ(r.findline("b="), "b=3");
    EXPECT_TRUE(r.isOpen());
}

TEST(Findline, AcceptsLfLinesAndAFileWithoutFinalLineEnd) {
    KeyReader r = KeyReader::fromText("x=1\ny=2\nlast");
    EXPECT_EQ(r.getkeyvalue("y="), 2);
    EXPECT_EQ(r.findline("z"), "EOF");
}

TEST(GetKey, ValueAfterTheKeyTrimmedAndReadByTheLeadingNumberRule) {
    KeyReader r = KeyReader::fromText(crlf({"nx= 40 ", "dx= .04", "name=  a b  ", "", ""}));
    EXPECT_EQ(r.getkeyvalue("nx="), 40);
    EXPECT_DOUBLE_EQ(r.getkeyvalue("dx="), 0.04);
    EXPECT_EQ(r.getkeystring("name="), "a b");
}

TEST(GetKey, FragmentKeysMatchInsideLongerKeys) {
    KeyReader r = KeyReader::fromText(
        crlf({"DataDir=  /d", "TempDir= /t", "UserDir=/u", "OutputDir=/o", ""}));
    EXPECT_EQ(r.getkeystring("ir="), "/d");
    EXPECT_EQ(r.getkeystring("ir="), "/t");
    EXPECT_EQ(r.getkeystring("ir="), "/u");
    EXPECT_EQ(r.getkeystring("tDir="), "/o");
}

TEST(GetKey, EndOfFileGivesZeroAndEof) {
    KeyReader r = KeyReader::fromText(crlf({"a=1", "b=2"}));
    EXPECT_EQ(r.getkeyvalue("c="), 0);
    KeyReader s = KeyReader::fromText(crlf({"a=1", "b=2"}));
    EXPECT_EQ(s.getkeystring("c="), "EOF");
}

TEST(Getrow, RowsOnOneLineOrSpreadOverSeveral) {
    std::vector<double> v;
    KeyReader one = KeyReader::fromText(crlf({"1,2,3", "x"}));
    one.getrow(3, v);
    EXPECT_EQ(v[1], 1);
    EXPECT_EQ(v[2], 2);
    EXPECT_EQ(v[3], 3);

    std::vector<double> w;
    KeyReader two = KeyReader::fromText(crlf({"1,2,", "3", "x"}));
    two.getrow(3, w);
    EXPECT_EQ(w[1], 1);
    EXPECT_EQ(w[2], 2);
    EXPECT_EQ(w[3], 3);
    EXPECT_EQ(two.readLine(), "x");

    std::vector<double> u;
    KeyReader single = KeyReader::fromText(crlf({"5", "x"}));
    single.getrow(1, u);
    EXPECT_EQ(u[1], 5);
}

TEST(Getrow, NonNumericLastPieceIsIgnoredAndAShortFileFails) {
    std::vector<double> v;
    KeyReader r = KeyReader::fromText(crlf({"1,2, end", "4", "x"}));
    r.getrow(3, v);
    EXPECT_EQ(v[3], 4);
    KeyReader shortFile = KeyReader::fromText(crlf({"1,2"}));
    EXPECT_THROW(shortFile.getrow(3, v), ReadError);
}

TEST(Splitvalue, BlankOrCommaSeparated) {
    std::string line = "  12.5  7 8";
    EXPECT_EQ(splitvalue(line), 12.5);
    EXPECT_EQ(line, "7 8");
    std::string csv = "3,4";
    EXPECT_EQ(splitvalue(csv), 3);
    EXPECT_EQ(csv, "4");
    EXPECT_EQ(splitvalue(csv), 4);
    EXPECT_EQ(csv, "");
}

TEST(KeyReaderFile, MissingFileIsAReadError) {
    testing::TempDir dir;
    EXPECT_THROW(KeyReader(dir.file("none.ini")), ReadError);
    KeyReader r(dir.write("a.ini", "k=7\r\nend\r\n"));
    EXPECT_EQ(r.getkeyvalue("k="), 7);
}

} // namespace
} // namespace vardex
