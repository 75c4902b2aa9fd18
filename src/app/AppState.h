#pragma once
// The application state: the shared objects and lists every window reaches, alive from start-up
// to exit. One instance, passed by reference.

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/Cmodel.h"
#include "app/Cstartup.h"
#include "app/DisplayUnits.h"
#include "app/KeyedList.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"

namespace vardex {

class Csubmodel;
class Cgeom;

class AppState {
  public:
    // Creation order: file-system service, configuration (which reads its file and may ask to
    // create folders), then the shared lists.
    AppState(Dialogs& dialogs, std::vector<std::string> homeCandidates);
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    static constexpr std::int16_t kCompositeOffset = 30;
    static constexpr char kQuote = '"';

    Dialogs& dialogs;
    FileSystem fs;
    Cstartup config;
    DisplayUnits units; // SI or US in every window; the main window keeps it between starts

    KeyedList<Csubmodel> submodelList;
    KeyedList<Cgeom> paletteList;
    std::vector<std::int16_t> chunkList; // the sub-model type of each chunk, from the base upward
    Cmodel model;
    std::shared_ptr<Cgeom> sectionGeometry; // the section record being loaded or edited

    std::int16_t selectedSubmodel = 0;
    std::string currentMaterialsFile; // the materials file the editors work with
    std::string currentSectionFile;
    std::string currentSubmodelFile;
    std::string currentSubmodelName;
    std::int16_t lastSubmodelNx = 0;
    std::int16_t lastSubmodelNy = 0;
    std::int16_t lastSubmodelNz = 0;
    std::string soundingFileName;
    std::string runMarker = " ";

    void clearChunkList() { chunkList.clear(); }
    void clearSubmodelList();
    void clearPaletteList();
    // Sub-model list and chunk list. (Composites belong to each section, not to the model.)
    void clearModelLists();

    // The start-up check over this state's configuration; each of its messages is shown once
    // per start.
    void startupCheck();

  private:
    std::set<std::string> startupMessagesShown_;
};

} // namespace vardex
