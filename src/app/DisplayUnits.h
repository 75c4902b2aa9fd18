#pragma once
// The units every window shows temperatures and lengths in: SI (°C, m) or US (°F, ft). One
// setting for the whole program, kept between starts; files always hold SI values.

#include <functional>
#include <map>
#include <string>

#include "platform/SettingsStore.h"

namespace vardex {

enum class UnitSystem { SI, US };

// The international foot.
inline constexpr double kMetresPerFoot = 0.3048;

// A number with the given decimals; one that rounds to zero has no sign.
std::string fixedText(double value, int decimals);

class DisplayUnits {
  public:
    UnitSystem system() const { return system_; }
    bool us() const { return system_ == UnitSystem::US; }

    // Takes the choice stored under the application's "Settings" and keeps every later change
    // there.
    void attach(SettingsStore& store, const std::string& application);
    // Changes the choice, stores it and tells every window that listens.
    void set(UnitSystem system);

    // Called after each change; the number given back ends the subscription.
    int subscribe(std::function<void()> listener);
    void unsubscribe(int id);

    // A temperature (°C) or a temperature difference (K) in the units shown.
    double temperature(double celsius) const;
    double temperatureDifference(double kelvin) const;
    // A value typed in the units shown, back to °C or K.
    double celsiusFrom(double shown) const;
    double kelvinFrom(double shownDifference) const;
    double length(double metres) const;
    // Numbers as shown: a temperature or a difference with the given decimals, a length with up
    // to three decimals and no trailing zeros.
    std::string temperatureText(double celsius, int decimals = 1) const;
    std::string differenceText(double kelvin, int decimals = 1) const;
    std::string lengthText(double metres) const;
    const char* temperatureUnit() const; // "°C" or "°F"
    const char* lengthUnit() const;      // "m" or "ft"

  private:
    UnitSystem system_ = UnitSystem::SI;
    SettingsStore* store_ = nullptr;
    std::string application_;
    std::map<int, std::function<void()>> listeners_;
    int nextId_ = 1;
};

} // namespace vardex
