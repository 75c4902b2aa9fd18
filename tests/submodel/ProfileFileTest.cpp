#include "submodel/ProfileFile.h"

#include <gtest/gtest.h>

#include "section/Cgeom.h"
#include "support/AppFixture.h"
#include "support/ProfileText.h"
#include "support/ScriptedDialogs.h"
#include "support/SectionFiles.h"
#include "support/TempDir.h"

namespace vardex {
namespace {

using testing::crlf;

struct ProfileFixture : testing::AppFixture {
    std::shared_ptr<Cgeom> section(const std::string& file, std::int32_t color) {
        std::string path = testing::writeSectionFile(app, home.file(file), {});
        auto geometry = std::make_shared<Cgeom>(app);
        geometry->read_secfile(path);
        geometry->Sectionfile = path;
        geometry->sec_color = color;
        return geometry;
    }
    ProfileWriteRequest request(const std::string& file) {
        ProfileWriteRequest r;
        r.path = home.file(file);
        r.name = " Pier ";
        r.nx = 3;
        r.ny = 2;
        r.nz = 4;
        r.dx = 0.5f;
        r.dy = 0.25f;
        r.dz = 1.5f;
        r.sectionChooserCount = 3;
        r.layers = {1, 1, 2, 3};
        return r;
    }
};

TEST(ProfileFile, LayoutIsExact) {
    ProfileFixture f;
    KeyedList<Cgeom> palette;
    palette.add(f.section("a.sec", 255));
    palette.add(f.section("b.sec", 65280));
    palette.add(f.section("c.sec", 16711680));
    ProfileWriteRequest r = f.request("pier.prf");
    ASSERT_TRUE(write_profile(f.app, r, palette));
    std::string text = f.home.read("pier.prf");
    std::string revised = text.substr(
        text.find("\r\n") + 2, text.find("\r\n", text.find("\r\n") + 2) - text.find("\r\n") - 2);
    EXPECT_EQ(revised.rfind("Revised ", 0), 0u);
    EXPECT_EQ(text, crlf({r.path,
                          revised,
                          "submodelname=Pier",
                          "[parameters]",
                          "nx= 3 ",
                          "ny= 2 ",
                          "nz= 4 ",
                          "dx= .5 ",
                          "dy= .25 ",
                          "dz= 1.5 ",
                          "sectionfiles= 3 ",
                          " ",
                          "[submodel]",
                          "1,1,2,3",
                          "",
                          "[Sections]",
                          "",
                          "[section]",
                          "sectionfile=" + f.home.file("a.sec"),
                          "sectioncolor= 255 ",
                          "",
                          "[section]",
                          "sectionfile=" + f.home.file("b.sec"),
                          "sectioncolor= 65280 ",
                          "",
                          "[section]",
                          "sectionfile=" + f.home.file("c.sec"),
                          "sectioncolor= 16711680 ",
                          ""}));
    EXPECT_EQ(f.app.config.UserDir, f.home.path());
    EXPECT_TRUE(f.dialogs.messages.empty());
}

TEST(ProfileFile, WrittenAndReadBackGivesTheSameSubmodel) {
    ProfileFixture f;
    KeyedList<Cgeom> palette;
    palette.add(f.section("a.sec", 255));
    palette.add(f.section("b.sec", 65280));
    ProfileWriteRequest r = f.request("pier.prf");
    r.sectionChooserCount = 2;
    r.layers = {1, 2, 2, 1};
    ASSERT_TRUE(write_profile(f.app, r, palette));

    for (bool takeNextLines : {false, true}) {
        ProfileSectionChoices choices;
        choices.takeNextLines = takeNextLines;
        ProfileRead read =
            readProfile(f.app, r.path, takeNextLines ? "modelname=" : "name=", &choices);
        const Csubmodel& s = *read.record;
        EXPECT_EQ(s.smodname, "Pier");
        EXPECT_EQ(s.smodfile, r.path);
        EXPECT_EQ(s.nx, 3);
        EXPECT_EQ(s.ny, 2);
        EXPECT_EQ(s.nz, 4);
        EXPECT_EQ(s.dx, 0.5f);
        EXPECT_EQ(s.dy, 0.25f);
        EXPECT_EQ(s.dz, 1.5f);
        EXPECT_EQ(s.scount, 2);
        std::vector<int> layers;
        for (int z = 1; z <= 4; ++z) layers.push_back(s.G_secnumber(z));
        EXPECT_EQ(layers, (std::vector<int>{1, 2, 2, 1}));
        ASSERT_EQ(read.sectionsRead, 2);
        EXPECT_EQ(s.palette.item(1)->Sectionfile, f.home.file("a.sec"));
        EXPECT_EQ(s.palette.item(2)->sec_color, 65280);
        EXPECT_EQ(s.getvalarray(1, 3, 1), 2); // the section file was read into the record
        EXPECT_EQ(s.getvalarray(0, 3, 1), 0);
        EXPECT_EQ(f.app.sectionGeometry, s.palette.item(2));
    }
    EXPECT_TRUE(f.dialogs.messages.empty());
}

TEST(ProfileFile, AColourOnTheVeryLastLineIsLostButItsSectionKept) {
    ProfileFixture f;
    std::string a = testing::writeSectionFile(f.app, f.home.file("a.sec"), {});
    testing::ProfileContent content;
    content.sections = {{a, 255}};
    std::string path =
        f.home.write("old.prf", testing::profileText(f.home.file("old.prf"), content));
    ProfileSectionChoices choices;
    ProfileRead read = readProfile(f.app, path, "name=", &choices);
    ASSERT_EQ(read.sectionsRead, 1);
    EXPECT_EQ(read.record->palette.item(1)->sec_color, 0);
    EXPECT_EQ(read.record->palette.item(1)->Sectionfile, a);
}

TEST(ProfileFile, AShortPaletteLoadsTheBlocksThatAreThere) {
    ProfileFixture f;
    std::string a = testing::writeSectionFile(f.app, f.home.file("a.sec"), {});
    testing::ProfileContent content;
    content.sections = {{a, 255}};
    std::string path = f.home.file("short.prf");
    std::string text = testing::profileText(path, content);
    text.replace(text.find("sectionfiles= 1 "), 16, "sectionfiles= 3 ");
    f.home.write("short.prf", text + "\r\n");
    ProfileSectionChoices choices;
    ProfileRead read = readProfile(f.app, path, "name=", &choices);
    EXPECT_EQ(read.record->scount, 3);
    EXPECT_EQ(read.sectionsRead, 1);
    EXPECT_EQ(read.record->palette.count(), 1);
}

TEST(ProfileFile, LayersAndAPointFiveWithoutLeadingZero) {
    ProfileFixture f;
    testing::ProfileContent content;
    content.nz = 4;
    content.layers = {1, 1, 2, 3};
    content.dx = " .5 ";
    std::string path =
        f.home.write("p.prf", testing::profileText(f.home.file("p.prf"), content) + "\r\n");
    ProfileRead read = readProfile(f.app, path, "modelname=", nullptr);
    EXPECT_EQ(read.record->dx, 0.5f);
    EXPECT_EQ(read.record->G_secnumber(2), 1);
    EXPECT_EQ(read.record->G_secnumber(3), 2);
    EXPECT_EQ(read.record->G_secnumber(4), 3);
    EXPECT_EQ(read.record->G_secnumber(0), 0);
}

TEST(ProfileFile, TheEditorReportsASectionLineWithoutAnEqualsSign) {
    ProfileFixture f;
    std::string a = testing::writeSectionFile(f.app, f.home.file("a.sec"), {});
    testing::ProfileContent content;
    content.sections = {{a, 255}};
    std::string path = f.home.file("odd.prf");
    std::string text = testing::profileText(path, content);
    text.replace(text.find("sectioncolor= 255 "), 18, "no colour here");
    f.home.write("odd.prf", text + "\r\n");
    ProfileSectionChoices choices;
    choices.takeNextLines = true;
    choices.messageTitle = "Sub-Model Geometry . . .";
    ProfileRead read = readProfile(f.app, path, "modelname=", &choices);
    EXPECT_EQ(f.dialogs.messageTexts(), std::vector<std::string>{"problem in this file"});
    EXPECT_EQ(f.dialogs.messages[0].title, "Sub-Model Geometry . . .");
    EXPECT_EQ(read.record->palette.item(1)->sec_color, 0);
}

TEST(ProfileFile, EmptyPaletteAndIncompleteLayersAreReportedButWritten) {
    ProfileFixture f;
    KeyedList<Cgeom> palette;
    auto unnamed = std::make_shared<Cgeom>(f.app); // no section file: dropped before writing
    palette.add(unnamed);
    ProfileWriteRequest r = f.request("bare.prf");
    r.layersComplete = false;
    ASSERT_TRUE(write_profile(f.app, r, palette));
    EXPECT_TRUE(palette.empty());
    EXPECT_EQ(f.dialogs.messageTexts(),
              (std::vector<std::string>{"Bad:  no sections in sub-model",
                                        "Cannot write a proper file for " + r.path}));
    EXPECT_NE(f.home.read("bare.prf").find("sectionfiles= 3 \r\n"), std::string::npos);
    r.path.clear();
    EXPECT_FALSE(write_profile(f.app, r, palette));
}

TEST(ProfileFile, AFileEndingBeforeItsLayersIsAReadError) {
    ProfileFixture f;
    std::string path =
        f.home.write("cut.prf", crlf({"x", "submodelname=A", "nx= 1", "ny= 1", "nz= 2"}));
    EXPECT_THROW(readProfile(f.app, path, "modelname=", nullptr), ReadError);
    EXPECT_THROW(readProfile(f.app, f.home.file("none.prf"), "modelname=", nullptr), ReadError);
}

TEST(ProfileFile, ZoneSizesBeyondAFloatOrADoubleAreReadErrorsNotInfinity) {
    ProfileFixture f;
    testing::ProfileContent fits;
    fits.dz = " 3.402823E+38 ";
    auto read = readProfile(f.app, f.home.write("fits.prf", testing::profileText("x", fits)),
                            "modelname=", nullptr);
    EXPECT_EQ(read.record->dz, 3.402823e38f);

    for (const char* value : {" 1E+39 ", " -4E+38 ", " 1E+400 ", " -1D999 "}) {
        for (int axis = 0; axis < 3; ++axis) {
            testing::ProfileContent content;
            (axis == 0 ? content.dx : axis == 1 ? content.dy : content.dz) = value;
            std::string path = f.home.write("big.prf", testing::profileText("x", content));
            EXPECT_THROW(readProfile(f.app, path, "modelname=", nullptr), ReadError)
                << value << " on axis " << axis;
        }
    }
}

} // namespace
} // namespace vardex
