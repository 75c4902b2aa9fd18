#include "app/Help.h"

#include <gtest/gtest.h>

#include "text/Version.h"

namespace vardex {
namespace {

TEST(Help, EveryProgramAndAboutVardexCarryTheProjectVersion) {
    // The build's project version, the one the package is named with.
    EXPECT_STREQ(kVersion, VARDEX_PROJECT_VERSION);
    EXPECT_EQ(versionLine("zolter"), std::string("zolter (Vardex) ") + VARDEX_PROJECT_VERSION);
    const std::string about = aboutText();
    EXPECT_EQ(about.rfind(std::string("Vardex ") + VARDEX_PROJECT_VERSION + "\n", 0), 0u) << about;
    EXPECT_NE(about.find("Licence: All rights reserved."), std::string::npos) << about;
}

TEST(Help, TheHelpMenuOffersTheGuideAndAbout) {
    MenuState menu = helpMenu();
    EXPECT_EQ(menu.name, "mnuHelp");
    EXPECT_EQ(menu.caption, "&Help");
    ASSERT_EQ(menu.items.size(), 2u);
    EXPECT_EQ(menu.item("mnuUserGuide")->caption, "&User Guide");
    EXPECT_EQ(menu.item("mnuAbout")->caption, "&About Vardex");
}

} // namespace
} // namespace vardex
