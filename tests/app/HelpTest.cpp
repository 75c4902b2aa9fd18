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

} // namespace
} // namespace vardex
