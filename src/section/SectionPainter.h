#pragma once
// The section, rectangular and cylindrical fills of the section editor, with their prompts. Each
// paints the current material over the section being edited and ends by selecting the point-wise
// fill and redrawing the grid.

#include <cstdint>
#include <optional>
#include <string>

namespace vardex {

class AppState;
class PainterView;
struct PainterState;
struct SectionEditorState;

class SectionPainter {
  public:
    SectionPainter(AppState& app, SectionEditorState& section, PainterState& painter,
                   PainterView& view);

    // Every zone takes the current material; the object fills become available.
    void sectionFill();
    // Asks the centre (a negative x means the section centre) and the box lengths, then fills.
    void rectangularFill();
    // Asks the centre (a negative x means the section centre) and the radius, then fills.
    void cylindricalFill();

    // The box of half-lengths hx, hy around the fill centre; it must lie within the section.
    void boxFill(float hx, float hy);
    // The circle of radius R around the fill centre; every zone must be filled.
    void cylinderFill(float R);

  private:
    // A numeric answer, or nothing when the answer is not a number.
    std::optional<float> askNumber(const std::string& prompt, float defaultValue);
    // False when an answer is not a number.
    bool askCentre();
    void promptBox();
    void promptCylinder();
    void finishFill();
    float width() const;
    float height() const;

    AppState& app_;
    SectionEditorState& section_;
    PainterState& painter_;
    PainterView& view_;
};

} // namespace vardex
