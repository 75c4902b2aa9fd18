// The model file: reading a model into the builder, reading a sub-model type's profile, and
// writing the model.

#include <cmath>

#include "model/ModelBuilder.h"
#include "submodel/ProfileFile.h"
#include "text/KeyReader.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"
#include "text/TextFileWriter.h"

namespace vardex {
namespace {

// A chunk centred outside the slots.
struct Blowup {};

} // namespace

void ModelBuilder::fail(const std::string& path) {
    app_.dialogs.inform("a bad file to read" + std::string(kNewLine) + path, window_.messageTitle);
    showType(0);
}

bool ModelBuilder::read_modfile(const std::string& path) {
    try {
        KeyReader file(path);
        app_.model = Cmodel{};
        app_.selectedSubmodel = static_cast<std::int16_t>(app_.submodelList.count());
        app_.clearModelLists();
        window_.builderActive = true;
        model_.totalLength = 999;

        window_.modelName = file.getkeystring("name=");
        app_.model.modelName = window_.modelName;
        model_.typeCount = toInt16(file.getkeyvalue("submodelfiles="));
        app_.model.typeCount = model_.typeCount;
        model_.chunkCount = toInt16(file.getkeyvalue("submodels="));
        app_.model.chunkCount = model_.chunkCount;
        file.findline("[submodelprofiles]");
        if (model_.chunkCount < 1) {
            fail(path);
            return false;
        }
        if (model_.chunkCount > kMaxFileChunks || model_.typeCount > kMaxModelTypes ||
            model_.typeCount < 0)
            throw ReadError("beyond the model's limits");
        std::vector<double> row;
        file.getrow(model_.chunkCount, row);

        for (int k = 1; k <= model_.typeCount; ++k) {
            file.findline("model]");
            window_.cboprofilename.items.push_back(file.getkeystring("name="));
            app_.currentSubmodelFile = file.getkeystring("file=");
            model_.typeColors[k - 1] = toInt32(file.getkeyvalue("color="));
            // A type whose profile cannot be read leaves the model without it: the read fails.
            if (!read_profile(app_.currentSubmodelFile)) throw ReadError("profile");
            current_->color = model_.typeColors[k - 1];
            model_.typeLengths[k - 1] = current_->length();
            window_.txtZLayers = plainDigits(current_->nz);
        }

        float total = 0;
        std::vector<std::int16_t> chunkTypes;
        for (int c = 1; c <= model_.chunkCount; ++c) {
            std::int16_t type = toInt16(row[c]);
            if (type < 1 || type > model_.typeCount) throw ReadError("chunk type");
            chunkTypes.push_back(type);
            app_.chunkList.push_back(type);
            total += app_.submodelList.item(type)->length();
        }
        model_.totalLength = total;

        model_.emptySlots();
        float z = 0;
        for (std::int16_t type : chunkTypes) {
            const float length = model_.typeLengths[type - 1];
            const double centre = z + length / 2.0;
            const double slot = roundHalfEven(centre / model_.totalLength * 100);
            if (!(slot >= 1 && slot <= kChunkSlots)) throw Blowup{};
            model_.chunkSlots[static_cast<int>(slot)] = {type, z, z + length};
            z += length;
        }

        file.close();
        app_.selectedSubmodel = static_cast<std::int16_t>(window_.cboprofilename.items.size());
        app_.config.DataPath = app_.fs.absolutePath(path);
        app_.model.modelFileName = path;
        showType(0);
        drawModel();
        window_.saved = true;
        return true;
    } catch (const Blowup&) {
        app_.dialogs.inform("BLOWUP HERE", window_.messageTitle);
    } catch (const std::exception&) {
    }
    fail(path);
    return false;
}

bool ModelBuilder::read_profile(const std::string& path) {
    try {
        ProfileRead read = readProfile(app_, path, "modelname=", nullptr);
        const ProfileHeader& header = read.header;
        std::shared_ptr<Csubmodel> record = read.record;
        app_.currentSubmodelName = header.name;
        app_.lastSubmodelNx = header.nx;
        app_.lastSubmodelNy = header.ny;
        app_.lastSubmodelNz = header.nz;
        window_.builderActive = true;
        appendSubmodel(app_, record);
        current_ = record;
        app_.config.submodelfile = path;
        app_.config.UserDir = app_.fs.parentFolder(app_.fs.absolutePath(path));
        window_.saved = true;
        return true;
    } catch (const std::exception&) {
        app_.dialogs.inform("PROBLEM: submodel file=" + path, window_.messageTitle);
        return false;
    }
}

std::string ModelBuilder::unreadableModelProblem() const {
    if (app_.submodelList.count() != model_.typeCount)
        return "its sub-model types and their profiles do not match.";
    for (const auto& type : app_.submodelList)
        if (trim(type->smodfile).empty()) return "a sub-model type has no profile file.";
    if (model_.typeCount > kMaxModelTypes)
        return "it has more than " + plainDigits(kMaxModelTypes) + " sub-model types.";
    const int chunks = app_.model.chunkCount;
    if (chunks < 1) return "it has no chunks; place at least one chunk.";
    if (chunks > kMaxFileChunks)
        return "it has more than " + plainDigits(kMaxFileChunks) + " chunks.";
    if (chunks > static_cast<int>(app_.chunkList.size()))
        return "its chunk count is larger than its list of chunks.";
    for (int c = 0; c < chunks; ++c)
        if (app_.chunkList[c] < 1 || app_.chunkList[c] > model_.typeCount)
            return "a chunk is of a sub-model type that does not exist.";
    return {};
}

bool ModelBuilder::write_modfile(const std::string& path) {
    if (path.empty()) {
        app_.dialogs.inform("bad model file name", "Model");
        return false;
    }
    adjust();
    if (std::string problem = unreadableModelProblem(); !problem.empty()) {
        app_.dialogs.inform("The model was not written, because it could not be opened again:" +
                                std::string(kNewLine) + problem + kNewLine + path,
                            window_.messageTitle);
        return false;
    }
    try {
        std::vector<std::string> lines{
            PrintLine("model file=").zone(path).str(),
            PrintLine("Revised ").zone(currentDateTimeText()).str(),
            PrintLine("modelname=").zone(trim(window_.modelName)).str(),
            PrintLine("submodelfiles=").zoneValue(model_.typeCount).str(),
            PrintLine("submodels=").zoneValue(app_.model.chunkCount).str(),
            "[submodelprofiles]",
        };
        std::string row;
        for (int c = 1; c <= app_.model.chunkCount; ++c) {
            if (c > 1) row += ",";
            row += plainDigits(app_.chunkList.at(c - 1));
        }
        lines.push_back(row);
        int k = 0;
        for (const auto& type : app_.submodelList) {
            lines.push_back("[submodel]");
            lines.push_back(PrintLine("profilename=").zone(type->smodname).str());
            lines.push_back(PrintLine("profile=").zone(type->smodfile).str());
            lines.push_back(PrintLine("color=").zoneValue(model_.typeColors.at(k++)).str());
        }
        const Cmodel& m = app_.model;
        lines.push_back("[parameters]");
        lines.push_back(PrintLine("total time=").directValue(m.totalTime).str());
        lines.push_back(PrintLine("start time=").directValue(m.startTime).str());
        lines.push_back(PrintLine("Rparam_1=").directValue(m.Rparam_1).str());
        lines.push_back(PrintLine("Rparam_2=").directValue(m.Rparam_2).str());
        lines.push_back(PrintLine("Rparam_3=").directValue(m.Rparam_3).str());
        lines.push_back("[output]");
        lines.push_back("output= 0");
        lines.push_back("locus= ");
        writeLines(path, lines);
    } catch (const std::exception&) {
        app_.dialogs.inform("bad data to write" + std::string(kNewLine) + path,
                            window_.messageTitle);
        return false;
    }
    app_.model.modelFileName = path;
    showType(0);
    app_.config.DataPath = app_.fs.absolutePath(path);
    app_.config.UserDir = app_.fs.parentFolder(app_.config.DataPath);
    app_.config.write_startup();
    window_.saved = true;
    return true;
}

} // namespace vardex
