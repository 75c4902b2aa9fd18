#include <gtest/gtest.h>

#include "app/AppState.h"
#include "materials/Ccomp.h"
#include "materials/MaterialsFile.h"
#include "section/Cgeom.h"
#include "support/AppFixture.h"

namespace vardex {
namespace {

using testing::crlf;
using testing::cutPoints;

struct Fixture : testing::AppFixture {
    Cgeom geom{app};
    Fixture() { app.config.testing = true; }
    // Reads the text as a section file; returns the path as the reader leaves it.
    std::string read(const std::string& text) {
        std::string path = home.write("s.sec", text);
        geom.read_secfile(path);
        return path;
    }
    void expectFailureExit(const std::string& pathAfter) {
        EXPECT_EQ(pathAfter, "ERROR");
        EXPECT_EQ(dialogs.messageTexts(),
                  std::vector<std::string>{"bad file to read: " + home.file("s.sec") + "\r\n0"});
        EXPECT_EQ(dialogs.messages.at(0).title, "Vardex");
    }
};

std::string head(const std::string& nx, const std::string& ny) {
    return crlf({"/s.sec", "Revised today", "sectionname=Test", "materialfile=/m.mts",
                 "nx= " + nx + " ", "ny= " + ny + " ", "dx= .5 ", "dy= .5 ", " ",
                 "[Sectiongeometry]"});
}

std::string slots(int count = kPlainMaterials) {
    std::string text = crlf({"", "[Materials]"});
    for (int k = 1; k <= count; ++k)
        text += crlf(
            {"", "[material]   " + std::to_string(k), "material name=m" + std::to_string(k),
             "material color= " + std::to_string(k) + " ", "thermal conductivity= 1 ",
             "specific heat= 1 ", "density= 1 ", "heat production= 0 ", "characteristic size= 0 "});
    return text + crlf({""});
}

std::string composite(int q, const std::string& density, const std::string& specificHeat) {
    return crlf({"[material]   " + std::to_string(q), "material name=c" + std::to_string(q),
                 "material color= 5 ", "thermal conductivity= 2 ",
                 "specific heat= " + specificHeat + " ", "density= " + density + " ",
                 "heat production= 0 ", "characteristic size= .1 ", ""});
}

std::string composites(std::initializer_list<std::string> blocks) {
    std::string text = crlf({"[Composites]", ""});
    for (const std::string& b : blocks) text += b;
    return text;
}

std::vector<std::int16_t> row(const Cgeom& geom, int j) {
    std::vector<std::int16_t> values;
    for (int i = 1; i <= geom.nx; ++i) values.push_back(geom.g_valarray(i, j));
    return values;
}

TEST(ReadSecfile, DroppedCompositeIsLeftOutAndTheNextOnesMoveUp) {
    Fixture f;
    std::string path = f.read(head("4", "1") + crlf({"1,31,32,33"}) + slots() +
                              composites({composite(31, "100", "1"), composite(32, "0", "0"),
                                          composite(33, "200", "2")}));
    EXPECT_TRUE(f.dialogs.messages.empty());
    EXPECT_NE(path, "ERROR");
    // 33 becomes 32; a zone holding the dropped 32 keeps its number.
    EXPECT_EQ(row(f.geom, 1), (std::vector<std::int16_t>{1, 31, 32, 32}));
    EXPECT_EQ(f.geom.m_count(), 32);
    EXPECT_EQ(f.geom.m_name(32), "c33");
    EXPECT_EQ(f.geom.m_Rho(32), 200.0);
    ASSERT_EQ(f.geom.composites.count(), 2);
    EXPECT_EQ(f.geom.composites.item(1)->number, 31);
    EXPECT_EQ(f.geom.composites.item(2)->number, 32);
    EXPECT_EQ(f.geom.composites.item(2)->key, "c33");
    EXPECT_EQ(f.geom.composites.item(2)->density, 200.0f);
    EXPECT_EQ(f.geom.composites.item(2)->characteristicSize, 0.1f);
    EXPECT_EQ(f.geom.currentComposite, f.geom.composites.item(2));
}

TEST(ReadSecfile, ADroppedLastCompositeStillRaisesTheCount) {
    Fixture f;
    f.read(head("2", "1") + crlf({"1,31"}) + slots() +
           composites({composite(31, "100", "1"), composite(32, "0", "0")}));
    EXPECT_TRUE(f.dialogs.messages.empty());
    EXPECT_EQ(f.geom.m_count(), 32);
    EXPECT_EQ(f.geom.composites.count(), 1);
}

TEST(ReadSecfile, ACompositeNumberedAsAPlainMaterialEndsTheComposites) {
    Fixture f;
    std::string path = f.read(head("1", "1") + crlf({"1"}) + slots() +
                              composites({composite(5, "9", "9"), composite(31, "1", "1")}));
    EXPECT_NE(path, "ERROR");
    EXPECT_EQ(f.geom.m_name(5), "m5");
    EXPECT_EQ(f.geom.m_count(), 30);
    EXPECT_TRUE(f.geom.composites.empty());
}

TEST(ReadSecfile, ReadingEmptiesTheCompositeListFirst) {
    Fixture f;
    f.geom.composites.add(std::make_shared<Ccomp>());
    f.geom.composites.add(std::make_shared<Ccomp>());
    f.read(head("1", "1") + crlf({"31"}) + slots() + composites({composite(31, "1", "1")}));
    EXPECT_EQ(f.geom.composites.count(), 1);

    std::string empty;
    f.geom.read_secfile(empty);
    EXPECT_TRUE(f.geom.composites.empty());
    EXPECT_EQ(f.geom.Sectionfile, "");
    EXPECT_EQ(empty, "");
    EXPECT_TRUE(f.dialogs.messages.empty());
}

TEST(ReadSecfile, AValueOnTheLastLineIsLostButItsCompositeKept) {
    Fixture f;
    std::string text = head("1", "1") + crlf({"31"}) + slots() + composites({}) +
                       "[material]   31\r\nmaterial name=c31\r\nmaterial color= 5 \r\n"
                       "thermal conductivity= 2 \r\nspecific heat= 1 \r\ndensity= 3 \r\n"
                       "heat production= 4 \r\ncharacteristic size= .7 \r\n";
    std::string path = f.read(text);
    EXPECT_NE(path, "ERROR");
    EXPECT_TRUE(f.dialogs.messages.empty());
    ASSERT_EQ(f.geom.composites.count(), 1);
    EXPECT_EQ(f.geom.composites.item(1)->heatProduction, 4.0f);
    EXPECT_EQ(f.geom.composites.item(1)->characteristicSize, 0.0f);
    EXPECT_EQ(f.geom.m_size(31), 0.0);
}

TEST(ReadSecfile, WithoutCompositesTheGridAndSlotsAreRead) {
    Fixture f;
    std::string path = f.read(head("1", "1") + crlf({"5"}) + slots());
    EXPECT_NE(path, "ERROR");
    EXPECT_TRUE(f.dialogs.messages.empty());
    EXPECT_EQ(f.geom.g_valarray(1, 1), 5);
    EXPECT_EQ(f.geom.m_count(), 30);
    EXPECT_EQ(f.geom.m_color(30), 30);
    EXPECT_TRUE(f.geom.composites.empty());
    EXPECT_EQ(f.app.config.DataPath, f.home.file("s.sec"));
}

TEST(ReadSecfile, AnUnfilledZoneTakesTheFailureExit) {
    Fixture f;
    std::string path = f.read(head("3", "1") + crlf({"1,0,2"}) + slots());
    f.expectFailureExit(path);
    EXPECT_EQ(f.geom.sectionname, "Test"); // what was read stays
    EXPECT_EQ(f.geom.g_valarray(1, 1), 1);
    EXPECT_EQ(f.app.config.DataPath, "");
}

TEST(ReadSecfile, ZoneValuesOutsideTheMaterialNumbersTakeTheFailureExit) {
    for (const char* value : {"100", "-1", "40000"}) {
        Fixture f;
        f.expectFailureExit(f.read(head("1", "1") + crlf({value}) + slots()));
        EXPECT_EQ(f.geom.g_valarray(1, 1), 0) << value; // a bad value is never stored
    }
}

TEST(ReadSecfile, MoreThan80ZonesTakeTheFailureExit) {
    Fixture f;
    std::string longRow = "1";
    for (int i = 2; i <= 81; ++i) longRow += ",1";
    f.expectFailureExit(f.read(head("81", "1") + crlf({longRow}) + slots()));
    EXPECT_EQ(f.geom.nx, 0); // never a count the value array cannot hold

    Fixture g;
    g.expectFailureExit(g.read(head("1", "81") + slots()));
    EXPECT_EQ(g.geom.ny, 0);
}

TEST(ReadSecfile, MissingRowsOrSlotsTakeTheFailureExit) {
    Fixture f;
    f.expectFailureExit(f.read(head("2", "3") + crlf({"1,1", "1,1"}) + slots()));
    Fixture g;
    g.expectFailureExit(g.read(head("1", "1") + crlf({"1"}) + slots(29)));
    EXPECT_EQ(g.geom.m_count(), 29);
    EXPECT_EQ(g.geom.m_name(29), "m29");
}

TEST(ReadSecfile, MissingFileTakesTheFailureExit) {
    Fixture f;
    std::string path = f.home.file("s.sec");
    f.geom.read_secfile(path);
    f.expectFailureExit(path);
    EXPECT_EQ(f.geom.Sectionfile, f.home.file("s.sec"));
}

TEST(ReadSecfile, AMaterialsFileGivenAsASectionFileTakesTheFailureExit) {
    Fixture f;
    f.app.config.ProgramPath = f.home.write("program/target", "x");
    std::string materials = f.home.file("s.sec");
    ASSERT_TRUE(SaveFile(f.app, materials, {{"Concrete", 1, 1, 1, 1, 1, 0}}));
    f.dialogs.messages.clear();
    std::string path = materials;
    f.geom.read_secfile(path);
    f.expectFailureExit(path);
    EXPECT_EQ(f.geom.sectionname, "");
}

TEST(ReadSecfile, ASectionCutAnywhereFailsCleanlyOrKeepsItsSlots) {
    Fixture f;
    std::string whole =
        head("2", "2") + crlf({"1,31", "31,2"}) + slots() + composites({composite(31, "100", "1")});
    std::size_t slotsEnd = whole.find("\r\n\r\n[Composites]") + 2;
    for (std::size_t length : cutPoints(whole)) {
        Cgeom geom(f.app);
        f.dialogs.messages.clear();
        std::string path = f.home.write("cut.sec", whole.substr(0, length));
        geom.read_secfile(path);
        bool failed = path == "ERROR";
        EXPECT_EQ(failed, length <= slotsEnd) << length;
        EXPECT_EQ(f.dialogs.messages.size(), failed ? 1u : 0u) << length;
        EXPECT_LE(f.geom.composites.count(), 1);
        EXPECT_LE(geom.nx, 2);
        if (!failed) {
            EXPECT_GE(geom.m_count(), 30);
        }
    }
}

TEST(ReadRSecfile, RecordsThePathAndReportsAMissingFile) {
    Fixture f;
    std::string present = f.home.write("here.sec", "x");
    f.geom.readR_secfile(present);
    EXPECT_EQ(f.geom.Sectionfile, present);
    f.geom.readR_secfile("");
    EXPECT_TRUE(f.dialogs.messages.empty());
    std::string absent = f.home.file("gone.sec");
    f.geom.readR_secfile(absent);
    EXPECT_EQ(f.geom.Sectionfile, absent);
    EXPECT_EQ(f.dialogs.messageTexts(), std::vector<std::string>{"bad filename " + absent});
    EXPECT_EQ(f.geom.nx, 0);
}

} // namespace
} // namespace vardex
