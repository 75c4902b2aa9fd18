#include "section/Composites.h"

#include <algorithm>
#include <memory>

#include "materials/Ccomp.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "section/SectionEditorState.h"
#include "text/NumberText.h"

namespace vardex {
namespace {

constexpr int kShareCount = 5;

float mix(float q, float newValue, float oldValue) {
    return q * newValue + (1.0f - q) * oldValue;
}

} // namespace

int shareIndex(float f) {
    const double s = (f + 0.095) / 0.17;
    if (!(s >= 1.0)) return 1;
    if (s >= kShareCount) return kShareCount;
    return static_cast<int>(s);
}

float shareOf(int s) {
    return static_cast<float>(0.17 * s - 0.01);
}

std::int32_t compositeColor(float q) {
    const int level = static_cast<int>(roundHalfEven(static_cast<double>(q) * 74.0 + 180.0));
    return rgb(level, level, 170);
}

std::optional<std::int16_t> get_Cmember(const SectionEditorState& section, const std::string& key) {
    const int last = std::min(kPlainMaterials + section.composites.count(), kMaterialSlots);
    for (int k = kPlainMaterials + 1; k <= last; ++k)
        if (section.materials[k].name == key) return static_cast<std::int16_t>(k);
    return std::nullopt;
}

std::int16_t get_compval(Dialogs& dialogs, SectionEditorState& section, std::int16_t a, float f,
                         std::int16_t b) {
    const int s = shareIndex(f);
    const float q = shareOf(s);
    // Copies: the new slot may be b's own when zones still hold a composite of a section before.
    const Material added = section.materials[a];
    const Material old = section.materials[b];
    const std::string key = get_compkey(a, added.name, b, old.name, s);
    if (std::optional<std::int16_t> existing = get_Cmember(section, key)) return *existing;

    const int m = section.composites.count();
    if (kPlainMaterials + m + 1 > kMaterialSlots) {
        dialogs.inform(std::string("There are too many cooks in the kitchen!") + kNewLine +
                       "Composites are greater than 100.");
        return b;
    }
    const std::int16_t n = matl_number(m + 1);
    Material& slot = section.materials[n];
    slot.name = key;
    slot.color = compositeColor(q);
    slot.conductivity = mix(q, added.conductivity, old.conductivity);
    slot.specificHeat = mix(q, added.specificHeat, old.specificHeat);
    slot.density = mix(q, added.density, old.density);
    slot.heatProduction = mix(q, added.heatProduction, old.heatProduction);

    section.composites.add(compositeFromSlot(slot, n));
    return n;
}

void applyZoneRule(Dialogs& dialogs, SectionEditorState& section, std::int16_t a, int i, int j,
                   float f) {
    const std::int16_t b = section.values.value(i, j);
    std::int16_t painted = b;
    if (f > kFullCoverage)
        painted = a;
    else if (f > kNoCoverage && b != a && b != 0) // nothing to mix with in an unfilled zone
        painted = get_compval(dialogs, section, a, f, b);
    section.values.setValue(i, j, painted);
}

} // namespace vardex
