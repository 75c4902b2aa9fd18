#include "support/ProfileText.h"

#include "support/TempDir.h"

namespace vardex::testing {

std::string profileText(const std::string& path, const ProfileContent& content) {
    std::string layers;
    for (std::size_t i = 0; i < content.layers.size(); ++i)
        layers += (i ? "," : "") + std::to_string(content.layers[i]);
    std::string text =
        crlf({std::string_view(path), "Revised 2026-12-06 10:00:00", ("submodelname=" + content.name),
              "[parameters]", "nx= " + std::to_string(content.nx) + " ",
              "ny= " + std::to_string(content.ny) + " ", "nz= " + std::to_string(content.nz) + " ",
              "dx=" + content.dx, "dy=" + content.dy, "dz=" + content.dz,
              "sectionfiles= " + std::to_string(content.sections.size()) + " ", " ", "[submodel]",
              layers, "", "[Sections]"});
    for (const auto& [file, color] : content.sections)
        text += crlf({"", "[section]", "sectionfile=" + file,
                      "sectioncolor= " + std::to_string(color) + " "});
    return text;
}

} // namespace vardex::testing
