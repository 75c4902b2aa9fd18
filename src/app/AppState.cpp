#include "app/AppState.h"

#include "app/StartupCheck.h"

namespace vardex {

AppState::AppState(Dialogs& dialogs_, std::vector<std::string> homeCandidates)
    : dialogs(dialogs_), config(fs, dialogs_, std::move(homeCandidates)) {
    config.beforeWrite = [this] { startupCheck(); };
    config.modelFileName = [this] { return model.modelFileName; };
}

void AppState::clearSubmodelList() {
    submodelList.clear();
    selectedSubmodel = 0;
}

void AppState::clearPaletteList() {
    paletteList.clear();
    selectedSubmodel = 0;
}

void AppState::clearModelLists() {
    clearSubmodelList();
    clearChunkList();
}

void AppState::startupCheck() {
    vardex::startupCheck(config, fs, dialogs, &startupMessagesShown_);
}

} // namespace vardex
