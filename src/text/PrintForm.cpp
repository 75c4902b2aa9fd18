#include "text/PrintForm.h"

#include <cstdio>

namespace vardex {
namespace {

// Shortest general form with at most `digits` significant digits, no zero before the point.
std::string generalForm(double value, int digits) {
    if (value == 0.0) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*G", digits, value);
    std::string s = buf;
    if (s.rfind("0.", 0) == 0)
        s.erase(0, 1);
    else if (s.rfind("-0.", 0) == 0)
        s.erase(1, 1);
    return s;
}

std::string signed_(const std::string& digits) {
    return digits.front() == '-' ? digits : " " + digits;
}

} // namespace

std::string plainDigits(std::int64_t value) {
    return std::to_string(value);
}
std::string plainDigits(int value) {
    return std::to_string(value);
}
std::string plainDigits(float value) {
    return generalForm(static_cast<double>(value), 7);
}
std::string plainDigits(double value) {
    return generalForm(value, 15);
}

std::string strForm(float value) {
    return signed_(plainDigits(value));
}
std::string strForm(double value) {
    return signed_(plainDigits(value));
}

std::string printForm(std::int64_t value) {
    return signed_(plainDigits(value)) + " ";
}
std::string printForm(int value) {
    return signed_(plainDigits(value)) + " ";
}
std::string printForm(float value) {
    return strForm(value) + " ";
}
std::string printForm(double value) {
    return strForm(value) + " ";
}
std::string printForm(bool value) {
    return value ? "True" : "False";
}

PrintLine& PrintLine::direct(std::string_view item) {
    text_ += item;
    return *this;
}

PrintLine& PrintLine::zone(std::string_view item) {
    std::size_t rest = text_.size() % kPrintZoneWidth;
    if (rest != 0) text_.append(kPrintZoneWidth - rest, ' ');
    text_ += item;
    return *this;
}

void CsvRecord::separate() {
    if (!empty_) text_ += ',';
    empty_ = false;
}

CsvRecord& CsvRecord::text(std::string_view item) {
    separate();
    text_ += '"';
    text_ += item;
    text_ += '"';
    return *this;
}

CsvRecord& CsvRecord::number(double value) {
    separate();
    text_ += plainDigits(value);
    return *this;
}

CsvRecord& CsvRecord::number(std::int64_t value) {
    separate();
    text_ += plainDigits(value);
    return *this;
}

} // namespace vardex
