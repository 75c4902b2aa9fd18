#include "app/Help.h"

#include "text/Version.h"

namespace vardex {

MenuState helpMenu() {
    return {
        "mnuHelp", "&Help", true, {{"mnuUserGuide", "&User Guide"}, {"mnuAbout", "&About Vardex"}}};
}

std::string aboutText() {
    return std::string("Vardex ") + kVersion +
           "\n\nThermal models of self-heating concrete: materials, sections, sub-models and "
           "integrated models, runs of the heat-conduction solver zolter, the temperatures and "
           "thermal limits that come out, and field soundings.\n\n"
           "Copyright the Vardex developers.\nLicence: All rights reserved.";
}

} // namespace vardex
