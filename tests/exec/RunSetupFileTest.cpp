#include "exec/RunSetupFile.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"
#include "text/NumberText.h"

namespace vardex {
namespace {

RunSetup everyField() {
    RunSetup s;
    s.modelFile = "/data/Pier é 4/pier.mod";
    s.itmax = 40;
    s.errmax = 1e-4;
    s.dtmax = 2.5;
    s.starttime = 6;
    s.endtime = 102;
    s.concentric = false;
    s.source = {true,  false, 2400.0f,         65.5f,    28.0f, 6.0f, {0.9f, 1.25f, 30.0f},
                "/data/heat.ts", true, 33826.0f, 21.1f};
    s.boundaries = {{"Soil", true, 12.0f, "/data/soil.ts", false, {}},
                    {"Air  gap", false, 20.0f, "", false, {}},
                    {"Concrete", false, 13.33f, "/data/air 19.ts", true,
                     {{0.0f, {.181f, .181f, .181f, .181f, 0.0f, 8.0f}},
                      {72.5f, {8.0f, 8.0f, 8.0f, 8.0f, 0.0f, 1.5e-3f}}}}};
    s.feet = true;
    s.points = {{0.5f, 0.25f, 1.0f}, {-0.0f, 2.0f, 7.75f}};
    s.limits = {68.5, 19.0};
    return s;
}

TEST(RunSetupFile, EveryFieldReadsBackAsWritten) {
    testing::TempDir dir;
    const RunSetup s = everyField();
    const std::string path = dir.file("pier run.vrs");
    writeRunSetup(path, s);
    const RunSetup r = readRunSetup(path);
    EXPECT_EQ(r.modelFile, s.modelFile);
    EXPECT_EQ(r.itmax, 40);
    EXPECT_EQ(r.errmax, 1e-4);
    EXPECT_EQ(r.dtmax, 2.5);
    EXPECT_EQ(r.starttime, 6);
    EXPECT_EQ(r.endtime, 102);
    EXPECT_FALSE(r.concentric);
    EXPECT_TRUE(r.source.timeSeries);
    EXPECT_FALSE(r.source.abt);
    EXPECT_EQ(r.source.density, 2400.0f);
    EXPECT_EQ(r.source.heat, 65.5f);
    EXPECT_EQ(r.source.placement, 28.0f);
    EXPECT_EQ(r.source.start, 6.0f);
    EXPECT_EQ(r.source.params, s.source.params);
    EXPECT_EQ(r.source.seriesFile, "/data/heat.ts");
    EXPECT_TRUE(r.source.equivalentAge);
    EXPECT_EQ(r.source.activationEnergy, 33826.0f);
    EXPECT_EQ(r.source.referenceTemp, 21.1f);
    ASSERT_EQ(r.boundaries.size(), 3u);
    EXPECT_EQ(r.boundaries[0].material, "Soil");
    EXPECT_TRUE(r.boundaries[0].dirichlet);
    EXPECT_EQ(r.boundaries[0].initTemp, 12.0f);
    EXPECT_EQ(r.boundaries[0].seriesFile, "/data/soil.ts");
    EXPECT_EQ(r.boundaries[1].material, "Air  gap");
    EXPECT_FALSE(r.boundaries[1].dirichlet);
    EXPECT_EQ(r.boundaries[1].seriesFile, "");
    EXPECT_FALSE(r.boundaries[0].convection);
    EXPECT_TRUE(r.boundaries[1].faces.empty());
    EXPECT_TRUE(r.boundaries[2].convection);
    EXPECT_EQ(r.boundaries[2].initTemp, 13.33f);
    EXPECT_EQ(r.boundaries[2].seriesFile, "/data/air 19.ts");
    EXPECT_EQ(r.boundaries[2].faces, s.boundaries[2].faces);
    EXPECT_TRUE(r.feet);
    EXPECT_EQ(r.points, s.points);
    EXPECT_EQ(r.limits.maxTemperature, 68.5);
    EXPECT_EQ(r.limits.maxDifference, 19.0);
    // The program's print conventions: keys with values at the next print zone, CR LF lines.
    const std::string text = dir.read("pier run.vrs");
    EXPECT_EQ(text.substr(0, 21), "[Vardex run set-up]\r\n");
    EXPECT_NE(text.find("\r\nitmax=         40 \r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nx= .5 y= .25 z= 1 \r\n"), std::string::npos) << text;
}

TEST(RunSetupFile, ANumberThatIsNotOneOrDoesNotFitIsAReadFailureNeverZero) {
    testing::TempDir dir;
    writeRunSetup(dir.file("good.vrs"), everyField());
    const std::string good = dir.read("good.vrs");
    // The value after a key replaced by another.
    struct Damage {
        const char* key;
        const char* value;
    };
    for (const Damage& d :
         {Damage{"itmax=", "forty"}, Damage{"itmax=", "40000"}, Damage{"density=", "1E+40"},
          Damage{"dirichlet=", "yes"}, Damage{"boundaries=", "2.5"}, Damage{"units=", "inches"},
          Damage{"z= ", ""}, Damage{"points=", "17"}, Damage{"equivalentage=", "yes"},
          Damage{"activationenergy=", "1E+39"}, Damage{"convection=", "1"},
          Damage{"facepoints=", "100"}, Damage{"faces=", "0 1 2 3 4 5"},
          Damage{"faces=", "0 1 2 3 4 5 6 7"}, Damage{"faces=", "0 1 2 3 4 5 U"}}) {
        std::string text = good;
        const std::size_t at = text.find(d.key);
        ASSERT_NE(at, std::string::npos) << d.key;
        const std::size_t from = at + std::string(d.key).size();
        text.replace(from, text.find("\r\n", from) - from, d.value);
        const std::string path = dir.write("damaged.vrs", text);
        EXPECT_THROW(readRunSetup(path), ReadError) << d.key << d.value;
    }
}

TEST(RunSetupFile, AFileSavedBeforeEquivalentAgeAndConvectionOpensWithRealAgeAndNoConvection) {
    testing::TempDir dir;
    RunSetup s = everyField();
    s.boundaries.pop_back();
    writeRunSetup(dir.file("new.vrs"), s);
    std::string text = dir.read("new.vrs");
    for (const char* key :
         {"equivalentage=", "activationenergy=", "referencetemp=", "convection=", "convection="}) {
        const std::size_t at = text.find(key);
        ASSERT_NE(at, std::string::npos) << key;
        text.erase(at, text.find("\r\n", at) + 2 - at);
    }
    const RunSetup r = readRunSetup(dir.write("old.vrs", text));
    EXPECT_FALSE(r.source.equivalentAge);
    ASSERT_EQ(r.boundaries.size(), 2u);
    EXPECT_FALSE(r.boundaries[0].convection);
    EXPECT_FALSE(r.boundaries[1].convection);
    EXPECT_EQ(r.boundaries[1].material, "Air  gap");
    EXPECT_EQ(r.points, s.points);
}

TEST(RunSetupFile, ABoundaryBothHeldAndConvectiveIsRefused) {
    testing::TempDir dir;
    writeRunSetup(dir.file("good.vrs"), everyField());
    std::string text = dir.read("good.vrs");
    // The convective record of Concrete turned into a held one as well.
    const std::size_t concrete = text.find("material=     Concrete");
    ASSERT_NE(concrete, std::string::npos) << text;
    const std::size_t flag = text.find("dirichlet=    False", concrete);
    text.replace(flag, std::string("dirichlet=    False").size(), "dirichlet=    True");
    try {
        readRunSetup(dir.write("both.vrs", text));
        FAIL() << "read";
    } catch (const ReadError& e) {
        EXPECT_NE(std::string(e.what()).find("both"), std::string::npos) << e.what();
    }
}

TEST(RunSetupFile, AFileCutShortAnywhereIsRefused) {
    testing::TempDir dir;
    writeRunSetup(dir.file("good.vrs"), everyField());
    const std::string good = dir.read("good.vrs");
    // Cut after every line but the closing one: each must fail, none may read in part.
    std::size_t end = good.find("\r\n");
    const std::size_t last = good.rfind("[end]");
    while (end != std::string::npos && end + 2 < last) {
        const std::string path = dir.write("cut.vrs", good.substr(0, end + 2));
        EXPECT_THROW(readRunSetup(path), ReadError) << "cut after: " << good.substr(0, end);
        end = good.find("\r\n", end + 2);
    }
    EXPECT_THROW(readRunSetup(dir.file("missing.vrs")), ReadError);
}

} // namespace
} // namespace vardex
