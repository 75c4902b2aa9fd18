#include "sounding/Csounding.h"

#include <chrono>
#include <cmath>

#include "text/KeyReader.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"
#include "text/TextFileWriter.h"

namespace vardex {
namespace {

constexpr std::size_t kFirstNumericColumn = 18; // character 19

double answerNumber(Dialogs& dialogs, const char* prompt, const char* defaultText) {
    return typedNumber(dialogs.input(prompt, kDefaultTitle, defaultText));
}

double fieldNumber(const std::string& field) {
    double value = leadingNumber(trim(field));
    if (!std::isfinite(value)) throw ReadError("Overflow");
    return value;
}

int digitsAt(const std::string& text, std::size_t at, std::size_t count) {
    int value = 0;
    for (std::size_t k = at; k < at + count; ++k) {
        if (k >= text.size() || text[k] < '0' || text[k] > '9')
            throw ReadError("Type mismatch: " + text);
        value = value * 10 + (text[k] - '0');
    }
    return value;
}

// One reading line into a datum; throws ReadError when it cannot be read.
std::shared_ptr<CsdgDatum> readDatum(const std::string& line) {
    auto datum = std::make_shared<CsdgDatum>();
    datum->dTime = soundingDate(line.substr(0, 10));
    if (line.size() <= kFirstNumericColumn) throw ReadError("Missing fields");
    std::string rest = line.substr(kFirstNumericColumn);
    double fields[6] = {};
    for (int f = 0; f < 6; ++f) {
        std::size_t comma = rest.find(',');
        if (f < 5 && comma == std::string::npos) throw ReadError("Missing commas");
        fields[f] = fieldNumber(rest.substr(0, comma));
        rest = comma == std::string::npos ? std::string() : rest.substr(comma + 1);
    }
    datum->dDepth = fields[0];
    datum->dTemp1 = fields[1];
    datum->dTemp2 = fields[2];
    datum->dTemp3 = fields[4];
    datum->dTemp4 = fields[5];
    return datum;
}

} // namespace

double soundingDate(const std::string& text) {
    int year = 0, month = 0, day = 0;
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        year = digitsAt(text, 0, 4);
        month = digitsAt(text, 5, 2);
        day = digitsAt(text, 8, 2);
    } else if (text.size() == 10 && text[2] == '/' && text[5] == '/') {
        month = digitsAt(text, 0, 2);
        day = digitsAt(text, 3, 2);
        year = digitsAt(text, 6, 4);
    } else {
        throw ReadError("Type mismatch: " + text);
    }
    using namespace std::chrono;
    const year_month_day date{std::chrono::year(year), std::chrono::month(month),
                              std::chrono::day(day)};
    if (!date.ok()) throw ReadError("Type mismatch: " + text);
    const year_month_day origin{std::chrono::year(1899), December, std::chrono::day(30)};
    return static_cast<double>((sys_days(date) - sys_days(origin)).count());
}

Csounding::Csounding(Dialogs& dialogs) : dialogs_(dialogs) {
    offset = answerNumber(dialogs, "Enter a thermcouple voltage offset (mV):", "0") / 1000;
    slope = answerNumber(dialogs, "Enter a thermcouple voltage slope (deg/mV):", "7");
}

void Csounding::get_minmax(float value) {
    if (value > highest) highest = value;
    if (value < lowest) lowest = value;
}

int Csounding::rotationsNotFound() const {
    int count = 0;
    for (const auto& datum : datums)
        if (!datum->rotationFound()) ++count;
    return count;
}

void Csounding::write_sdgx(const std::string& path) const {
    TextFileWriter out(path);
    const std::string gap = "   ";
    for (const auto& d : datums)
        out.line(plainDigits(d->dDepth) + gap + plainDigits(d->dTavg) + gap +
                 plainDigits(d->dRot_local) + gap + plainDigits(d->dZRotation) + gap +
                 plainDigits(d->dTerror));
    out.commit();
}

SoundingRead Csounding::read_sounding(const std::string& path, const std::string& resultsPath) {
    soundingfile = path;
    if (path.empty()) return SoundingRead::NoReadings;
    std::unique_ptr<KeyReader> file;
    try {
        file = std::make_unique<KeyReader>(path);
    } catch (const ReadError& e) {
        dialogs_.inform(std::string(e.what()));
        return SoundingRead::NotOpened;
    }
    bool header = false;
    while (!file->atEnd() && !header) header = file->readLine().find("DATE") != std::string::npos;
    if (file->atEnd()) {
        dialogs_.inform(plainDigits(datapts()) + "  PROBLEM: sounding data file=" + path);
        return SoundingRead::NoReadings;
    }
    while (!file->atEnd()) {
        const std::string line = file->readLine();
        if (line.find("True") == std::string::npos) continue;
        try {
            current = readDatum(line);
        } catch (const ReadError&) {
            break; // a line that cannot be read ends the sounding as its end does
        }
        current->getRotation();
        get_minmax(static_cast<float>(current->dTavg));
        datums.add(current);
    }
    std::string text = plainDigits(datapts()) + "  Finished rotating " + path;
    if (int unknown = rotationsNotFound(); unknown > 0)
        text += std::string(kNewLine) + plainDigits(unknown) +
                " reading(s) without a temperature difference: rotation written as 0";
    dialogs_.inform(text);
    try {
        write_sdgx(resultsPath);
    } catch (const std::exception& e) {
        dialogs_.inform("The results file could not be written: " + resultsPath +
                        std::string(kNewLine) + e.what());
    }
    return SoundingRead::Read;
}

} // namespace vardex
