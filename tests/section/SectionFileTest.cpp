#include "section/SectionFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/AppState.h"
#include "materials/Ccomp.h"
#include "section/Cgeom.h"
#include "section/SectionEditorState.h"
#include "support/AppFixture.h"

namespace vardex {
namespace {

using testing::crlf;
using testing::readFile;
using testing::withoutDateLine;

struct Fixture : testing::AppFixture {
    Fixture() {
        app.config.testing = true;
        app.config.DataDir = home.path();
    }
};

const Material kConcrete{"Concrete", kNewMaterialColor, 1.8f, 1.05f, 2400.0f, 0.9f, 0.0f};
const Material kPlywood{"Plywood form", 65535, 0.13f, 1.2f, 600.0f, 0.0f, -0.3f};
const std::string kMixKey = "Plywood formConcrete" + std::string(20, ' ') + "3";
const Material kMix{kMixKey, 11196889, 0.965f, 1.125f, 1500.0f, 0.45f, 0.0f};

// The 3 by 2 section of the rows 1,1,2 and 2,31,31 with one composite, as the editor holds it.
SectionEditorState threeByTwo() {
    SectionEditorState s;
    s.sectionName = "  Slab A ";
    s.materialsFile = "/data/site.mts";
    s.nx = 3;
    s.ny = 2;
    s.dx = 0.5f;
    s.dy = 0.25f;
    s.materials[1] = kConcrete;
    s.materials[2] = kPlywood;
    s.materials[31] = kMix;
    std::int16_t rows[2][3] = {{1, 1, 2}, {2, 31, 31}};
    for (int j = 1; j <= 2; ++j)
        for (int i = 1; i <= 3; ++i) s.values.setValue(i, j, rows[j - 1][i - 1]);
    s.unsaved = true;
    s.composites.add(std::make_shared<Ccomp>());
    return s;
}

// An unused slot as the writer puts it.
std::string emptySlot(int k) {
    return crlf({"", "[material]   " + std::to_string(k),
                 "material name=", "material color=              0 ",
                 "thermal conductivity=        0 ", "specific heat= 0 ", "density=       0 ",
                 "heat production=             0 ", "characteristic size=         0 "});
}

TEST(SectionFile, LayoutOfA3By2SectionWithOneComposite) {
    Fixture f;
    SectionEditorState s = threeByTwo();
    std::string path = f.home.file("slab.sec");
    ASSERT_TRUE(write_Secfile(f.app, s, path));

    std::string expected = crlf({
        path,
        "sectionname=Slab A",
        "materialfile=/data/site.mts",
        "nx= 3 ",
        "ny= 2 ",
        "dx= .5 ",
        "dy= .25 ",
        " ",
        "[Sectiongeometry]",
        "1,1,2",
        "2,31,31",
        "",
        "[Materials]",
        "",
        "[material]   1",
        "material name=Concrete",
        "material color=              10526880 ",
        "thermal conductivity=        1.8 ",
        "specific heat= 1.05 ",
        "density=       2400 ",
        "heat production=             .9 ",
        "characteristic size=         0 ",
        "",
        "[material]   2",
        "material name=Plywood form",
        "material color=              65535 ",
        "thermal conductivity=        .13 ",
        "specific heat= 1.2 ",
        "density=       600 ",
        "heat production=             0 ",
        "characteristic size=        -.3 ",
    });
    for (int k = 3; k <= 30; ++k) expected += emptySlot(k);
    expected += crlf({
        "",
        "[Composites]",
        "",
        "[material]   31",
        "material name=Plywood formConcrete                    3",
        "material color=              11196889 ",
        "thermal conductivity=        .965 ",
        "specific heat= 1.125 ",
        "density=       1500 ",
        "heat production=             .45 ",
        "characteristic size=         0 ",
        "",
    });
    std::string text = readFile(path);
    EXPECT_EQ(text.substr(0, path.size() + 10), path + "\r\nRevised ");
    EXPECT_EQ(withoutDateLine(text), expected);
}

TEST(SectionFile, ReadBackAndWrittenAgainGivesTheSameFile) {
    Fixture f;
    SectionEditorState s = threeByTwo();
    std::string path = f.home.file("slab.sec");
    ASSERT_TRUE(write_Secfile(f.app, s, path));
    std::string first = readFile(path);

    // What the reader drops or misreads the writer cannot give back; what it keeps beside the file
    // is checked here.
    Cgeom geom(f.app);
    std::string readPath = path;
    geom.read_secfile(readPath);
    EXPECT_EQ(readPath, path);
    EXPECT_TRUE(f.dialogs.messages.empty());
    EXPECT_EQ(geom.Sectionfile, path);
    EXPECT_EQ(geom.sectionname, "Slab A");
    ASSERT_EQ(geom.composites.count(), 1);
    const Ccomp& c = *geom.composites.item(1);
    EXPECT_EQ(c.key, kMixKey);
    EXPECT_EQ(c.number, 31);
    EXPECT_EQ(c.color, 11196889);
    EXPECT_EQ(c.conductivity, 0.965f);
    EXPECT_EQ(c.specificHeat, 1.125f);
    EXPECT_EQ(c.density, 1500.0f);
    EXPECT_EQ(c.heatProduction, 0.45f);
    EXPECT_EQ(geom.currentComposite, geom.composites.item(1));
    EXPECT_EQ(f.app.config.DataPath, path);
    EXPECT_EQ(f.app.config.UserDir, f.home.path());

    SectionEditorState again;
    again.materialsFile = geom.materialfile;
    copyGrid(geom, again);
    copyMaterials(geom, again);
    ASSERT_TRUE(write_Secfile(f.app, again, path));
    EXPECT_EQ(withoutDateLine(readFile(path)), withoutDateLine(first));
}

TEST(SectionFile, SavingRecordsTheSectionInTheConfiguration) {
    Fixture f;
    f.app.config.testing = false;
    SectionEditorState s = threeByTwo();
    s.dx = 0.1f;
    std::string path = f.home.file("slab.sec");
    ASSERT_TRUE(write_Secfile(f.app, s, path));
    EXPECT_EQ(s.sectionFile, path);
    EXPECT_FALSE(s.unsaved);
    EXPECT_EQ(f.app.config.DataPath, path);
    EXPECT_EQ(f.app.config.UserDir, f.home.path());
    EXPECT_EQ(f.app.config.sectionfile, path);
    EXPECT_EQ(f.app.config.nx, 3);
    EXPECT_EQ(f.app.config.ny, 2);
    EXPECT_EQ(f.app.config.dx, 0.1);
    EXPECT_EQ(f.app.config.dy, 0.25);
    std::string ini = readFile(f.home.file("Vardex.ini"));
    EXPECT_NE(ini.find("sectionfile=  " + path + "\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("dx=            .1 \r\n"), std::string::npos) << ini;
}

TEST(SectionFile, EmptyPathOrUnwritableFileLeavesEverythingAsItWas) {
    Fixture f;
    SectionEditorState s = threeByTwo();
    EXPECT_FALSE(write_Secfile(f.app, s, ""));
    EXPECT_EQ(s.sectionFile, "");
    EXPECT_TRUE(f.dialogs.messages.empty());

    std::string unwritable = f.home.file("missing/slab.sec");
    EXPECT_FALSE(write_Secfile(f.app, s, unwritable));
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_NE(f.dialogs.messages[0].text.find(unwritable), std::string::npos);
    EXPECT_EQ(f.dialogs.messages[0].title, "Section Page . . .");
    EXPECT_TRUE(s.unsaved);
    EXPECT_EQ(s.sectionFile, "");
    EXPECT_EQ(f.app.config.sectionfile, "");
}

TEST(SectionFile, ASectionWithUnpaintedZonesIsNotSavedAndSaysHowManyAreLeft) {
    Fixture f;
    SectionEditorState s = threeByTwo();
    s.values.setValue(2, 1, 0);
    s.values.setValue(3, 2, 0);
    // A zone outside the section's grid does not count.
    s.values.setValue(4, 1, 0);
    std::string path = f.home.file("slab.sec");
    EXPECT_FALSE(write_Secfile(f.app, s, path));
    EXPECT_FALSE(std::filesystem::exists(path));
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_NE(f.dialogs.messages[0].text.find("2 zones hold no material"), std::string::npos)
        << f.dialogs.messages[0].text;
    EXPECT_TRUE(s.unsaved);
    EXPECT_EQ(s.sectionFile, "");

    // Painted, it saves and reads back.
    s.values.setValue(2, 1, 1);
    s.values.setValue(3, 2, 31);
    EXPECT_TRUE(write_Secfile(f.app, s, path));
    EXPECT_FALSE(s.unsaved);
}

TEST(SectionFile, CopyMaterialsKeepsTheCharacteristicSize) {
    Fixture f;
    SectionEditorState s = threeByTwo();
    std::string path = f.home.file("slab.sec");
    ASSERT_TRUE(write_Secfile(f.app, s, path));
    Cgeom geom(f.app);
    geom.read_secfile(path);
    SectionEditorState editor;
    editor.materials[32].name = "beyond the count";
    copyMaterials(geom, editor);
    EXPECT_EQ(editor.materials[2].characteristicSize, -0.3f);
    EXPECT_EQ(editor.materials[31], kMix);
    EXPECT_EQ(editor.materials[32].name, "beyond the count");
}

} // namespace
} // namespace vardex
