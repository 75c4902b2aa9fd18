#include "materials/MaterialLines.h"

#include "text/PrintForm.h"

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

// Converts the text into the field, or records it as skipped when allowed.
template <typename Field, typename Convert>
void store(const std::string& text, Field& field, Convert convert, const char* property,
           std::vector<std::string>* skipped) {
    try {
        field = convert(leadingNumber(text));
    } catch (const ReadError&) {
        if (!skipped) throw;
        skipped->push_back(std::string(property) + " " + text);
    }
}

bool nextKeyValue(KeyReader& file, std::string_view key, float& value, const char* property,
                  std::vector<std::string>* skipped) {
    std::string text;
    if (!nextKeyString(file, key, text)) return false;
    store(text, value, toFloat32, property, skipped);
    return true;
}

} // namespace

bool readMaterialLines(KeyReader& file, const MaterialKeys& keys, Material& m,
                       std::vector<std::string>* skipped) {
    if (!nextKeyString(file, keys.name, m.name)) return false;
    std::string color;
    if (!nextKeyString(file, keys.color, color)) return false;
    store(color, m.color, toInt32, "colour", skipped);
    return nextKeyValue(file, keys.conductivity, m.conductivity, "conductivity", skipped) &&
           nextKeyValue(file, keys.specificHeat, m.specificHeat, "specific heat", skipped) &&
           nextKeyValue(file, keys.density, m.density, "density", skipped) &&
           nextKeyValue(file, keys.heatProduction, m.heatProduction, "heat production", skipped) &&
           nextKeyValue(file, keys.characteristicSize, m.characteristicSize, "characteristic size",
                        skipped);
}

} // namespace vardex
