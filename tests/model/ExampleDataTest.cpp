// The bundled example data opens cleanly, as run.sh lays it out.

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "app/mdifrmMain.h"
#include "section/Cgeom.h"
#include "submodel/ProfileFile.h"
#include "support/AppFixture.h"
#include "support/Doubles.h"

namespace vardex {
namespace {

namespace fs = std::filesystem;

// Copies the examples into the home's data folder with their placeholder replaced.
void layOutExamples(const std::string& data) {
    for (const auto& entry : fs::directory_iterator(VARDEX_EXAMPLES_DIR)) {
        std::string text = testing::readFile(entry.path().string());
        for (std::size_t at; (at = text.find("@DATA@")) != std::string::npos;)
            text.replace(at, 6, data);
        std::ofstream(fs::path(data) / entry.path().filename(), std::ios::binary) << text;
    }
}

TEST(ExampleData, TheExampleModelOpensWithItsTypesAndSections) {
    testing::AppFixture f;
    std::string data = f.home.file("data");
    layOutExamples(data);
    testing::RecordingSettingsStore settings;
    mdifrmMain main(f.app, settings);
    main.load();
    f.dialogs.fileAnswers = {data + "/pier.mod"};
    main.openModel();
    EXPECT_TRUE(f.dialogs.messages.empty()) << f.dialogs.messages.at(0).text;
    EXPECT_EQ(main.state().cboprofilename.items,
              (std::vector<std::string>{"Footing on rock", "Column"}));
    EXPECT_EQ(f.app.chunkList, (std::vector<std::int16_t>{1, 2, 2}));
    EXPECT_FLOAT_EQ(main.builder().model().totalLength, 9.5f);

    for (const char* profile : {"footing.prf", "column.prf"}) {
        ProfileSectionChoices choices;
        ProfileRead read = readProfile(f.app, data + "/" + profile, "name=", &choices);
        EXPECT_EQ(read.sectionsRead, read.record->scount) << profile;
        for (const auto& section : read.record->palette)
            EXPECT_NE(section->Sectionfile, "ERROR") << profile;
    }
    EXPECT_TRUE(f.dialogs.messages.empty());
    Cgeom materials(f.app);
    materials.read_Matfile(data + "/materials.mts");
    EXPECT_EQ(materials.m_count(), 4);
}

} // namespace
} // namespace vardex
