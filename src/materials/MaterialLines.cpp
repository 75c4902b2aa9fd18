#include "materials/MaterialLines.h"

#include <cmath>
#include <limits>

#include "app/text/PrintForm.h"

namespace vardex {

std::vector<std::string> materialPropertyLines(const Material& m) {
    return {
        PrintLine("material name=").zone(m.name).str(),
        PrintLine("material color=").zoneValue(m.color).str(),
        PrintLine("thermal conductivity=").zoneValue(m.conductivity).str(),
        PrintLine("specific heat=").zoneValue(m.specificHeat).str(),
        PrintLine("density=").zoneValue(m.density).str(),
        PrintLine("heat production=").zoneValue(m.heatProduction).str(),
        PrintLine("characteristic size=").zoneValue(m.characteristicSize).str(),
    };
}

namespace {

// The trimmed text after the key on the next line holding it; false when the search met the
// last line of the file instead.
bool nextKeyString(KeyReader& file, std::string_view key, std::string& text) {
    std::string found = file.getkeystring(key);
    if (!file.isOpen()) return false;
    text = found;
    return true;
}

// A 32-bit float field refuses what it cannot hold, as the runtime's conversion does.
float toFloat(double value) {
    if (std::fabs(value) > std::numeric_limits<float>::max()) throw ReadError("Overflow");
    return static_cast<float>(value);
}

bool nextKeyValue(KeyReader& file, std::string_view key, float& value) {
    std::string text;
    if (!nextKeyString(file, key, text)) return false;
    value = toFloat(leadingNumber(text));
    return true;
}

} // namespace

bool readMaterialLines(KeyReader& file, const MaterialKeys& keys, Material& m) {
    if (!nextKeyString(file, keys.name, m.name)) return false;
    std::string color;
    if (!nextKeyString(file, keys.color, color)) return false;
    m.color = toInt32(leadingNumber(color));
    return nextKeyValue(file, keys.conductivity, m.conductivity) &&
           nextKeyValue(file, keys.specificHeat, m.specificHeat) &&
           nextKeyValue(file, keys.density, m.density) &&
           nextKeyValue(file, keys.heatProduction, m.heatProduction) &&
           nextKeyValue(file, keys.characteristicSize, m.characteristicSize);
}

} // namespace vardex
