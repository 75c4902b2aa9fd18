// A profile file, read the ways the windows read it: the sub-model editor (the two lines after
// each "[section]", the shared palette), the model builder (header only) and the execution
// set-up (keys "file=" and "color=").

#include <exception>

#include "FuzzSupport.h"
#include "submodel/ProfileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vardex;
    const std::string path = fuzz::writeInput(data, size, "input.prf");
    fuzz::FuzzApp f;
    ProfileSectionChoices editor;
    editor.takeNextLines = true;
    editor.fillSharedPalette = true;
    ProfileSectionChoices execution;
    // Each window catches the reader's failures in one place; so does this.
    try {
        ProfileRead read = readProfile(f.app, path, "modelname=", &editor);
        appendSubmodel(f.app, read.record);
    } catch (const std::exception&) {
    }
    try {
        readProfile(f.app, path, "modelname=", nullptr);
    } catch (const std::exception&) {
    }
    try {
        readProfile(f.app, path, "name=", &execution);
    } catch (const std::exception&) {
    }
    return 0;
}
