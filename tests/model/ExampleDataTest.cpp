// The bundled example data opens cleanly, as run.sh lays it out.

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "mainwindow/mdifrmMain.h"
#include "run/CBoundarytype.h"
#include "run/Cdataseries.h"
#include "run/Csourceheat.h"
#include "section/Cgeom.h"
#include "submodel/ProfileFile.h"
#include "support/AppFixture.h"
#include "support/Doubles.h"
#include "support/Examples.h"

namespace vardex {
namespace {

using testing::layOutExamples;

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
