#include "materials/MaterialTable.h"

#include <gtest/gtest.h>

#include "app/AppState.h"
#include "materials/MaterialsFile.h"
#include "support/AppFixture.h"
#include "support/Materials.h"

namespace vardex {
namespace {

using testing::crlf;
using testing::cutPoints;
using testing::threeMaterials;

struct Fixture : testing::AppFixture {
    MaterialTable table{app};
    Fixture() { app.config.testing = true; }
};

// One material block as the materials file holds it, with the given property lines.
std::string block(const std::string& name, std::initializer_list<std::string> properties) {
    std::string text = crlf({"[Material]", "material name=" + name, "material color= 7 "});
    for (const std::string& line : properties) text += line + "\r\n";
    return text + crlf({"     "});
}

std::string head(int count) {
    return crlf(
        {"/x.mts", "Revised today", "listcount= " + std::to_string(count) + " ", "  ", "  "});
}

TEST(MaterialTable, AccessorsCheckTheMaterialNumber) {
    Fixture f;
    f.table.Lm_name(99, "last");
    f.table.Lm_color(1, 42);
    EXPECT_EQ(f.table.m_name(99), "last");
    EXPECT_EQ(f.table.m_color(1), 42);
    EXPECT_THROW(f.table.m_name(100), std::out_of_range);
    EXPECT_THROW(f.table.m_Sig(0), std::out_of_range);
    EXPECT_THROW(f.table.Lm_color(-1, 5), std::out_of_range);
    EXPECT_THROW(f.table.Lm_name(100, "x"), std::out_of_range);
    EXPECT_TRUE(f.dialogs.messages.empty());

    // Below one the name is reported instead.
    f.table.Lm_name(0, "x");
    f.table.Lm_name(-3, "y");
    EXPECT_EQ(f.dialogs.messageTexts(),
              (std::vector<std::string>{"bad material number 0", "bad material number -3"}));
}

TEST(ReadMatfile, ReadsBackWhatWasSaved) {
    Fixture f;
    std::string path = f.home.file("three.mts");
    ASSERT_TRUE(SaveFile(f.app, path, threeMaterials()));
    f.dialogs.messages.clear();

    f.table.read_Matfile(path);
    EXPECT_TRUE(f.dialogs.messages.empty());
    ASSERT_EQ(f.table.m_count(), 3);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(f.table.material(k), threeMaterials()[k - 1]) << k;
    EXPECT_EQ(f.table.m_color(1), kNewMaterialColor);
    // Accessors widen to 64-bit floats.
    EXPECT_EQ(f.table.m_size(2), static_cast<double>(-0.3f));
    EXPECT_EQ(f.table.m_Sig(3), 45.0);
    EXPECT_EQ(f.table.m_Sp(3), static_cast<double>(0.46f));
    EXPECT_EQ(f.table.m_Rho(3), 7850.0);
    EXPECT_EQ(f.table.m_heat(1), static_cast<double>(0.9f));
    EXPECT_EQ(f.app.config.DataPath, path);
    EXPECT_EQ(f.app.config.DataDir, f.home.path());
}

TEST(ReadMatfile, EmptyPathAndSectionfileDataDoNothing) {
    Fixture f;
    f.app.config.DataPath = "/before";
    f.table.read_Matfile("");
    f.table.read_Matfile("Sectionfile data");
    EXPECT_TRUE(f.dialogs.messages.empty());
    EXPECT_EQ(f.app.config.DataPath, "/before");
    EXPECT_EQ(f.table.m_count(), 0);
}

TEST(ReadMatfile, MissingFileLeavesTheTableAsItWas) {
    Fixture f;
    f.table.Lm_name(1, "kept");
    std::string path = f.home.file("absent.mts");
    f.table.read_Matfile(path);
    EXPECT_EQ(f.dialogs.messageTexts(),
              std::vector<std::string>{"0  bad path or file \r\n" + path});
    EXPECT_EQ(f.table.m_name(1), "kept");
    EXPECT_EQ(f.app.config.DataPath, "");
}

TEST(ReadMatfile, FileCutOffInTheSecondBlockKeepsTheFirst) {
    Fixture f;
    std::string text =
        head(2) + block("first", {"thermal conductivity= 1 ", "specific heat= 2 ", "density= 3 ",
                                  "heat production= 4 ", "characteristic size= 5 "});
    // Cut after the second heading, and cut after the second name.
    std::string atHeading = f.home.write("a.mts", text + crlf({"[Material]"}));
    std::string atName = f.home.write("b.mts", text + crlf({"[Material]", "material name=x"}));

    f.table.read_Matfile(atHeading);
    EXPECT_EQ(f.dialogs.messageTexts(),
              std::vector<std::string>{"1  bad path or file \r\n" + atHeading});
    EXPECT_EQ(f.table.m_count(), 1);
    EXPECT_EQ(f.table.material(1), (Material{"first", 7, 1, 2, 3, 4, 5}));

    MaterialTable second(f.app);
    f.dialogs.messages.clear();
    second.read_Matfile(atName);
    EXPECT_EQ(f.dialogs.messageTexts(),
              std::vector<std::string>{"2  bad path or file \r\n" + atName});
    EXPECT_EQ(second.m_count(), 2);
    EXPECT_EQ(second.m_name(2), ""); // the last line is never taken, so no "EOF" name either
    EXPECT_EQ(f.app.config.DataPath, "");
}

TEST(ReadMatfile, PropertiesAreTakenByPositionNotByKey) {
    Fixture f;
    std::string path = f.home.write(
        "swapped.mts",
        head(1) + block("m", {"specific heat= 0.9 ", "thermal conductivity= 2.5 ", "density= 2300 ",
                              "heat production= 1 ", "characteristic size= 0 "}));
    f.table.read_Matfile(path);
    EXPECT_TRUE(f.dialogs.messages.empty());
    EXPECT_EQ(f.table.m_Sig(1), static_cast<double>(0.9f));
    EXPECT_EQ(f.table.m_Sp(1), 2.5);
}

TEST(ReadMatfile, StoresAtMost99Materials) {
    Fixture f;
    std::string text = head(120);
    for (int k = 1; k <= 120; ++k)
        text += block("m" + std::to_string(k), {"a= 1 ", "b= 1 ", "c= 1 ", "d= 0 ", "e= 0 "});
    std::string path = f.home.write("many.mts", text);
    f.table.read_Matfile(path);
    EXPECT_TRUE(f.dialogs.messages.empty());
    EXPECT_EQ(f.table.m_count(), 99);
    EXPECT_EQ(f.table.m_name(99), "m99");
    EXPECT_EQ(f.app.config.DataPath, path);
}

TEST(ReadMatfile, AValueThatDoesNotFitItsFieldIsSkippedAndTheRestOfTheFileIsRead) {
    Fixture f;
    f.table.Lm_color(2, 99);
    std::string path = f.home.write(
        "huge.mts", head(3) +
                        block("first", {"a= 1 ", "b= 2 ", "density= 1E+40 ", "d= 4 ", "e= 0 "}) +
                        crlf({"[Material]", "material name=second", "material color= 1E+12 ",
                              "a= 5 ", "b= 6 ", "c= 1E+400 ", "d= 8 ", "e= -.3 ", "     "}) +
                        block("third", {"a= 9 ", "b= 10 ", "c= 11 ", "d= 12 ", "e= 0 "}));
    f.table.read_Matfile(path);
    // Every later material and every other property is read.
    ASSERT_EQ(f.table.m_count(), 3);
    EXPECT_EQ(f.table.m_Sp(1), 2.0);
    EXPECT_EQ(f.table.m_Rho(1), 0.0); // unread: the slot keeps what it held
    EXPECT_EQ(f.table.m_heat(1), 4.0);
    EXPECT_EQ(f.table.m_color(2), 99);
    EXPECT_EQ(f.table.m_Sig(2), 5.0);
    EXPECT_EQ(f.table.m_Rho(2), 0.0);
    EXPECT_EQ(f.table.m_size(2), static_cast<double>(-0.3f));
    EXPECT_EQ(f.table.m_name(3), "third");
    EXPECT_EQ(f.table.m_Rho(3), 11.0);
    EXPECT_EQ(f.app.config.DataPath, path);
    // One message names each value left unread and the file; none of a file ending early.
    EXPECT_EQ(f.dialogs.messageTexts(),
              std::vector<std::string>{"Values that do not fit their fields were not read:\r\n"
                                       "material 1 density 1E+40\r\n"
                                       "material 2 colour 1E+12\r\n"
                                       "material 2 density 1E+400\r\n" +
                                       path});
}

TEST(ReadMatfile, ASecondReadOverwritesOnlyItsOwnSlots) {
    Fixture f;
    std::string three = f.home.file("three.mts");
    std::string one = f.home.file("one.mts");
    ASSERT_TRUE(SaveFile(f.app, three, threeMaterials()));
    ASSERT_TRUE(SaveFile(f.app, one, {{"Sand", 1, 1, 1, 1, 0, 0}}));
    f.table.read_Matfile(three);
    f.table.read_Matfile(one);
    EXPECT_EQ(f.table.m_count(), 1);
    EXPECT_EQ(f.table.m_name(1), "Sand");
    EXPECT_EQ(f.table.m_name(3), "Steel");
}

TEST(ReadMatfile, NoFileCutAnywhereCrashesOrPassesUnreported) {
    Fixture f;
    std::string path = f.home.file("whole.mts");
    ASSERT_TRUE(SaveFile(f.app, path, threeMaterials()));
    std::string whole = testing::readFile(path);
    // Every cut that loses a value ends in the message; cuts within the final blank line do not.
    std::size_t lastValue = whole.rfind("\r\n     \r\n") + 2;
    for (std::size_t length : cutPoints(whole)) {
        std::string cut = f.home.write("cut.mts", whole.substr(0, length));
        MaterialTable table(f.app);
        f.dialogs.messages.clear();
        table.read_Matfile(cut);
        if (length <= lastValue) {
            ASSERT_EQ(f.dialogs.messages.size(), 1u) << length;
            EXPECT_NE(f.dialogs.messages[0].text.find("  bad path or file \r\n"),
                      std::string::npos);
        } else {
            EXPECT_TRUE(f.dialogs.messages.empty()) << length;
        }
        EXPECT_LE(table.m_count(), 3);
    }
}

} // namespace
} // namespace vardex
