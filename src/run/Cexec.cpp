#include "run/Cexec.h"

#include <stdexcept>

#include "text/KeyReader.h"
#include "text/NumberText.h"

namespace vardex {
namespace {

void checkRange(int value, int low, int high) {
    if (value < low || value > high) throw std::out_of_range("Subscript out of range");
}

// A key the run file must hold was not found.
struct MissingKey {
    std::string key;
};

} // namespace

Cexec::Cexec(AppState& app) : app_(app) {
    app_.clearSubmodelList();
    concentric = true;
    app_.runMarker = " ";
    runName = "Hestorm";
    init_exec();
}

void Cexec::init_exec() {
    starttime = 0.0;
    Txflag = false;
    flagBndy = false;
    endtime = 96.0;
    dtmax = 3.0;
    errmax = 0.003;
    itmax = 23;
    alpha = 0.63f;
    faceFlags_.fill("I");
}

void Cexec::read_exec() {
    try {
        KeyReader file(execfile);
        auto text = [&](const char* key) {
            std::string value = file.getkeystring(key);
            if (!file.isOpen() && value == kEofText) throw MissingKey{key};
            return value;
        };
        auto number = [&](const char* key) { return leadingNumber(text(key)); };

        modelfile = text("odelfile=");
        starttime = number("starttime=");
        endtime = number("ndtime=");
        alpha = toFloat32(number("alpha="));
        dtmax = number("dtmax=");
        errmax = number("errmax=");
        itmax = toInt16(number("itmax="));
        std::string faces = text("ound=");
        for (int f = 0; f < kFaces; ++f)
            faceFlags_[f] = f < static_cast<int>(faces.size()) ? faces.substr(f, 1) : " ";
        if (file.findline("ource]") == kEofText) throw MissingKey{"ource]"};
        if (file.findline("series]") == kEofText) throw MissingKey{"series]"};
        numTS = toInt32(number("series="));
        clear_Boundx();
        for (int i = 1; i <= numTS; ++i) {
            Bndy = std::make_shared<CBoundarytype>();
            Bndy->bndyTSfile = text("file=");
            Bndy->read_bndyTS(app_, starttime, endtime);
            Boundx.push_back(Bndy);
        }
    } catch (const MissingKey& missing) {
        app_.dialogs.inform("The run file has no \"" + missing.key + "\" where it was expected:" +
                            kNewLine + execfile + kNewLine + "Reading stopped there.");
    } catch (const std::exception&) {
        app_.dialogs.inform("bad run file to read: " + execfile);
    }
}

void Cexec::putBounds(int chunk) {
    checkRange(chunk, 1, kMaxRunChunks);
    faceFlags_ = chunkFaces_[chunk - 1];
}

void Cexec::LbndyTSfile(int i, const std::string& file) {
    checkRange(i, 1, 5);
    boundaryFiles_[i - 1] = file;
}

const std::string& Cexec::bndyTSfile(int i) const {
    checkRange(i, 1, 5);
    return boundaryFiles_[i - 1];
}

float Cexec::g_SourceP(int i) const {
    checkRange(i, 1, 3);
    return sourceParams_[i - 1];
}

void Cexec::l_SourceP(int i, float value) {
    checkRange(i, 1, 3);
    sourceParams_[i - 1] = value;
}

std::int16_t Cexec::getRecLocus(int point, int axis) const {
    checkRange(point, 1, 50);
    checkRange(axis, 1, 3);
    return recordingLoci_[point - 1][axis - 1];
}

void Cexec::letRecLocus(int point, int axis, std::int16_t value) {
    checkRange(point, 1, 50);
    checkRange(axis, 1, 3);
    recordingLoci_[point - 1][axis - 1] = value;
}

const std::string& Cexec::faceFlag(int face) const {
    checkRange(face, 1, kFaces);
    return faceFlags_[face - 1];
}

void Cexec::setFaceFlag(int face, const std::string& letter) {
    checkRange(face, 1, kFaces);
    faceFlags_[face - 1] = letter;
}

const std::string& Cexec::chunkFace(int chunk, int face) const {
    checkRange(chunk, 1, kMaxRunChunks);
    checkRange(face, 1, kFaces);
    return chunkFaces_[chunk - 1][face - 1];
}

void Cexec::setChunkFace(int chunk, int face, const std::string& letter) {
    checkRange(chunk, 1, kMaxRunChunks);
    checkRange(face, 1, kFaces);
    chunkFaces_[chunk - 1][face - 1] = letter;
}

} // namespace vardex
