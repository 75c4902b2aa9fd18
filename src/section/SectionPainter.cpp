#include "section/SectionPainter.h"

#include <cmath>
#include <limits>

#include "app/AppState.h"
#include "section/Composites.h"
#include "section/PainterState.h"
#include "section/PainterView.h"
#include "section/SectionEditorState.h"
#include "section/ZoneCoverage.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"

namespace vardex {
namespace {

constexpr const char* kMessageTitle = "Section Page . . .";
constexpr const char* kXOriginPrompt =
    "FILL CENTER: Enter the X-origin coodinate ( -1 indicates a concentric cylinder)";
constexpr const char* kYOriginPrompt = "FILL CENTER: Enter the Y-origin coodinate";

} // namespace

SectionPainter::SectionPainter(AppState& app, SectionEditorState& section, PainterState& painter,
                               PainterView& view)
    : app_(app), section_(section), painter_(painter), view_(view) {}

float SectionPainter::width() const {
    return static_cast<float>(section_.nx) * section_.dx;
}

float SectionPainter::height() const {
    return static_cast<float>(section_.ny) * section_.dy;
}

void SectionPainter::sectionFill() {
    for (int j = 1; j <= section_.ny; ++j)
        for (int i = 1; i <= section_.nx; ++i)
            section_.values.setValue(i, j, painter_.currentMaterial);
    painter_.x0 = painter_.y0 = painter_.radius = -1.0f;
    // Refilling a whole section loaded from a file is a change worth offering to save.
    section_.unsaved = true;
    view_.selectPointwiseFill();
    view_.showObjectFills();
    view_.redrawGrid();
}

void SectionPainter::rectangularFill() {
    promptBox();
    finishFill();
}

void SectionPainter::cylindricalFill() {
    painter_.cylindricalFillDown = true;
    promptCylinder();
    finishFill();
}

void SectionPainter::finishFill() {
    painter_.cylindricalFillDown = false;
    view_.selectPointwiseFill();
    view_.redrawGrid();
}

std::optional<float> SectionPainter::askNumber(const std::string& prompt, float defaultValue) {
    const std::string defaultText = plainDigits(defaultValue);
    const std::string answer = app_.dialogs.input(prompt, section_.sectionName, defaultText);
    // A number too large for the 32-bit field is no answer either.
    std::optional<double> value = numericValue(answer);
    if (!value || std::fabs(*value) > std::numeric_limits<float>::max()) return std::nullopt;
    // Seven digits do not always read back as the same 32-bit value; a default accepted as shown
    // keeps its own, so a box of the section's size never sticks out of the section.
    if (answer == defaultText) return defaultValue;
    return static_cast<float>(*value);
}

bool SectionPainter::askCentre() {
    std::optional<float> x = askNumber(kXOriginPrompt, painter_.x0);
    if (!x) return false;
    if (*x < 0.0f) return true; // the section centre, already the default
    painter_.x0 = *x;
    std::optional<float> y = askNumber(kYOriginPrompt, painter_.y0);
    if (!y) return false;
    painter_.y0 = *y;
    return true;
}

void SectionPainter::promptBox() {
    painter_.x0 = width() / 2.0f;
    painter_.y0 = height() / 2.0f;
    if (!askCentre()) return;
    std::optional<float> xLength = askNumber("Fill: Enter Box X-Length", width());
    if (!xLength) return;
    std::optional<float> yLength = askNumber("Fill: Enter Box Y-Length", height());
    if (!yLength) return;
    const float hx = *xLength / 2.0f;
    const float hy = *yLength / 2.0f;
    if (hx <= width() / 2.0f && hy <= height() / 2.0f)
        boxFill(hx, hy);
    else
        app_.dialogs.inform("Length is too large", kMessageTitle);
}

void SectionPainter::boxFill(float hx, float hy) {
    const FillBox box{painter_.x0 - hx, painter_.x0 + hx, painter_.y0 - hy, painter_.y0 + hy};
    if (box.x1 < 0.0f || box.y1 < 0.0f || box.x2 > width() || box.y2 > height()) {
        app_.dialogs.inform("Box extends past section domain");
        return;
    }
    // A box without area covers nothing, though the edge shares would give its zones a part.
    if (!(hx > 0.0f && hy > 0.0f)) return;
    for (int i = 1; i <= section_.nx; ++i)
        for (int j = 1; j <= section_.ny; ++j)
            if (std::optional<float> f = boxCoverage(box, i, j, section_.dx, section_.dy))
                applyZoneRule(app_.dialogs, section_, painter_.currentMaterial, i, j, *f);
    section_.unsaved = true;
}

void SectionPainter::promptCylinder() {
    painter_.x0 = width() / 2.0f;
    painter_.y0 = height() / 2.0f;
    painter_.radius = 0.0f;
    if (!askCentre()) return;
    std::optional<float> R = askNumber("FILL BODY RADIUS: Enter a cylindrical radius", 0.0f);
    if (!R) return;
    painter_.radius = *R;
    if (*R <= width() / 2.0f && *R <= height() / 2.0f)
        cylinderFill(*R);
    else
        app_.dialogs.inform(plainDigits(*R) + " is too large", kMessageTitle);
}

void SectionPainter::cylinderFill(float R) {
    const std::int16_t a = painter_.currentMaterial;
    bool changed = false;
    for (int i = 1; i <= section_.nx; ++i) {
        for (int j = 1; j <= section_.ny; ++j) {
            const std::int16_t before = section_.values.value(i, j);
            if (before == 0) {
                app_.dialogs.inform(" Please fill the section before excising/filling a cylinder",
                                    kMessageTitle);
                painter_.cylindricalFillDown = false;
                // The zones painted so far stay painted and must not be lost unsaved.
                if (changed) section_.unsaved = true;
                return;
            }
            const Radii r = get_radii(painter_.x0, painter_.y0, i, j, section_.dx, section_.dy);
            if (R <= r.rmin) continue;
            if (R >= r.rmax)
                section_.values.setValue(i, j, a);
            else
                applyZoneRule(app_.dialogs, section_, a, i, j, cylinderCoverage(R, r, section_.dx));
            changed = changed || section_.values.value(i, j) != before;
        }
    }
    section_.unsaved = true;
}

} // namespace vardex
