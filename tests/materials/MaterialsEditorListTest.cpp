#include "materials/MaterialsEditorList.h"

#include <gtest/gtest.h>

#include "app/AppState.h"
#include "materials/MaterialsFile.h"
#include "support/AppFixture.h"
#include "support/Materials.h"

namespace vardex {
namespace {

using testing::crlf;
using testing::threeMaterials;

struct Fixture : testing::AppFixture {
    MaterialsEditorList list;
    Fixture() { app.config.testing = true; }
};

std::string materialsText(int listcount, int blocks) {
    std::string text =
        crlf({"/x.mts", "Revised today", "listcount=" + std::to_string(listcount), "  ", "  "});
    for (int k = 1; k <= blocks; ++k)
        text += crlf({"[Material]", "material name=m" + std::to_string(k), "material color= 1",
                      "a= 1", "b= 2", "c= 3", "d= 0", "e= 0", "     "});
    return text;
}

TEST(MaterialsEditorList, ReadsBackWhatWasSaved) {
    Fixture f;
    std::string path = f.home.file("three.mts");
    ASSERT_TRUE(SaveFile(f.app, path, threeMaterials()));
    f.list.materials = {{"stale"}};

    EXPECT_TRUE(read_MaterialList(f.app, f.list, path));
    EXPECT_EQ(f.list.fileName, path);
    EXPECT_EQ(f.list.materials, threeMaterials());
    EXPECT_TRUE(f.dialogs.fileRequests.empty());
    EXPECT_EQ(f.app.config.DataPath, path);
    EXPECT_EQ(f.app.config.DataDir, f.home.path());
}

TEST(MaterialsEditorList, PropertiesAreTakenByPosition) {
    Fixture f;
    std::string path = f.home.write(
        "swapped.mts",
        crlf({"x", "Revised", "listcount= 1 ", "  ", "  ", "[Material]", "material name=m",
              "material color= 3", "specific heat= 0.9", "thermal conductivity= 2.5", "density= 1",
              "heat production= 0", "characteristic size= -0.3", "     "}));
    ASSERT_TRUE(read_MaterialList(f.app, f.list, path));
    ASSERT_EQ(f.list.materials.size(), 1u);
    EXPECT_EQ(f.list.materials[0], (Material{"m", 3, 0.9f, 2.5f, 1, 0, -0.3f}));
}

TEST(MaterialsEditorList, AFailedReadOffersTheOpenDialogAndReadsTheChosenFile) {
    Fixture f;
    std::string good = f.home.file("good.mts");
    ASSERT_TRUE(SaveFile(f.app, good, threeMaterials()));
    f.app.config.DataDir = "/data";
    f.dialogs.fileAnswers = {good};

    EXPECT_TRUE(read_MaterialList(f.app, f.list, f.home.file("absent.mts")));
    ASSERT_EQ(f.dialogs.fileRequests.size(), 1u);
    EXPECT_FALSE(f.dialogs.fileRequests[0].save);
    EXPECT_EQ(f.dialogs.fileRequests[0].request.filter,
              " Materials file (*.mts)|*.mts|All files (*.*)|*.*");
    EXPECT_EQ(f.list.fileName, good);
    EXPECT_EQ(f.list.materials, threeMaterials());
    EXPECT_TRUE(f.dialogs.messages.empty());
}

TEST(MaterialsEditorList, CancellingTheDialogKeepsWhatWasRead) {
    Fixture f;
    // The second block is cut off after its heading.
    std::string path =
        f.home.write("cut.mts", materialsText(2, 1) + crlf({"[Material]", "material name=m2"}));
    EXPECT_FALSE(read_MaterialList(f.app, f.list, path));
    EXPECT_EQ(f.dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(f.list.fileName, path);
    ASSERT_EQ(f.list.materials.size(), 2u);
    EXPECT_EQ(f.list.materials[0], (Material{"m1", 1, 1, 2, 3, 0, 0}));
    EXPECT_EQ(f.list.materials[1].name, ""); // the name stood on the last line
    EXPECT_EQ(f.app.config.DataPath, "");
}

TEST(MaterialsEditorList, MoreThan99MaterialsAreAReadFailure) {
    Fixture f;
    std::string many = f.home.write("many.mts", materialsText(100, 100));
    std::string most = f.home.write("most.mts", materialsText(99, 99));
    f.dialogs.fileAnswers = {most};
    EXPECT_TRUE(read_MaterialList(f.app, f.list, many));
    EXPECT_EQ(f.dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(f.list.fileName, most);
    EXPECT_EQ(f.list.materials.size(), 99u);
}

TEST(MaterialsEditorList, ACountBeyond16BitsIsAReadFailure) {
    Fixture f;
    EXPECT_FALSE(
        read_MaterialList(f.app, f.list, f.home.write("big.mts", materialsText(40000, 1))));
    EXPECT_FALSE(
        read_MaterialList(f.app, f.list, f.home.write("huge.mts", materialsText(2147483647, 1))));
    EXPECT_EQ(f.dialogs.fileRequests.size(), 2u);
    EXPECT_TRUE(f.list.materials.empty());
}

} // namespace
} // namespace vardex
