// A materials file, read by the section geometry and by the materials editor.

#include "FuzzSupport.h"
#include "materials/MaterialsEditorList.h"
#include "section/Cgeom.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vardex;
    const std::string path = fuzz::writeInput(data, size, "input.mts");
    fuzz::FuzzApp f;
    Cgeom geometry(f.app);
    geometry.read_Matfile(path);
    MaterialsEditorList list;
    read_MaterialList(f.app, list, path);
    return 0;
}
