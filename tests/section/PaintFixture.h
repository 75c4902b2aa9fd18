#pragma once
// A section being painted: a 10 by 10 section of 0.1 m zones with four named materials, its
// painter state, a window that counts the painter's closing calls, and the painters over them.

#include <cstdint>
#include <initializer_list>
#include <string>

#include "platform/Canvas.h"
#include "section/PainterState.h"
#include "section/PainterView.h"
#include "section/PointwiseFill.h"
#include "section/SectionEditorState.h"
#include "section/SectionPainter.h"
#include "support/AppFixture.h"

namespace vardex::testing {

struct CountingPainterView : PainterView {
    int pointwiseSelected = 0;
    int redraws = 0;
    int objectFillsShown = 0;
    void selectPointwiseFill() override { ++pointwiseSelected; }
    void redrawGrid() override { ++redraws; }
    void showObjectFills() override { ++objectFillsShown; }
};

inline constexpr std::int16_t kSoil = 1;
inline constexpr std::int16_t kConcrete = 2;
inline constexpr std::int16_t kSand = 3;
inline constexpr std::int16_t kClay = 7;

struct PaintFixture : AppFixture {
    SectionEditorState section;
    PainterState painter;
    CountingPainterView view;
    SectionPainter paint{app, section, painter, view};
    PointwiseFill pointwise{dialogs, section, painter, view};

    PaintFixture() {
        section.sectionName = "Pier";
        section.nx = 10;
        section.ny = 10;
        section.dx = 0.1f;
        section.dy = 0.1f;
        section.materials[kSoil] = {"Soil", rgb(120, 90, 40), 1.0f, 0.8f, 1800.0f, 0.0f, 0.0f};
        section.materials[kConcrete] = {"Concrete", rgb(160, 160, 160), 2.0f, 1.0f, 2400.0f, 4.0f,
                                        0.0f};
        section.materials[kSand] = {"sand", rgb(230, 210, 120), 0.3f, 0.8f, 1600.0f, 0.0f, 0.0f};
        section.materials[kClay] = {"clay", rgb(150, 60, 30), 1.2f, 0.9f, 1900.0f, 0.0f, 0.0f};
    }

    void fillAll(std::int16_t material) {
        for (int j = 1; j <= section.ny; ++j)
            for (int i = 1; i <= section.nx; ++i) section.values.setValue(i, j, material);
    }
    void answer(std::initializer_list<std::string> answers) {
        dialogs.inputAnswers.insert(dialogs.inputAnswers.end(), answers);
    }
    std::int16_t zone(int i, int j) const { return section.values.value(i, j); }
    std::string nameOf(std::int16_t material) const { return section.materials[material].name; }
};

} // namespace vardex::testing
