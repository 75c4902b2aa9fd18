// Reading the temp file and the recording index file.

#include <gtest/gtest.h>

#include "Cases.h"
#include "SolverInput.h"
#include "TempFileText.h"

namespace zolter {
namespace {

SolverInput sample() {
    SolverInput in = test::block(3, 2, 4, 0.25, test::concrete(1.0), 18.0);
    in.dz = 0.5;
    in.materials.push_back({"soil", 1.2, 0.8, 1800.0, 0.0});
    in.sections.push_back({2, 2, 1, 1, 2, 2});
    in.zoneSection = {2, 2, 1, 1};
    in.faces = "NDNDDI";
    in.hydration.seriesFlag = true;
    in.hydration.points = {{0.0, 0.0}, {12.5, 40.0}, {48.0, 65.5}};
    in.boundaries = {test::held(2, 7.5, {{-1.0, 5.0}, {55.0, 12.0}})};
    in.times = {0.7, 2.0, 50.0, 1.5, 0.003, 22};
    return in;
}

TEST(TempFile, ReadsBackWhatTheProgramWrites) {
    const SolverInput in = sample();
    std::vector<std::string> w;
    const SolverInput r = parseTempText(tempFileText(in), w);
    EXPECT_TRUE(w.empty());
    EXPECT_EQ(r.modelFile, "/models/shaft.mod");
    EXPECT_NEAR(r.times.theta, 0.7, 1e-7);
    EXPECT_DOUBLE_EQ(r.times.start, 2.0);
    EXPECT_DOUBLE_EQ(r.times.end, 50.0);
    EXPECT_DOUBLE_EQ(r.times.dtmax, 1.5);
    EXPECT_DOUBLE_EQ(r.times.errmax, 0.003);
    EXPECT_EQ(r.times.itmax, 22);
    EXPECT_EQ(r.nx, 3);
    EXPECT_EQ(r.nz, 4);
    EXPECT_DOUBLE_EQ(r.dz, 0.5);
    EXPECT_EQ(r.faces, "NDNDDI");
    EXPECT_TRUE(r.hydration.seriesFlag);
    EXPECT_EQ(r.hydration.points, in.hydration.points);
    ASSERT_EQ(r.boundaries.size(), 1u);
    EXPECT_TRUE(r.boundaries[0].dirichlet);
    EXPECT_EQ(r.boundaries[0].material, 2);
    EXPECT_DOUBLE_EQ(r.boundaries[0].initTemp, 7.5);
    EXPECT_EQ(r.boundaries[0].points, in.boundaries[0].points);
    EXPECT_EQ(r.zoneSection, in.zoneSection);
    EXPECT_EQ(r.sections, in.sections);
    ASSERT_EQ(r.materials.size(), 2u);
    EXPECT_EQ(r.materials[1].name, "soil");
    // The last key of the file is read too.
    EXPECT_DOUBLE_EQ(r.materials[1].heatProduction, 0.0);
    EXPECT_NEAR(r.materials[0].heatProduction, 1.0, 0);
    EXPECT_EQ(r.materialAt(2, 1, 0), 2);
    EXPECT_EQ(r.materialAt(2, 0, 3), 1);
}

TEST(TempFile, EquivalentAgeAndConvectiveFacesAreWrittenInThePrintZonesAndReadBack) {
    SolverInput in = sample();
    in.hydration.equivalentAge = true;
    in.hydration.activationEnergy = 33826;
    in.hydration.referenceTemperature = 21.1;
    // A held record, then a convective one: each record's optional keys are its own.
    in.boundaries.push_back(test::convective(
        1, 19.0, {{0.0, {.181, .181, .181, .181, 0, 8}}, {72.0, {8, 8, 8, 8, 0, 8}}},
        {{0.0, 19.0}}));
    const std::string text = tempFileText(in);
    EXPECT_NE(text.find("\r\nEquivalentAge=True\r\n"
                        "ActivationEnergy=            33826 \r\n"
                        "ReferenceTemperature=        21.1 \r\n"
                        "[End Sources]\r\n"),
              std::string::npos)
        << text;
    // Numbers end in a blank, as the line builder prints them.
    EXPECT_NE(text.find(" 0             19 \r\n"
                        "Convection=   True\r\n"
                        "FacePoints=    2 \r\n"
                        " 0             .181          .181          .181          .181          0  "
                        "           8 \r\n"
                        " 72            8             8             8             8             0  "
                        "           8 \r\n"),
              std::string::npos)
        << text;

    std::vector<std::string> w;
    const SolverInput r = parseTempText(text, w);
    EXPECT_TRUE(r.hydration.equivalentAge);
    EXPECT_DOUBLE_EQ(r.hydration.activationEnergy, 33826);
    EXPECT_DOUBLE_EQ(r.hydration.referenceTemperature, 21.1);
    ASSERT_EQ(r.boundaries.size(), 2u);
    EXPECT_FALSE(r.boundaries[0].convection);
    EXPECT_TRUE(r.boundaries[0].faceRows.empty());
    EXPECT_TRUE(r.boundaries[1].convection);
    ASSERT_EQ(r.boundaries[1].faceRows.size(), 2u);
    EXPECT_DOUBLE_EQ(r.boundaries[1].faceRows[1].time, 72);
    EXPECT_EQ(r.boundaries[1].faceRows[0].u, in.boundaries[1].faceRows[0].u);
    EXPECT_DOUBLE_EQ(r.boundaries[1].coefficient(0, -5.0), .181); // the first row before its time
    EXPECT_DOUBLE_EQ(r.boundaries[1].coefficient(0, 71.9), .181);
    EXPECT_DOUBLE_EQ(r.boundaries[1].coefficient(0, 72.0), 8);
    EXPECT_DOUBLE_EQ(r.boundaries[1].coefficient(4, 100.0), 0);
}

TEST(TempFile, AFileWithoutTheNewFeaturesHasNoneOfTheirKeysAndReadsAsBefore) {
    const std::string text = tempFileText(sample());
    for (const char* key :
         {"EquivalentAge", "ActivationEnergy", "ReferenceTemperature", "Convection", "FacePoints"})
        EXPECT_EQ(text.find(key), std::string::npos) << key;
    std::vector<std::string> w;
    const SolverInput r = parseTempText(text, w);
    EXPECT_FALSE(r.hydration.equivalentAge);
    EXPECT_FALSE(r.boundaries[0].convection);
    // Keys written False with no rows read as no convection.
    std::string off = text;
    off.insert(off.find("[End Boundaries]"), "Convection=   False\r\nFacePoints=    0\r\n");
    EXPECT_FALSE(parseTempText(off, w).boundaries[0].convection);
    std::string ragged = text;
    ragged.insert(ragged.find("[End Boundaries]"),
                  "Convection=   True\r\nFacePoints=    1\r\n 0  1  2  3\r\n");
    std::string reason;
    try {
        parseTempText(ragged, w);
    } catch (const InputFault& f) {
        reason = f.what();
    }
    EXPECT_NE(reason.find("row 1 of the face coefficients of boundary record 1 does not hold a "
                          "time and six coefficients"),
              std::string::npos)
        << reason;
}

TEST(TempFile, LineFeedsAloneAndTheLastLineWithoutEndReadAlike) {
    std::string text = tempFileText(sample());
    std::string lf;
    for (char c : text)
        if (c != '\r') lf += c;
    // The last line, without a line end, holds the last material's heat production.
    lf = lf.substr(0, lf.rfind("heat production=")) + "heat production=  3.25";
    std::vector<std::string> w;
    const SolverInput r = parseTempText(lf, w);
    EXPECT_DOUBLE_EQ(r.materials[1].heatProduction, 3.25);
}

TEST(TempFile, ThetaOutsideItsRangeIsClampedWithAWarning) {
    SolverInput in = sample();
    in.times.theta = 0.3;
    std::vector<std::string> w;
    EXPECT_DOUBLE_EQ(parseTempText(tempFileText(in), w).times.theta, 0.5);
    ASSERT_EQ(w.size(), 1u);
    EXPECT_NE(w[0].find("theta"), std::string::npos);
    in.times.theta = 1.7;
    EXPECT_DOUBLE_EQ(parseTempText(tempFileText(in), w).times.theta, 1.0);
}

TEST(TempFile, MalformedValuesAreFaults) {
    std::string text = tempFileText(sample());
    std::vector<std::string> w;
    std::string faces = text;
    faces.replace(faces.find("NDNDDI"), 6, "NDXDDI");
    EXPECT_THROW(parseTempText(faces, w), InputFault);
    std::string word = text;
    word.replace(word.find("2,2,1"), 5, "2,x,1");
    EXPECT_THROW(parseTempText(word, w), InputFault);
}

// The fault's reason, or an empty text when the text reads.
std::string faultOf(const std::string& text) {
    std::vector<std::string> w;
    try {
        parseTempText(text, w);
    } catch (const InputFault& fault) {
        return fault.what();
    }
    return {};
}

TEST(TempFile, ANumberBeyondTheRangeOfADoubleIsNotAFiniteNumberWhereverItStands) {
    const std::string text = tempFileText(sample());
    // The text with the value after the last occurrence of the key replaced.
    auto withValue = [&](const std::string& key, const std::string& value) {
        std::string bad = text;
        const std::size_t at = bad.rfind(key);
        const std::size_t end = bad.find('\r', at);
        bad.replace(at, (end == std::string::npos ? bad.size() : end) - at, key + value);
        return bad;
    };
    // Key lines of every part of the file, up to its very last key.
    for (const std::string key : {"dx=", "ConcreteRho=", "sourceP2=", "initTemp=",
                                  "materialdensity=", "density=", "heat production="}) {
        const std::string reason = faultOf(withValue(key, " 1E+400 "));
        EXPECT_NE(reason.find("not a finite number"), std::string::npos) << key << ": " << reason;
        EXPECT_NE(reason.find(key), std::string::npos) << reason;
    }
    // The largest double still reads (a boundary record's density has no range: it is unused).
    EXPECT_EQ(faultOf(withValue("materialdensity=", " 1.7E+308 ")), "");
    std::string point = text;
    point.replace(point.find(" 12.5 "), 6, " 12.5E+999 ");
    EXPECT_NE(faultOf(point).find("point 2 of the heat-source series is not a finite number"),
              std::string::npos)
        << faultOf(point);
    std::string times = text;
    times.replace(times.find(" 50 "), 4, " -5E+309 ");
    EXPECT_NE(faultOf(times).find("endtime in [times] is not a finite number"), std::string::npos)
        << faultOf(times);
}

TEST(RecordingPoints, ANumberBeyondTheRangeOfADoubleIsAFault) {
    const SolverInput in = sample();
    std::vector<std::string> w;
    EXPECT_THROW(parseRecordingPoints(" 1E+400 \n 1  2  3 \n", in, w), InputFault);
    EXPECT_THROW(parseRecordingPoints(" 1 \n 1  2E+999  3 \n", in, w), InputFault);
}

TEST(RecordingPoints, ReadsPrintedIndicesAndDropsPointsOutsideTheGrid) {
    const SolverInput in = sample();
    std::vector<std::string> w;
    const auto p = parseRecordingPoints(" 3 \r\n 1  2  3 \r\n 3  1  4 \r\n 9  1  1 \r\n", in, w);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].i, 1);
    EXPECT_EQ(p[0].j, 2);
    EXPECT_EQ(p[0].k, 3);
    EXPECT_EQ(p[1].k, 4);
    EXPECT_EQ(w.size(), 1u);
    w.clear();
    EXPECT_EQ(parseRecordingPoints(" 2 \n 1  1  1 \n", in, w).size(), 1u);
    EXPECT_EQ(w.size(), 1u); // the second point is missing
    w.clear();
    EXPECT_TRUE(parseRecordingPoints(" 1E+30 \n 1E+20  2  3 \n", in, w).empty());
    EXPECT_FALSE(w.empty());
}

TEST(BaseName, DropsFolderAndExtensionWithEitherSlash) {
    EXPECT_EQ(baseName("C:\\diska\\shaft.mod"), "shaft");
    EXPECT_EQ(baseName("/home/u/models/pier.2.mod"), "pier.2");
    EXPECT_EQ(baseName("plain"), "plain");
}

} // namespace
} // namespace zolter
