#pragma once
// The print forms of values and the print-zone line builder used by every writer.

#include <cstdint>
#include <string>
#include <string_view>

namespace vardex {

inline constexpr int kPrintZoneWidth = 14;
inline constexpr const char* kLineEnd = "\r\n";

// Print form of a number: a blank (or the minus sign) first, the shortest general form, one
// trailing blank. No zero before the point below one (" .5 "); exponent form ("1.5E+07",
// "1E-05") for very large or very small magnitudes. 32-bit floats carry 7 significant
// digits, 64-bit floats 15.
std::string printForm(std::int64_t value);
std::string printForm(int value);
std::string printForm(float value);
std::string printForm(double value);
std::string printForm(bool value); // "True" / "False"

// The same without the leading sign blank and the trailing blank ("plain digits"):
// -3, 12, .5, 2.5E-07.
std::string plainDigits(std::int64_t value);
std::string plainDigits(int value);
std::string plainDigits(float value);
std::string plainDigits(double value);

// The print form without its trailing blank (the runtime's Str form: " 12", "-3", " .5").
std::string strForm(float value);
std::string strForm(double value);

// Builds one printed line: items either directly after what is there, or at the next print zone
// (columns 1, 15, 29, ...). A line already ending exactly at a zone boundary starts the next
// item at once.
class PrintLine {
  public:
    PrintLine() = default;
    explicit PrintLine(std::string_view first) : text_(first) {}

    PrintLine& direct(std::string_view item);
    PrintLine& zone(std::string_view item);
    template <typename T> PrintLine& directValue(T value) { return direct(printForm(value)); }
    template <typename T> PrintLine& zoneValue(T value) { return zone(printForm(value)); }

    const std::string& str() const { return text_; }

  private:
    std::string text_;
};

// A comma-separated record: texts in double quotes, numbers plainly, separated by commas.
class CsvRecord {
  public:
    CsvRecord& text(std::string_view item);
    CsvRecord& number(double value);
    CsvRecord& number(std::int64_t value);
    const std::string& str() const { return text_; }

  private:
    void separate();
    std::string text_;
    bool empty_ = true;
};

} // namespace vardex
