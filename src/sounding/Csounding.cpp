#include "sounding/Csounding.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

#include "text/KeyReader.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"
#include "text/TextFileWriter.h"

namespace vardex {
namespace {

double answerNumber(Dialogs& dialogs, const char* prompt, const char* defaultText) {
    return typedNumber(dialogs.input(prompt, kDefaultTitle, defaultText));
}

double fieldNumber(const std::string& field) {
    double value = leadingNumber(trim(field));
    if (!std::isfinite(value)) throw ReadError("the number " + trim(field) + " is too large");
    return value;
}

// One reading line into a datum: the date up to the first blank or comma, then the six fields
// after the comma that ends the date and time. Throws ReadError saying what is wrong.
std::shared_ptr<CsdgDatum> readDatum(const std::string& line) {
    auto datum = std::make_shared<CsdgDatum>();
    const std::size_t dateEnd = std::min(line.find_first_of(" ,"), line.size());
    datum->dTime = soundingDate(line.substr(0, dateEnd));
    const std::size_t comma = line.find(',', dateEnd);
    if (comma == std::string::npos) throw ReadError("no comma before the depth");
    std::string rest = line.substr(comma + 1);
    double fields[6] = {};
    for (int f = 0; f < 6; ++f) {
        std::size_t next = rest.find(',');
        if (f < 5 && next == std::string::npos)
            throw ReadError("fewer than six numbers separated by commas");
        fields[f] = fieldNumber(rest.substr(0, next));
        rest = next == std::string::npos ? std::string() : rest.substr(next + 1);
    }
    datum->dDepth = fields[0];
    datum->dTemp1 = fields[1];
    datum->dTemp2 = fields[2];
    datum->dTemp3 = fields[4];
    datum->dTemp4 = fields[5];
    return datum;
}

// A whole number of one to `most` digits.
bool digitsOnly(const std::string& text, std::size_t most) {
    return !text.empty() && text.size() <= most &&
           text.find_first_not_of("0123456789") == std::string::npos;
}

std::vector<std::string> dateParts(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + 1)
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}

} // namespace

double soundingDate(const std::string& text) {
    const ReadError notADate("the date \"" + text + "\" is not a date");
    int year = 0, month = 0, day = 0;
    if (std::vector<std::string> p = dateParts(text, '/'); p.size() == 3) {
        if (!digitsOnly(p[0], 2) || !digitsOnly(p[1], 2) || p[2].size() != 4 ||
            !digitsOnly(p[2], 4))
            throw notADate;
        month = std::stoi(p[0]);
        day = std::stoi(p[1]);
        year = std::stoi(p[2]);
    } else if (p = dateParts(text, '-'); p.size() == 3) {
        if (p[0].size() != 4 || !digitsOnly(p[0], 4) || !digitsOnly(p[1], 2) ||
            !digitsOnly(p[2], 2))
            throw notADate;
        year = std::stoi(p[0]);
        month = std::stoi(p[1]);
        day = std::stoi(p[2]);
    } else {
        throw notADate;
    }
    using namespace std::chrono;
    const year_month_day date{std::chrono::year(year), std::chrono::month(month),
                              std::chrono::day(day)};
    if (!date.ok()) throw notADate;
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
    int lineNumber = 0;
    while (!file->atEnd() && !header) {
        header = file->readLine().find("DATE") != std::string::npos;
        ++lineNumber;
    }
    if (file->atEnd()) {
        dialogs_.inform(plainDigits(datapts()) + "  PROBLEM: sounding data file=" + path);
        return SoundingRead::NoReadings;
    }
    std::string stopped; // why the reading ended before the end of the file
    while (!file->atEnd()) {
        const std::string line = file->readLine();
        ++lineNumber;
        if (line.find("True") == std::string::npos) continue;
        try {
            current = readDatum(line);
        } catch (const ReadError& e) {
            // A line that cannot be read ends the sounding as its end does, and is named.
            stopped = "The reading stopped at line " + std::to_string(lineNumber) + ": " +
                      e.what() + kNewLine + line;
            break;
        }
        current->getRotation();
        get_minmax(static_cast<float>(current->dTavg));
        datums.add(current);
    }
    std::string text = plainDigits(datapts()) + "  Finished rotating " + path;
    if (!stopped.empty()) text += std::string(kNewLine) + stopped;
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
