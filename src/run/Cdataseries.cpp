#include "run/Cdataseries.h"

#include "text/NumberText.h"
#include "text/PrintForm.h"

namespace vardex {

bool Cdataseries::read_TSfile(AppState& app, const std::string& file) {
    path = file;
    series.clear();
    points = 0;
    int announced = 0;
    try {
        ListInput input(file);
        announced = toInt16(input.readNumber());
        int missing = readSeriesPoints(input, announced, series);
        points = static_cast<std::int16_t>(series.size());
        if (missing != 0) throw ReadError("short");
    } catch (const std::exception&) {
        points = static_cast<std::int16_t>(series.size());
        app.dialogs.inform(plainDigits(announced) + " not a good time-series file" + kNewLine +
                           file);
        return false;
    }
    app.config.DataPath = app.fs.absolutePath(file);
    return true;
}

} // namespace vardex
