#include "support/ModelTypes.h"

#include "section/Cgeom.h"
#include "submodel/ProfileFile.h"

namespace vardex::testing {

std::shared_ptr<Csubmodel> addType(AppState& app, const std::string& folder, const TypeContent& content) {
    auto type = std::make_shared<Csubmodel>();
    type->smodname = content.name;
    type->smodfile = app.fs.join(folder, content.name + ".prf");
    const SectionContent& first = content.sections.front();
    type->nx = static_cast<std::int16_t>(first.nx);
    type->ny = static_cast<std::int16_t>(first.ny);
    type->nz = static_cast<std::int16_t>(content.nz);
    type->dx = first.dx;
    type->dy = first.dy;
    type->dz = content.dz;
    for (int z = 1; z <= content.nz; ++z)
        type->L_secnumber(z, static_cast<std::int16_t>(content.layers.at(z - 1)));
    int n = 0;
    for (const SectionContent& section : content.sections) {
        std::string path = app.fs.join(folder, content.name + "." + std::to_string(++n) + ".sec");
        writeSectionFile(app, path, section);
        auto geometry = std::make_shared<Cgeom>(app);
        geometry->read_secfile(path);
        type->palette.add(geometry);
    }
    type->scount = static_cast<std::int16_t>(type->palette.count());
    appendSubmodel(app, type);
    return type;
}

} // namespace vardex::testing
