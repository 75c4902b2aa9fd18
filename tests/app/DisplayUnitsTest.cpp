// The program's one units setting: conversions, the texts shown, and keeping it between starts.

#include <gtest/gtest.h>

#include "app/DisplayUnits.h"
#include "support/Doubles.h"

namespace vardex {
namespace {

TEST(DisplayUnits, SiShowsValuesAsStoredAndUsConvertsToFahrenheitAndFeet) {
    DisplayUnits units;
    EXPECT_EQ(units.temperatureText(21.25, 2), "21.25");
    EXPECT_EQ(units.lengthText(1.5), "1.5");
    EXPECT_STREQ(units.temperatureUnit(), "\u00B0C");
    EXPECT_STREQ(units.lengthUnit(), "m");
    units.set(UnitSystem::US);
    EXPECT_DOUBLE_EQ(units.temperature(100), 212);
    EXPECT_DOUBLE_EQ(units.temperature(-40), -40);
    EXPECT_DOUBLE_EQ(units.temperatureDifference(10), 18);
    EXPECT_DOUBLE_EQ(units.celsiusFrom(212), 100);
    EXPECT_DOUBLE_EQ(units.kelvinFrom(18), 10);
    EXPECT_DOUBLE_EQ(units.length(0.3048), 1);
    EXPECT_EQ(units.lengthText(3.048), "10");
    EXPECT_EQ(units.lengthText(1), "3.281");
    EXPECT_EQ(units.temperatureText(-17.8, 1), "0.0"); // -0.04 F: no sign on a shown zero
    EXPECT_STREQ(units.temperatureUnit(), "\u00B0F");
    EXPECT_STREQ(units.lengthUnit(), "ft");
}

TEST(DisplayUnits, TheChoiceIsKeptForTheNextStartAndListenersAreToldOfChangesOnly) {
    testing::RecordingSettingsStore store;
    {
        DisplayUnits units;
        units.attach(store, "Vardex");
        EXPECT_EQ(units.system(), UnitSystem::SI); // nothing stored yet
        int told = 0;
        const int id = units.subscribe([&] { ++told; });
        units.set(UnitSystem::US);
        units.set(UnitSystem::US);
        EXPECT_EQ(told, 1);
        units.unsubscribe(id);
        units.set(UnitSystem::SI);
        units.set(UnitSystem::US);
        EXPECT_EQ(told, 1);
    }
    EXPECT_EQ(store.values.at("Vardex/Settings/Units"), "US");
    DisplayUnits next;
    int told = 0;
    next.subscribe([&] { ++told; });
    next.attach(store, "Vardex");
    EXPECT_TRUE(next.us());
    EXPECT_EQ(told, 1);
    // Anything else stored reads as SI.
    store.values["Vardex/Settings/Units"] = "imperial?";
    DisplayUnits odd;
    odd.attach(store, "Vardex");
    EXPECT_FALSE(odd.us());
}

} // namespace
} // namespace vardex
