#include "materials/Ccomp.h"

#include "app/AppState.h"
#include "text/NumberText.h"

namespace vardex {
namespace {

constexpr std::size_t kNameWidth = 20;
constexpr std::size_t kFieldWidth = 40;

bool continuesCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Characters, not bytes, so that a name is never cut inside a UTF-8 character.
std::size_t characterCount(const std::string& text) {
    std::size_t count = 0;
    for (char c : text)
        if (!continuesCharacter(c)) ++count;
    return count;
}

std::string firstCharacters(const std::string& text, std::size_t wanted) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (continuesCharacter(text[i])) continue;
        if (count == wanted) return text.substr(0, i);
        ++count;
    }
    return text;
}

} // namespace

std::string get_compkey(std::int16_t a, const std::string& nameA, std::int16_t b,
                        const std::string& nameB, int s) {
    bool swapped = a <= b;
    const std::string& first = swapped ? nameB : nameA;
    const std::string& second = swapped ? nameA : nameB;
    int digit = swapped ? 6 - s : s;

    std::string field = firstCharacters(first, kNameWidth) + firstCharacters(second, kNameWidth);
    std::size_t width = characterCount(field);
    if (width < kFieldWidth) field.append(kFieldWidth - width, ' ');
    return trim(field + std::to_string(digit));
}

std::int16_t matl_number(int n) {
    return static_cast<std::int16_t>(n + AppState::kCompositeOffset);
}

std::shared_ptr<Ccomp> compositeFromSlot(const Material& slot, std::int16_t number) {
    auto composite = std::make_shared<Ccomp>();
    composite->key = slot.name;
    composite->conductivity = slot.conductivity;
    composite->specificHeat = slot.specificHeat;
    composite->density = slot.density;
    composite->heatProduction = slot.heatProduction;
    composite->characteristicSize = slot.characteristicSize;
    composite->color = slot.color;
    composite->number = number;
    return composite;
}

} // namespace vardex
