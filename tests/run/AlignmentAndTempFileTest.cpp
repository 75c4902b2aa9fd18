#include <gtest/gtest.h>

#include "run/Cexec.h"
#include "run/SolverLaunchFiles.h"
#include "section/Cgeom.h"
#include "support/AppFixture.h"
#include "support/ModelTypes.h"

namespace vardex {
namespace {

using testing::MaterialContent;
using testing::SectionContent;
using testing::TypeContent;

const MaterialContent kSoil{"Soil", 1.0f, 0.9f, 2000.0f, 0.0f};
const MaterialContent kConcrete{"Concrete", 2.0f, 0.87f, 2300.0f, 5.0f};
const MaterialContent kForm{"Form", 0.2f, 1.3f, 600.0f, 0.0f};

// A base of soil and concrete under a shaft of concrete in a form.
struct TwoTypeModel : testing::AppFixture {
    std::unique_ptr<Cexec> exec;
    TwoTypeModel() {
        TypeContent base;
        base.name = "Base";
        base.sections = {
            SectionContent{"base", 3, 2, 0.5f, 0.5f, {{1, 1, 2}, {2, 2, 1}}, {kSoil, kConcrete}}};
        TypeContent shaft;
        shaft.name = "Shaft";
        shaft.nz = 3;
        shaft.dz = 0.5f;
        shaft.layers = {1, 1, 1};
        shaft.sections = {
            SectionContent{"shaft", 3, 2, 0.5f, 0.5f, {{1, 1, 1}, {1, 2, 1}}, {kConcrete, kForm}}};
        exec = std::make_unique<Cexec>(app); // empties the sub-model list first, as it does
        testing::addType(app, home.path(), base);
        testing::addType(app, home.path(), shaft);
        app.currentSubmodelName = "Shaft";
        exec->chunkTypes = {1, 2};
        dialogs.messages.clear();
    }
};

TEST(Alignment, MasterListInOrderOfFirstUseAndGridsInMasterNumbers) {
    TwoTypeModel m;
    ASSERT_EQ(m.exec->alignSubMods(), AlignResult::Done);
    EXPECT_EQ(m.exec->MstrMatlx, (std::vector<std::string>{"Soil", "Concrete", "Form"}));
    EXPECT_TRUE(m.exec->g_TxFlag());
    const Csubmodel& shaft = *m.app.submodelList.item(2);
    EXPECT_EQ(shaft.getvalarray(1, 1, 1), 2); // Concrete was the shaft's material 1
    EXPECT_EQ(shaft.getvalarray(1, 2, 2), 3); // Form was its material 2
    EXPECT_EQ(m.app.submodelList.item(1)->getvalarray(1, 3, 1), 2);
    EXPECT_EQ(m.exec->masterDensity(2), 2300.0f);
    EXPECT_EQ(m.exec->masterConductivity(3), 0.2f);
    EXPECT_EQ(m.exec->masterHeat(2), 5.0f); // below 10: not normalised
    // Every material touches an edge of a 3 by 2 section.
    ASSERT_EQ(m.exec->Boundx.size(), 3u);
    EXPECT_EQ(m.exec->Boundx[2]->matlName, "Form");
    EXPECT_EQ(m.exec->Boundx[2]->matlNumber, 3);
    EXPECT_EQ(m.exec->Boundx[2]->matlRho, 600.0f);
    EXPECT_EQ(m.exec->BndyMatIDx, (std::vector<std::string>{" 1", " 2", " 3"}));
    EXPECT_TRUE(m.dialogs.messages.empty());
    // A second alignment of the same record changes nothing.
    EXPECT_EQ(m.exec->alignSubMods(), AlignResult::Done);
    EXPECT_EQ(m.exec->Boundx.size(), 3u);
}

TEST(Alignment, NamesDifferingByBlanksAreOneMaterialByCaseTwo) {
    testing::AppFixture f;
    Cexec exec(f.app);
    TypeContent a;
    a.sections = {SectionContent{"a", 2, 1, 1, 1, {{1, 2}}, {{"  Sand "}, {"clay"}}}};
    TypeContent b;
    b.name = "B";
    b.sections = {SectionContent{"b", 2, 1, 1, 1, {{1, 2}}, {{"Sand"}, {"Clay"}}}};
    testing::addType(f.app, f.home.path(), a);
    testing::addType(f.app, f.home.path(), b);
    ASSERT_EQ(exec.alignSubMods(), AlignResult::Done);
    EXPECT_EQ(exec.MstrMatlx, (std::vector<std::string>{"Sand", "clay", "Clay"}));
}

TEST(Alignment, HeatProductionsAboveNineAreNormalised) {
    for (auto [heats, expected] : std::vector<std::pair<std::vector<float>, std::vector<float>>>{
             {{0, 4, 9}, {0, 4, 9}}, {{0, 5, 10}, {0, 0.5f, 1}}}) {
        testing::AppFixture f;
        Cexec exec(f.app);
        TypeContent t;
        t.sections = {SectionContent{
            "s",
            3,
            1,
            1,
            1,
            {{1, 2, 3}},
            {{"A", 1, 1, 1, heats[0]}, {"B", 1, 1, 1, heats[1]}, {"C", 1, 1, 1, heats[2]}}}};
        testing::addType(f.app, f.home.path(), t);
        ASSERT_EQ(exec.alignSubMods(), AlignResult::Done);
        for (int k = 1; k <= 3; ++k) EXPECT_FLOAT_EQ(exec.masterHeat(k), expected[k - 1]);
    }
}

TEST(Alignment, OnlyLateralEdgesMakeBoundaryMaterials) {
    testing::AppFixture f;
    Cexec exec(f.app);
    TypeContent t;
    // Core in the middle of a 3 by 3 section, the same cover on every edge, used twice.
    SectionContent s{"s", 3, 3, 1, 1, {{1, 1, 1}, {1, 2, 1}, {1, 1, 1}}, {{"Cover"}, {"Core"}}};
    t.sections = {s, s};
    t.layers = {1, 2};
    testing::addType(f.app, f.home.path(), t);
    ASSERT_EQ(exec.alignSubMods(), AlignResult::Done);
    ASSERT_EQ(exec.Boundx.size(), 1u);
    EXPECT_EQ(exec.Boundx[0]->matlName, "Cover");
}

TEST(Alignment, ATypeWithoutSectionsIsReportedAndNothingIsAligned) {
    testing::AppFixture f;
    Cexec exec(f.app);
    auto empty = std::make_shared<Csubmodel>();
    empty->smodname = "Hollow";
    empty->smodfile = "/m/hollow.prf";
    f.app.submodelList.add(empty, "Hollow");
    EXPECT_EQ(exec.alignSubMods(), AlignResult::Done);
    EXPECT_EQ(f.dialogs.messageTexts(),
              std::vector<std::string>{
                  "There are no sections listed in this profile\r\nHollow\r\n/m/hollow.prf"});
    EXPECT_FALSE(exec.g_TxFlag());
    EXPECT_TRUE(exec.MstrMatlx.empty());
}

TEST(Alignment, ModelsBeyondTheTablesAreRefusedBeforeAnythingIsRewritten) {
    {
        TwoTypeModel m;
        m.exec->chunkTypes.assign(17, 1);
        EXPECT_EQ(m.exec->alignSubMods(), AlignResult::Refused);
        EXPECT_NE(m.dialogs.messages.at(0).text.find("at most 16"), std::string::npos);
        EXPECT_EQ(m.app.submodelList.item(2)->getvalarray(1, 1, 1), 1); // not rewritten
        EXPECT_FALSE(m.exec->g_TxFlag());
    }
    {
        testing::AppFixture f;
        Cexec exec(f.app);
        TypeContent t;
        t.sections.assign(17, SectionContent{});
        t.layers = {1, 1};
        testing::addType(f.app, f.home.path(), t);
        EXPECT_EQ(exec.alignSubMods(), AlignResult::Refused);
        EXPECT_NE(f.dialogs.messages.at(0).text.find("17 sections"), std::string::npos);
    }
    {
        testing::AppFixture f;
        Cexec exec(f.app);
        for (int i = 0; i < 17; ++i) {
            TypeContent t;
            t.name = "T" + std::to_string(i);
            testing::addType(f.app, f.home.path(), t);
        }
        EXPECT_EQ(exec.alignSubMods(), AlignResult::Refused);
        EXPECT_NE(f.dialogs.messages.at(0).text.find("17 sub-model types"), std::string::npos);
    }
    {
        // A sub-model grid wider than its section leaves zones without a material.
        TwoTypeModel m;
        m.app.submodelList.item(2)->nx = 4;
        EXPECT_EQ(m.exec->alignSubMods(), AlignResult::Refused);
        EXPECT_EQ(m.dialogs.messages.at(0).text,
                  "Zone (4, 1) of section 1 of sub-model Shaft holds material 0; a run takes "
                  "material numbers 1 to 99.");
        EXPECT_EQ(m.app.submodelList.item(1)->getvalarray(1, 1, 1), 1);
    }
}

TEST(Alignment, GridCheckAsksAndNoStopsTheSetUp) {
    TwoTypeModel m;
    // A zone number beyond the master list after translation: rewrite one zone by hand first.
    ASSERT_EQ(m.exec->alignSubMods(), AlignResult::Done);
    m.app.submodelList.item(1)->L_valarray(1, 2, 2, 7);
    m.dialogs.yesNoAnswers = {false};
    EXPECT_EQ(m.exec->findBndyMaters(), AlignResult::Stop);
    ASSERT_EQ(m.dialogs.messages.size(), 1u);
    EXPECT_EQ(m.dialogs.messages[0].text,
              "1 1 testvalry: errors in valarray= 1\r\n maxHeat= 5\r\n  Continue?  ");
    EXPECT_EQ(m.dialogs.messages[0].title, "Error");
    EXPECT_EQ(m.dialogs.messages[0].buttons, MessageButtons::YesNo);
}

TEST(ChunkFaces, SharedFacesAreNoFluxAndTheEndsComeFromTheMaterials) {
    TwoTypeModel m;
    m.exec->chunkTypes = {1, 1, 1};
    ASSERT_EQ(m.exec->alignSubMods(), AlignResult::Done);
    m.exec->Boundx[0]->flagDirichlet = true; // soil holds a temperature
    m.exec->alignChkBounds();
    auto faces = [&](int c) {
        std::string s;
        for (int f = 1; f <= 6; ++f) s += m.exec->chunkFace(c, f);
        return s;
    };
    // Probe zones of the 3 by 2 base: faces 1, 2, 5, 6 sit on soil at (1, 1).
    EXPECT_EQ(faces(1), "DDNNDN");
    EXPECT_EQ(faces(2), "DDNNNN");
    EXPECT_EQ(faces(3), "DDNNND");
}

TEST(ExecFile, SectionGridsThenTheMasterMaterials) {
    TwoTypeModel m;
    ASSERT_EQ(m.exec->alignSubMods(), AlignResult::Done);
    std::string path = m.home.file("model.exc");
    m.exec->write_Runfile(path);
    EXPECT_EQ(testing::readFile(path),
              testing::crlf({"", "[section]", "1,1,2", "2,2,1", "", "[section]", "2,2,2", "2,3,2",
                             "", "[Materials]", " 1   Soil", " 2   Concrete", " 3   Form"}));
    EXPECT_EQ(m.app.config.DataPath, path);
}

TEST(TempFile, ChunkOfATwoTypeModelLaidOutExactly) {
    TwoTypeModel m;
    ASSERT_EQ(m.exec->alignSubMods(), AlignResult::Done);
    CBoundarytype& soil = *m.exec->Boundx[0];
    soil.flagDirichlet = true;
    soil.initValue = 18.5f;
    soil.bndyTSfile = m.home.write("air.ts", testing::crlf({"2", "0,20", "10,25"}));
    soil.read_bndyTS(m.app, m.exec->starttime, m.exec->endtime);
    m.exec->alignChkBounds();
    m.exec->putBounds(1);
    m.exec->itmax = 22;
    m.exec->Src.abtFlag = true;
    m.exec->modelfile = m.home.file("shaft.mod");
    std::string path = m.home.file("Temp/tempfile.1");
    m.exec->write_Tempfile(1, path, 1);
    EXPECT_EQ(m.exec->runName, "shaft");

    std::string text = testing::readFile(path);
    std::string revised = text.substr(text.find("\r\n") + 2);
    revised = revised.substr(0, revised.find("\r\n"));
    EXPECT_EQ(revised.rfind("Revised       ", 0), 0u);
    std::vector<std::string> expected{
        "MyName=       @PATH",
        "@REVISED",
        "From:",
        "modelfile=    @MODEL",
        "submodelname= Shaft",
        " ",
        "[times]",
        " .63           0             96            3             .003          22 ",
        " ",
        "[parameters]",
        "nx=            3 ",
        "ny=            2 ",
        "nz=            2 ",
        "dx=            .5 ",
        "dy=            .5 ",
        "dz=            1 ",
        "format=concentric",
        " ",
        " ",
        " ",
        "[hydration]",
        "TimeseriesFile=             ",
        "TimeseriesFlag=             False",
        "ABtFlag=      True",
        "ConcreteRho=   2270 ",
        "Placement=     32 ",
        "Qcementitious= 70 ",
        "sourceP1=      .87 ",
        "sourceP2=      1.5 ",
        "sourceP3=      25 ",
        " ",
        "seriespoints=  0 ",
        " ",
        "[End Sources]",
        " ",
        " ",
        "[Boundaries]",
        "DDNNDN",
        " ",
        "materialboundaries=          3 ",
        " ",
        "[boundary]                   1 ",
        "Dirichlet=    True",
        "materialnumber=              1 ",
        "materialname= Soil",
        "materialdensity=             2000 ",
        "timeseriesFile=             @AIR",
        "initTemp=      18.5 ",
        "TSpoints=      4 ",
        "-1             20 ",
        " 55            48 ",
        " 111           76 ",
        " 167           104 ",
        " ",
        "[boundary]                   2 ",
        "Dirichlet=    False",
        "materialnumber=              2 ",
        "materialname= Concrete",
        "materialdensity=             2300 ",
        "timeseriesFile=             ",
        "initTemp=      25 ",
        "TSpoints=      0 ",
        " ",
        "[boundary]                   3 ",
        "Dirichlet=    False",
        "materialnumber=              3 ",
        "materialname= Form",
        "materialdensity=             600 ",
        "timeseriesFile=             ",
        "initTemp=      25 ",
        "TSpoints=      0 ",
        " ",
        "[End Boundaries]",
        " ",
        " ",
        "[Files]",
        " ",
        "OutputDirectory=            @OUT",
        "output=       @OUT/shaft.1.out",
        "sectionfiles=  1 ",
        " ",
        "[submodel]",
        "1,1",
        "",
        "[Sectiongeometry]",
        " ",
        "",
        "[section]",
        "1,1,2",
        "2,2,1",
        " ",
        "",
        "[Materials]",
        "materials=     3 ",
        "",
        "[material]   1",
        "material name=Soil",
        "thermal conductivity=        1 ",
        "specific heat= .9 ",
        "density=       2000 ",
        "heat production=             0 ",
        "",
        "[material]   2",
        "material name=Concrete",
        "thermal conductivity=        2 ",
        "specific heat= .87 ",
        "density=       2300 ",
        "heat production=             5 ",
        "",
        "[material]   3",
        "material name=Form",
        "thermal conductivity=        .2 ",
        "specific heat= 1.3 ",
        "density=       600 ",
        "heat production=             0 ",
    };
    std::string out = m.app.config.OutputDir;
    std::string joined;
    for (std::string line : expected) {
        auto put = [&](const std::string& at, const std::string& value) {
            if (std::size_t p = line.find(at); p != std::string::npos)
                line.replace(p, at.size(), value);
        };
        put("@PATH", path);
        put("@REVISED", revised);
        put("@MODEL", m.home.file("shaft.mod"));
        put("@AIR", soil.bndyTSfile);
        put("@OUT", out);
        joined += line + "\r\n";
    }
    EXPECT_EQ(text, joined);
}

TEST(TempFile, EquivalentAgeAndAConvectiveBoundaryAreWrittenWithTheirExactLines) {
    TwoTypeModel m;
    ASSERT_EQ(m.exec->alignSubMods(), AlignResult::Done);
    Cexec& e = *m.exec;
    e.Src.equivalentAge = true;
    e.Src.activationEnergy = 33826.0f;
    e.Src.referenceTemp = 21.1f;
    CBoundarytype& concrete = *e.Boundx[1];
    concrete.flagConvection = true;
    concrete.facePoints = {{0.0f, {.181f, .181f, .181f, .181f, 0.0f, 8.0f}},
                           {72.0f, {8.0f, 8.0f, 8.0f, 8.0f, 0.0f, 8.0f}}};
    e.alignChkBounds();
    e.putBounds(1);
    e.modelfile = "/anywhere/shaft.mod";
    const std::string path = m.home.file("tempfile.1");
    e.write_Tempfile(1, path, 1);
    const std::string text = testing::readFile(path);
    EXPECT_NE(text.find("\r\nseriespoints=  0 \r\n \r\n"
                        "EquivalentAge=True\r\n"
                        "ActivationEnergy=            33826 \r\n"
                        "ReferenceTemperature=        21.1 \r\n"
                        "[End Sources]\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\r\nmaterialname= Concrete\r\n"
                        "materialdensity=             2300 \r\n"
                        "timeseriesFile=             \r\n"
                        "initTemp=      25 \r\n"
                        "TSpoints=      0 \r\n"
                        "Convection=   True\r\n"
                        "FacePoints=    2 \r\n"
                        " 0             .181          .181          .181          .181          0 "
                        "            8 \r\n"
                        " 72            8             8             8             8             0 "
                        "            8 \r\n"
                        " \r\n[boundary]                   3 \r\n"),
              std::string::npos)
        << text;
    // Only the convective record carries the keys; its faces (the base type's faces 3 and 4 sit on
    // concrete) are lettered as held ones.
    EXPECT_EQ(text.find("Convection="), text.rfind("Convection="));
    EXPECT_NE(text.find("\r\n[Boundaries]\r\nNNDDNN\r\n"), std::string::npos) << text;
}

TEST(TempFile, RectangularFormatSeriesPointsAndARunIndexInTheOutputName) {
    TwoTypeModel m;
    ASSERT_EQ(m.exec->alignSubMods(), AlignResult::Done);
    m.exec->Boundx.clear();
    m.exec->concentric = false;
    m.exec->Src.timeSeriesFile = m.home.write("heat.ts", testing::crlf({"2", "0,0", "24,310.5"}));
    ASSERT_TRUE(m.exec->Src.read_sourceTS(m.app));
    m.exec->modelfile = "/anywhere/shaft.mod";
    std::string path = m.home.file("tempfile.2");
    m.exec->write_Tempfile(2, path, 2);
    std::string text = testing::readFile(path);
    EXPECT_NE(text.find("\r\nformat=rectangular\r\n"), std::string::npos);
    EXPECT_NE(
        text.find("\r\nseriespoints=  2 \r\n 0             0 \r\n 24            310.5 \r\n \r\n"),
        std::string::npos);
    EXPECT_NE(text.find("\r\nmaterialboundaries=          0 \r\n \r\n[End Boundaries]\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("shaft.2.out\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n[submodel]\r\n1,1,1\r\n"), std::string::npos);
    m.exec->write_Tempfile(2, "", 3); // nothing for an empty path
}

} // namespace
} // namespace vardex
