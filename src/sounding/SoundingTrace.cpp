#include "sounding/SoundingTrace.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace vardex {
namespace {

// Room for the labels around the frame, in pixels.
constexpr double kLeft = 64, kTop = 44, kRight = 24, kBottom = 16;

std::string tickText(double value, double step) {
    const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
    if (std::abs(value) < step * 1e-6) value = 0; // no "-0"
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

} // namespace

std::vector<TracePoint> tracePoints(const Csounding& sounding) {
    std::vector<TracePoint> points;
    for (int i = 1; i <= sounding.datapts(); ++i) {
        const CsdgDatum& d = *sounding.datums.item(i);
        points.push_back({d.dDepth, d.dTavg});
    }
    return points;
}

std::vector<double> niceTicks(double low, double high, int count) {
    if (!(high > low)) {
        low -= 1;
        high += 1;
    }
    const double rough = (high - low) / std::max(count, 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power;
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * power;
        if (step >= rough) break;
    }
    std::vector<double> ticks;
    const long first = static_cast<long>(std::floor(low / step + 1e-9));
    const long last = static_cast<long>(std::ceil(high / step - 1e-9));
    for (long i = first; i <= last; ++i) ticks.push_back(static_cast<double>(i) * step);
    return ticks;
}

void drawSoundingTrace(const std::vector<TracePoint>& points, Canvas& canvas,
                       const DisplayUnits& units) {
    const double width = std::round(canvas.scaleWidth());
    const double height = std::round(canvas.scaleHeight());
    // In these units the trace keeps its place when the drawing area is resized.
    canvas.setScale(0, 0, width, height);
    if (points.empty() || width <= kLeft + kRight || height <= kTop + kBottom) return;

    double tLow = units.temperature(points.front().temperature), tHigh = tLow;
    double deepest = 0;
    for (const TracePoint& p : points) {
        tLow = std::min(tLow, units.temperature(p.temperature));
        tHigh = std::max(tHigh, units.temperature(p.temperature));
        deepest = std::max(deepest, units.length(p.depth));
    }
    const std::vector<double> across = niceTicks(tLow, tHigh, 6);
    const std::vector<double> down = niceTicks(std::min(0.0, deepest), deepest, 6);
    const double x0 = kLeft, x1 = width - kRight, y0 = kTop, y1 = height - kBottom;
    auto xOf = [&](double t) {
        return x0 + (t - across.front()) / (across.back() - across.front()) * (x1 - x0);
    };
    auto yOf = [&](double d) {
        return y0 + (d - down.front()) / (down.back() - down.front()) * (y1 - y0);
    };

    canvas.box(x0, y0, x1, y1, kAxisColor, 1);
    const double acrossStep = across[1] - across[0], downStep = down[1] - down[0];
    for (double t : across) {
        canvas.line(xOf(t), y0, xOf(t), y0 - 4, kAxisColor, 1);
        canvas.text(xOf(t), y0 - 6, tickText(t, acrossStep), kAxisColor, TextAnchor::Bottom);
    }
    for (double d : down) {
        canvas.line(x0 - 4, yOf(d), x0, yOf(d), kAxisColor, 1);
        canvas.text(x0 - 6, yOf(d), tickText(d, downStep), kAxisColor, TextAnchor::Right);
    }
    canvas.text((x0 + x1) / 2, 4,
                std::string("average temperature (") + units.temperatureUnit() + ")", kAxisColor,
                TextAnchor::Top);
    canvas.text(4, 14, std::string("depth (") + units.lengthUnit() + ")", kAxisColor,
                TextAnchor::Left);

    double lastX = 0, lastY = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double x = xOf(units.temperature(points[i].temperature));
        const double y = yOf(units.length(points[i].depth));
        if (i > 0) canvas.line(lastX, lastY, x, y, kTraceColor, 1);
        canvas.point(x, y, kTraceColor);
        lastX = x;
        lastY = y;
    }
}

} // namespace vardex
