#include "run/frmRecs.h"

#include <stdexcept>

#include "text/NumberText.h"
#include "text/PrintForm.h"

namespace vardex {

frmRecs::frmRecs(AppState& app, RecordingPoints& points) : app_(app), rec_(points) {}

void frmRecs::changed() {
    if (onChanged) onChanged();
}

void frmRecs::load() {
    busy_ = true;
    // A point with a zero or negative coordinate is dropped (here and in the run).
    std::erase_if(rec_.points, [](const RecordingPoint& p) {
        return static_cast<double>(p.xyz[0]) * p.xyz[1] * p.xyz[2] <= 0;
    });
    listPoints();
    busy_ = false;
    changed();
}

void frmRecs::listPoints() {
    // The program's units decide; the set-up keeps which were used.
    rec_.usUnits = app_.units.us();
    state_.chkUS = rec_.usUnits;
    state_.Label2 = rec_.usUnits ? recsCaptions::kFeet : recsCaptions::kMetres;
    state_.Combo1 = {};
    const float factor = rec_.usUnits ? static_cast<float>(kMetresPerFoot) : 1.0f;
    for (const RecordingPoint& p : rec_.points) {
        const float x = p.xyz[0] / factor, y = p.xyz[1] / factor, z = p.xyz[2] / factor;
        state_.Combo1.items.push_back(strForm(z) + "=Z, " + strForm(x) + " " + strForm(y));
    }
    state_.deleteEnabled = !rec_.points.empty();
}

void frmRecs::setText(int box, const std::string& text) {
    if (box < 0 || box > 2) throw std::out_of_range("Subscript out of range");
    state_.Text1[box] = text;
    changed();
}

void frmRecs::selectPoint(int listIndex) {
    if (busy_) return;
    if (listIndex >= -1 && listIndex < static_cast<int>(state_.Combo1.items.size()))
        state_.Combo1.listIndex = listIndex;
    changed();
}

void frmRecs::createPoint() {
    if (busy_) return;
    for (const std::string& text : state_.Text1)
        if (!isTypedNumber(text)) return;
    if (rec_.count() >= kMaxRecordingPoints) {
        app_.dialogs.inform("At most 16 recording points can be stored; delete one first.");
        return;
    }
    std::array<float, 3> typed{};
    for (int a = 0; a < 3; ++a) typed[a] = static_cast<float>(typedNumber(state_.Text1[a]));
    // Points are kept in metres; only what is typed in feet is converted, once.
    RecordingPoint p;
    for (int a = 0; a < 3; ++a)
        p.xyz[a] = rec_.usUnits ? static_cast<float>(typed[a] * kMetresPerFoot) : typed[a];
    rec_.points.push_back(p);
    state_.Combo1.items.push_back(strForm(typed[2]) + " = Z,  " + " " + strForm(typed[0]) + " " +
                                  strForm(typed[1]));
    state_.deleteEnabled = true;
    changed();
}

void frmRecs::deletePoint() {
    if (busy_) return;
    const int selected = state_.Combo1.listIndex;
    if (selected < 0 || selected >= rec_.count()) return;
    rec_.points.erase(rec_.points.begin() + selected);
    state_.Combo1.items.erase(state_.Combo1.items.begin() + selected);
    state_.Combo1.listIndex = -1;
    state_.deleteEnabled = !rec_.points.empty();
    changed();
}

void frmRecs::toggleUnits() {
    if (busy_) return;
    // The one units setting of the program: every window follows, and the list is shown again.
    app_.units.set(app_.units.us() ? UnitSystem::SI : UnitSystem::US);
    listPoints();
    changed();
}

void frmRecs::close() {
    // The US flag stays with the execution window; the points are already in metres.
    state_.closed = true;
    changed();
}

} // namespace vardex
