#include "exec/frmTemp.h"

#include "app/Filters.h"
#include "sounding/SoundingTrace.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"

namespace vardex {
namespace {

constexpr int kMaxCells = 80;

std::vector<MenuState> tempMenus() {
    return {{"mnudisplay",
             "&Display",
             true,
             {{"mnuUnits", "&Units"},
              {"mnuSI", "&SI"},
              {"mnuUS", "&US"},
              {"mnuCross", "&Cross Section"}}}};
}

std::int16_t askGrid(Dialogs& dialogs, const char* prompt) {
    return toInt16(typedNumber(dialogs.input(prompt, kTempTitle, "")));
}

} // namespace

frmTemp::frmTemp(AppState& app, Dialogs& dialogs, Canvas& picture, Canvas& scale,
                 DisplaySource source)
    : app_(app), dialogs_(dialogs), picture_(picture), scale_(scale), source_(std::move(source)) {
    state_.menus = tempMenus();
}

void frmTemp::changed() {
    if (onChange) onChange();
}

const CrossSection* frmTemp::shown() const {
    return shown_ < 0 ? nullptr : &sections_[shown_];
}

void frmTemp::load() {
    if (source_.viewMode == "model") {
        state_.Text1 = app_.fs.baseName(source_.fileName);
        for (const DisplayChunk& chunk : source_.chunks) {
            grid_ = chunk;
            if (!crossSection(chunk)) break;
            state_.cboChunk.items.push_back("Chunk " +
                                            plainDigits(static_cast<int>(sections_.size())));
            state_.cboChunk.listIndex = static_cast<int>(sections_.size()) - 1;
        }
    } else if (source_.viewMode == "sounding") {
        picture_.clear(kWhite);
        if (source_.sounding) drawSoundingTrace(*source_.sounding, picture_);
    }
    changed();
}

void frmTemp::mnuCross() {
    // In the model display the execution control names the file of the chunk shown, and the
    // chunk is read again in its place; otherwise a file is asked for and replaces what is shown.
    const int replacing = source_.viewMode == "model" ? shown_ : -1;
    DisplayChunk chunk = grid_;
    if (replacing >= 0) {
        const CrossSection& s = sections_[replacing];
        chunk = {s.outputFile, s.nx, s.ny, s.nz, s.dx, s.dy, s.dz};
    } else {
        chunk.outputFile.clear();
    }
    if (crossSection(chunk)) {
        if (replacing >= 0) {
            sections_[replacing] = std::move(sections_.back());
            sections_.pop_back();
            shown_ = replacing;
        } else {
            sections_.erase(sections_.begin(), sections_.end() - 1);
            shown_ = 0;
        }
    }
    changed();
}

bool frmTemp::crossSection(const DisplayChunk& chunk) {
    CrossSection s;
    s.outputFile = chunk.outputFile;
    if (s.outputFile.empty()) {
        FileDialogRequest request;
        request.filter = filters::kOutput;
        request.title = kTempTitle;
        s.outputFile = dialogs_.openFile(request);
        if (s.outputFile.empty()) {
            state_.closed = true;
            return false;
        }
    }
    s.nx = chunk.nx;
    s.ny = chunk.ny;
    s.nz = chunk.nz;
    s.dx = chunk.dx;
    s.dy = chunk.dy;
    s.dz = chunk.dz;
    try {
        if (s.nx * s.ny < 2) {
            s.nx = askGrid(dialogs_, "NX=");
            s.ny = askGrid(dialogs_, "NY=");
            s.nz = askGrid(dialogs_, "NZ=");
        }
        if (s.nx < 1 || s.ny < 1 || s.nz < 1 || s.nx > kMaxCells || s.ny > kMaxCells ||
            s.nz > kMaxCells)
            throw ReadError("The grid must hold 1 to 80 cells along each axis.");
        s.field = readTemperatureField(s.outputFile, s.nx, s.ny, s.nz);
    } catch (const ReadError& e) {
        dialogs_.inform("Cannot show " + s.outputFile + kNewLine + e.what(), kTempTitle);
        return false;
    }
    grid_.nx = s.nx;
    grid_.ny = s.ny;
    grid_.nz = s.nz;
    // Cell sizes the grid did not give are taken as equal, so the aspect stays defined.
    const double dx = s.dx > 0 ? s.dx : 1.0;
    const double dy = s.dy > 0 ? s.dy : 1.0;
    s.aspect = s.nx * dx / s.ny / dy;
    s.scale = makeColourScale(s.field, kColourClasses);
    s.cellColours.assign(s.field.values().size(), 0);
    s.layer = (s.nz + 1) / 2;
    sections_.push_back(std::move(s));
    show(static_cast<int>(sections_.size()) - 1);
    return true;
}

void frmTemp::show(int index) {
    shown_ = index;
    CrossSection& s = sections_[index];
    state_.aspect = s.aspect;
    state_.txtnx = plainDigits(static_cast<int>(s.nx));
    state_.txtny = plainDigits(static_cast<int>(s.ny));
    state_.txtnz = plainDigits(static_cast<int>(s.nz));
    drawScale(s);
    state_.VScroll1 = {1, s.nz, 1, 5, s.layer, true};
    drawLayer(s, s.layer);
}

void frmTemp::drawScale(const CrossSection& s) {
    const int n = s.scale.classes();
    scale_.setScale(0, n + 1, 1, 1); // class 1 at the bottom
    scale_.clear(kScaleBackground);
    for (int i = 1; i <= n; ++i) scale_.filledBox(0, i, 1, i + 1, s.scale.colours[i - 1]);
    state_.Label2 = strForm(s.scale.levels.front());
    state_.Label3 = strForm(s.scale.levels.back());
}

void frmTemp::drawLayer(CrossSection& s, int k) {
    s.layer = k;
    picture_.setScale(0, 0, s.nx, s.ny);
    picture_.clear(kWhite);
    std::vector<std::int32_t> layer;
    layer.reserve(static_cast<std::size_t>(s.nx) * s.ny);
    const std::size_t base = static_cast<std::size_t>(k - 1) * s.nx * s.ny;
    for (int y = 1; y <= s.ny; ++y)
        for (int x = 1; x <= s.nx; ++x) {
            const std::int32_t colour = s.scale.colourOf(s.field.at(x, y, k));
            s.cellColours[base + static_cast<std::size_t>(y - 1) * s.nx + (x - 1)] = colour;
            layer.push_back(colour);
        }
    // Cell (x, y) covers x - 1..x and y - 1..y, so the whole grid fills the picture.
    picture_.cellGrid(0, 0, 1, 1, s.nx, s.ny, layer);
    state_.txtLayer = plainDigits(k);
}

void frmTemp::VScroll1_Change(int value) {
    if (shown_ < 0) return;
    CrossSection& s = sections_[shown_];
    if (value < 1 || value > s.nz) return;
    state_.VScroll1.value = value;
    drawLayer(s, value);
    changed();
}

void frmTemp::cboChunk_Click(int index) {
    if (source_.viewMode != "model" || index < 0 || index >= static_cast<int>(sections_.size()))
        return;
    state_.cboChunk.listIndex = index;
    show(index);
    changed();
}

} // namespace vardex
