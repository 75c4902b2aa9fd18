#include "support/ProfileText.h"

#include "support/TempDir.h"

namespace vardex::testing {

std::string profileText(const std::string& path, const ProfileSpec& spec) {
    std::string layers;
    for (std::size_t i = 0; i < spec.layers.size(); ++i)
        layers += (i ? "," : "") + std::to_string(spec.layers[i]);
    std::string text =
        crlf({std::string_view(path), "Revised 2026-12-06 10:00:00", ("submodelname=" + spec.name),
              "[parameters]", "nx= " + std::to_string(spec.nx) + " ",
              "ny= " + std::to_string(spec.ny) + " ", "nz= " + std::to_string(spec.nz) + " ",
              "dx=" + spec.dx, "dy=" + spec.dy, "dz=" + spec.dz,
              "sectionfiles= " + std::to_string(spec.sections.size()) + " ", " ", "[submodel]",
              layers, "", "[Sections]"});
    for (const auto& [file, color] : spec.sections)
        text += crlf({"", "[section]", "sectionfile=" + file,
                      "sectioncolor= " + std::to_string(color) + " "});
    return text;
}

} // namespace vardex::testing
