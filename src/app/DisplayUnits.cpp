#include "app/DisplayUnits.h"

#include <cmath>
#include <cstdio>

namespace vardex {
namespace {

constexpr const char* kSection = "Settings";
constexpr const char* kKey = "Units";

} // namespace

std::string fixedText(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string result = text;
    // A value that rounds to zero is shown without a sign.
    if (result.front() == '-' && result.find_first_not_of("-0.") == std::string::npos)
        result.erase(0, 1);
    return result;
}

void DisplayUnits::attach(SettingsStore& store, const std::string& application) {
    store_ = &store;
    application_ = application;
    const std::optional<std::string> stored = store.load(application, kSection, kKey);
    const UnitSystem chosen = stored && *stored == "US" ? UnitSystem::US : UnitSystem::SI;
    if (chosen != system_) {
        system_ = chosen;
        for (auto& [id, listener] : listeners_) listener();
    }
}

void DisplayUnits::set(UnitSystem system) {
    if (store_) store_->save(application_, kSection, kKey, system == UnitSystem::US ? "US" : "SI");
    if (system == system_) return;
    system_ = system;
    // A listener may end its own subscription while it is told.
    const std::map<int, std::function<void()>> listeners = listeners_;
    for (const auto& [id, listener] : listeners)
        if (listeners_.count(id)) listener();
}

int DisplayUnits::subscribe(std::function<void()> listener) {
    listeners_[nextId_] = std::move(listener);
    return nextId_++;
}

void DisplayUnits::unsubscribe(int id) {
    listeners_.erase(id);
}

double DisplayUnits::temperature(double celsius) const {
    return us() ? celsius * 1.8 + 32 : celsius;
}

double DisplayUnits::temperatureDifference(double kelvin) const {
    return us() ? kelvin * 1.8 : kelvin;
}

double DisplayUnits::celsiusFrom(double shown) const {
    return us() ? (shown - 32) / 1.8 : shown;
}

double DisplayUnits::kelvinFrom(double shownDifference) const {
    return us() ? shownDifference / 1.8 : shownDifference;
}

double DisplayUnits::length(double metres) const {
    return us() ? metres / kMetresPerFoot : metres;
}

const char* DisplayUnits::temperatureUnit() const {
    return us() ? "\u00B0F" : "\u00B0C";
}

const char* DisplayUnits::lengthUnit() const {
    return us() ? "ft" : "m";
}

std::string DisplayUnits::temperatureText(double celsius, int decimals) const {
    return fixedText(temperature(celsius), decimals);
}

std::string DisplayUnits::differenceText(double kelvin, int decimals) const {
    return fixedText(temperatureDifference(kelvin), decimals);
}

std::string DisplayUnits::lengthText(double metres) const {
    std::string text = fixedText(length(metres), 3);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return text;
}

} // namespace vardex
