#pragma once
// The profile file of a sub-model: one reader shared by every window that reads profiles (each
// with its own choices) and the writer.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "submodel/Csubmodel.h"
#include "text/KeyReader.h"

namespace vardex {

// What the header of a profile holds: name, grid, section count and the layer table.
struct ProfileHeader {
    std::string name;
    std::int16_t nx = 0, ny = 0, nz = 0;
    float dx = 0, dy = 0, dz = 0;
    std::int16_t sectionCount = 0;
    std::vector<std::int16_t> layers; // layers[z - 1] is the section of vertical zone z
};

// Reads the keys of the header in their order (the name under nameKey: "modelname=" or "name="),
// then the layer row after the "[submodel]" heading. Throws ReadError when the file cannot be
// read that far.
ProfileHeader readProfileHeader(KeyReader& file, const std::string& nameKey);

// A record holding the header's name, grid, section count and layers, its file set to path.
std::shared_ptr<Csubmodel> submodelFromHeader(const ProfileHeader& header, const std::string& path);

// How a window reads the palette blocks of a profile.
struct ProfileSectionChoices {
    // The sub-model editor takes the two lines after "[section]" whatever their keys; the other
    // readers search for "file=" and "color=".
    bool takeNextLines = false;
    // The sub-model editor also mirrors the palette into the shared palette list.
    bool fillSharedPalette = false;
    std::string messageTitle = "Vardex";
};

// One profile read: the record (holding the header's values and, when asked, its palette), the
// header as read and the number of palette sections read.
struct ProfileRead {
    std::shared_ptr<Csubmodel> record;
    ProfileHeader header;
    int sectionsRead = 0;
};

// Reads a profile the way a window asks: the header under nameKey ("modelname=" for the editor
// and the model builder, "name=" for the execution set-up), the layers, and the palette when
// sections are given. The record is not added to any list. Throws ReadError when the file cannot
// be opened or ends before the layer row.
ProfileRead readProfile(AppState& app, const std::string& path, const std::string& nameKey,
                        const ProfileSectionChoices* sections);

// Reads up to the header's section count of "[section]" blocks after the "[Sections]" heading
// into the record's palette; each section file is read into a new section record, which becomes
// the application's section geometry. Stops at the end of the file. Returns the number of
// sections read.
int readProfileSections(AppState& app, KeyReader& file, Csubmodel& record,
                        const ProfileSectionChoices& choices);

// A new section record, numbered after the sections of the last sub-model of the list, made the
// application's section geometry.
std::shared_ptr<Cgeom> newSectionGeometry(AppState& app);

// What the sub-model editor writes.
struct ProfileWriteRequest {
    std::string path;
    std::string name; // the current sub-model name
    std::int16_t nx = 0, ny = 0, nz = 0;
    float dx = 0, dy = 0, dz = 0;
    int sectionChooserCount = 0;
    std::vector<std::int16_t> layers; // nz section numbers
    bool layersComplete = true;
    std::string messageTitle = "Sub-Model Geometry . . .";
};

// Writes the profile from the editor's values and palette. Entries without a section file are
// removed from the palette first. An empty palette ("Bad:  no sections in sub-model") or
// incomplete layers ("Cannot write a proper file for ") are reported but do not stop the write;
// an empty path writes nothing. Returns true when the file was written.
bool write_profile(AppState& app, const ProfileWriteRequest& request, KeyedList<Cgeom>& palette);

// Appends a sub-model to the shared sub-model list under its name. A second sub-model of the same
// name is appended as an entry of its own (two types may share a profile); lookups by name find
// the first.
void appendSubmodel(AppState& app, std::shared_ptr<Csubmodel> submodel);

} // namespace vardex
