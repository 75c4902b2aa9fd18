#include "exec/frmTemp.h"

#include <algorithm>
#include <cmath>

#include "app/Filters.h"
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
              {"mnuSI", "&SI", true, true, "", true},
              {"mnuUS", "&US", true, true, "", true},
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
    unitsSubscription_ = app_.units.subscribe([this] { unitsChanged(); });
    unitsChanged();
}

frmTemp::~frmTemp() {
    app_.units.unsubscribe(unitsSubscription_);
}

void frmTemp::unitsChanged() {
    state_.menus[0].item("mnuSI")->checked = !app_.units.us();
    state_.menus[0].item("mnuUS")->checked = app_.units.us();
    state_.status.clear();
    if (shown_ >= 0) drawScale(sections_[shown_]);
    if (hasTrace_) drawTrace();
    changed();
}

void frmTemp::mnuSI() {
    app_.units.set(UnitSystem::SI);
}

void frmTemp::mnuUS() {
    app_.units.set(UnitSystem::US);
}

ScaleChoice frmTemp::choice() const {
    return state_.cboScale.listIndex == 1 ? ScaleChoice::Specified : ScaleChoice::FullRange;
}

void frmTemp::makeScale(CrossSection& s) const {
    s.scale = choice() == ScaleChoice::Specified ? makeColourScale(s.field, kColourClasses)
                                                 : makeFullRangeScale(s.field, kColourClasses);
}

void frmTemp::cboScale_Click(int index) {
    if (index < 0 || index > 1) return;
    state_.cboScale.listIndex = index;
    for (CrossSection& s : sections_) makeScale(s);
    if (shown_ >= 0) show(shown_);
    changed();
}

void frmTemp::drawTrace() {
    picture_.clear(kWhite);
    drawSoundingTrace(trace_, picture_, app_.units);
}

void frmTemp::hover(double x, double y) {
    state_.status.clear();
    if (shown_ >= 0) {
        const CrossSection& s = sections_[shown_];
        // Cell (i, j) covers i - 1..i and j - 1..j of the picture's scale.
        const int i = static_cast<int>(std::floor(x)) + 1;
        const int j = static_cast<int>(std::floor(y)) + 1;
        if (i >= 1 && i <= s.nx && j >= 1 && j <= s.ny) {
            const DisplayUnits& u = app_.units;
            const int k = s.layer;
            state_.status = u.temperatureText(s.field.at(i, j, k)) + " " + u.temperatureUnit() +
                            "  at cell (" + plainDigits(i) + ", " + plainDigits(j) + ", " +
                            plainDigits(k) + ")  x = " + u.lengthText((i - 0.5) * s.dx) +
                            ", y = " + u.lengthText((j - 0.5) * s.dy) +
                            ", z = " + u.lengthText(s.z0 + (k - 0.5) * s.dz) + " " + u.lengthUnit();
        }
    }
    changed();
}

void frmTemp::leave() {
    state_.status.clear();
    changed();
}

void frmTemp::wheel(int notches) {
    if (shown_ < 0) return;
    const CrossSection& s = sections_[shown_];
    VScroll1_Change(std::clamp(s.layer - notches, 1, static_cast<int>(s.nz)));
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
        // The trace is kept, so the display outlives the sounding it was opened with.
        if (source_.sounding) trace_ = tracePoints(*source_.sounding);
        source_.sounding = nullptr;
        hasTrace_ = true;
        drawTrace();
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
        chunk = {s.outputFile, s.nx, s.ny, s.nz, s.dx, s.dy, s.dz, s.z0};
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
    s.z0 = chunk.z0;
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
    makeScale(s);
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
    state_.legend = makeLegend(s.scale, choice(), s.field, app_.units);
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
