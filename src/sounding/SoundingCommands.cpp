#include "sounding/SoundingCommands.h"

#include "app/Filters.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"

namespace vardex {
namespace {

constexpr const char* kRunTitle = "Run / View  Model";

} // namespace

void SoundingCommands::acquireSounding() {
    FileDialogRequest request;
    request.filter = filters::kSounding;
    request.fileName = app_.soundingFileName;
    request.initialDir = app_.soundingFileName.empty() ? app_.config.DataDir : std::string();
    const std::string path = app_.dialogs.openFile(request);
    if (path.empty()) return;
    app_.soundingFileName = path;
    auto sounding = std::make_shared<Csounding>(app_.dialogs);
    const std::string results = app_.fs.join(app_.config.OutputDir, kSoundingResultsName);
    if (sounding->read_sounding(path, results) == SoundingRead::Read) sounding_ = sounding;
}

void SoundingCommands::testRotations() {
    auto datum = std::make_shared<CsdgDatum>();
    auto ask = [&](const char* prompt) {
        return typedNumber(app_.dialogs.input(prompt, kDefaultTitle, "0"));
    };
    datum->dTemp1 = ask("enter temp at ( 0 , 0 ):");
    datum->dTemp2 = ask("enter temp at ( 0 , 1 ):");
    datum->dTemp3 = ask("enter temp at ( 1 , 1 ):");
    datum->dTemp4 = ask("enter temp at ( 1 , 0 ):");
    app_.dialogs.inform(std::string("matrix:") + kNewLine + strForm(datum->dTemp1) + "  " +
                            strForm(datum->dTemp2) + kNewLine + strForm(datum->dTemp4) + "  " +
                            strForm(datum->dTemp3),
                        kRunTitle);
    datum->getRotation();
    datum->show_drtemp(app_.dialogs);
    testDatum_ = datum;
}

void SoundingCommands::displaySounding() {
    if (openDisplay) openDisplay(sounding_.get());
}

} // namespace vardex
