#pragma once
// What a partly covered zone becomes: the new material, its old one, or a composite of both,
// made once per mixture and kept in the section's material slots from 31 on.

#include <cstdint>
#include <optional>
#include <string>

namespace vardex {

class Dialogs;
struct SectionEditorState;

// Coverage above which a zone takes the new material, and at or below which it is untouched.
inline constexpr float kFullCoverage = 0.925f;
inline constexpr float kNoCoverage = 0.075f;

// Share index 1..5 of a covered fraction f: the integer part of (f + 0.095) / 0.17, limited.
int shareIndex(float f);
// Share of the new material in a composite of share index s: 0.17 s - 0.01.
float shareOf(int s);
// Display colour of a composite with share q: red and green q 74 + 180, blue 170.
std::int32_t compositeColor(float q);

// Material number of the composite whose name is key among the section's composites, or nothing.
std::optional<std::int16_t> get_Cmember(const SectionEditorState& section, const std::string& key);

// Material number of the composite of new material a covering fraction f of a zone that holds b.
// A new mixture takes the next composite slot and joins the section's composites; when all 69 are
// in use it shows "There are too many cooks in the kitchen!" and returns b.
std::int16_t get_compval(Dialogs& dialogs, SectionEditorState& section, std::int16_t a, float f,
                         std::int16_t b);

// Paints zone (i, j) with material a covering fraction f of it: above kFullCoverage the zone
// takes a, above kNoCoverage it becomes a composite of a and its material, otherwise it stays.
// An unfilled zone, with nothing to mix with, takes a only when covered whole.
void applyZoneRule(Dialogs& dialogs, SectionEditorState& section, std::int16_t a, int i, int j,
                   float f);

} // namespace vardex
