#include "submodel/ProfileFile.h"

#include "app/text/NumberText.h"

namespace vardex {

ProfileHeader readProfileHeader(KeyReader& file, const std::string& nameKey) {
    ProfileHeader h;
    h.name = file.getkeystring(nameKey);
    h.nx = toInt16(file.getkeyvalue("nx="));
    h.ny = toInt16(file.getkeyvalue("ny="));
    h.nz = toInt16(file.getkeyvalue("nz="));
    h.dx = static_cast<float>(file.getkeyvalue("dx="));
    h.dy = static_cast<float>(file.getkeyvalue("dy="));
    h.dz = static_cast<float>(file.getkeyvalue("dz="));
    h.sectionCount = toInt16(file.getkeyvalue("files="));
    file.findline("submodel");
    if (h.nz > kMaxLayers) throw ReadError("more layers than a sub-model holds");
    std::vector<double> row;
    if (h.nz > 0) file.getrow(h.nz, row);
    for (int z = 1; z <= h.nz; ++z) h.layers.push_back(toInt16(row[z]));
    return h;
}

std::shared_ptr<Csubmodel> submodelFromHeader(const ProfileHeader& header,
                                              const std::string& path) {
    auto record = std::make_shared<Csubmodel>();
    record->smodfile = path;
    record->smodname = header.name;
    record->nx = header.nx;
    record->ny = header.ny;
    record->nz = header.nz;
    record->dx = header.dx;
    record->dy = header.dy;
    record->dz = header.dz;
    record->scount = header.sectionCount;
    for (int z = 1; z <= static_cast<int>(header.layers.size()); ++z)
        record->L_secnumber(z, header.layers[z - 1]);
    return record;
}

void appendSubmodel(AppState& app, std::shared_ptr<Csubmodel> submodel) {
    std::string key = submodel->smodname;
    if (app.submodelList.containsKey(key)) key.clear();
    app.submodelList.add(std::move(submodel), key);
}

} // namespace vardex
