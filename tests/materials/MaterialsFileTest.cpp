#include "materials/MaterialsFile.h"

#include <gtest/gtest.h>

#include "app/AppState.h"
#include "support/AppFixture.h"

namespace vardex {
namespace {

using testing::crlf;
using testing::readFile;
using testing::withoutDateLine;

struct Fixture : testing::AppFixture {
    Fixture() {
        app.config.testing = true;
        app.config.DataDir.clear(); // saving sets it
    }
};

std::vector<Material> twoMaterials() {
    return {
        {"Concrete", kNewMaterialColor, 0.5f, 1.05f, 2400.0f, 1.0f, 0.0f},
        {"Steel form", 255, 45.0f, 0.46f, 7850.0f, 0.0f, -0.3f},
    };
}

TEST(MaterialsFile, LayoutKeysZonesAndPrintForms) {
    Fixture f;
    std::string path = f.home.file("two.mts");
    ASSERT_TRUE(SaveFile(f.app, path, twoMaterials()));

    std::string text = readFile(path);
    EXPECT_EQ(text.substr(0, path.size() + 2 + 8), path + "\r\nRevised ");
    EXPECT_EQ(withoutDateLine(text), crlf({
                                         path,
                                         "listcount= 2 ",
                                         "  ",
                                         "  ",
                                         "[Material]",
                                         "material name=Concrete",
                                         "material color=              10526880 ",
                                         "thermal conductivity=        .5 ",
                                         "specific heat= 1.05 ",
                                         "density=       2400 ",
                                         "heat production=             1 ",
                                         "characteristic size=         0 ",
                                         "     ",
                                         "[Material]",
                                         "material name=Steel form",
                                         "material color=              255 ",
                                         "thermal conductivity=        45 ",
                                         "specific heat= .46 ",
                                         "density=       7850 ",
                                         "heat production=             0 ",
                                         "characteristic size=        -.3 ",
                                         "     ",
                                     }));
}

TEST(MaterialsFile, AnEmptyListWritesTheHeadOnly) {
    Fixture f;
    std::string path = f.home.file("none.mts");
    ASSERT_TRUE(SaveFile(f.app, path, {}));
    EXPECT_EQ(withoutDateLine(readFile(path)), crlf({path, "listcount= 0 ", "  ", "  "}));
}

TEST(MaterialsFile, EmptyPathWritesNothing) {
    Fixture f;
    f.app.config.DataDir = "/before";
    EXPECT_FALSE(SaveFile(f.app, "", twoMaterials()));
    EXPECT_EQ(f.dialogs.messageTexts(), std::vector<std::string>{"File name empty."});
    EXPECT_EQ(f.dialogs.messages[0].title, "Vardex");
    EXPECT_EQ(f.app.config.DataDir, "/before");
}

TEST(MaterialsFile, SaveMovesTheDataDirectoryAndWritesTheConfiguration) {
    Fixture f;
    f.app.config.testing = false;
    std::string path = f.home.file("data/two.mts");
    f.home.write("data/keep", "");
    ASSERT_TRUE(SaveFile(f.app, path, twoMaterials()));
    EXPECT_EQ(f.app.config.DataDir, f.home.file("data"));
    std::string ini = readFile(f.home.file("Vardex.ini"));
    EXPECT_NE(ini.find("DataDir=      " + f.home.file("data") + "\r\n"), std::string::npos) << ini;
}

} // namespace
} // namespace vardex
