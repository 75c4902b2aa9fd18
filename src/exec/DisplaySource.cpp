#include "exec/DisplaySource.h"

#include "submodel/Csubmodel.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"

namespace vardex {

DisplaySource modelDisplaySource(const AppState& app, const std::string& viewMode,
                                 const std::string& modelfile, const std::string& runName,
                                 const std::vector<std::int16_t>& chunkTypes) {
    DisplaySource source;
    source.viewMode = viewMode;
    source.fileName = modelfile;
    double base = 0;
    for (std::size_t k = 1; k <= chunkTypes.size(); ++k) {
        DisplayChunk chunk;
        chunk.outputFile =
            app.fs.absolutePath(trim(runName) + "." + plainDigits(static_cast<int>(k)));
        const int type = chunkTypes[k - 1];
        if (type >= 1 && type <= app.submodelList.count()) {
            const Csubmodel& s = *app.submodelList.item(type);
            chunk.nx = s.nx;
            chunk.ny = s.ny;
            chunk.nz = s.nz;
            chunk.dx = s.dx;
            chunk.dy = s.dy;
            chunk.dz = s.dz;
            chunk.z0 = base;
            base += s.length();
        }
        source.chunks.push_back(chunk);
    }
    return source;
}

} // namespace vardex
