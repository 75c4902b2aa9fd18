#include "exec/TemperatureField.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include "text/KeyReader.h"
#include "text/ListInput.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"

namespace vardex {
namespace {

// The item splitvalue takes next: up to a comma when the line holds one, else up to a blank.
std::string nextItem(const std::string& line) {
    std::string text = trim(line);
    const char separator = text.find(',') != std::string::npos ? ',' : ' ';
    return trim(text.substr(0, text.find(separator)));
}

std::string place(int x, int y, int z) {
    return "layer " + plainDigits(z) + ", row " + plainDigits(y) + ", column " + plainDigits(x);
}

} // namespace

std::size_t TemperatureField::index(int x, int y, int z) const {
    if (x < 1 || x > nx_ || y < 1 || y > ny_ || z < 1 || z > nz_)
        throw std::out_of_range("Subscript out of range");
    return (static_cast<std::size_t>(z - 1) * ny_ + (y - 1)) * nx_ + (x - 1);
}

TemperatureField readTemperatureField(const std::string& path, int nx, int ny, int nz) {
    TemperatureField field(nx, ny, nz);
    ListInput input(path);
    double sum = 0;
    for (int z = 1; z <= nz; ++z) {
        for (int y = 1; y <= ny; ++y) {
            std::string line;
            for (int x = 1; x <= nx; ++x) {
                // A row split by commas comes as one list item per number: take the next one.
                while (trim(line).empty()) {
                    if (input.atEnd())
                        throw ReadError("The file ends before " + place(x, y, z) + ".");
                    line = input.readItem();
                }
                const std::string item = nextItem(line);
                const double value = splitvalue(line);
                if (!isNumeric(item) || !(std::abs(value) <= std::numeric_limits<float>::max()))
                    throw ReadError("Not a temperature at " + place(x, y, z) + ": " + item);
                field.set(x, y, z, static_cast<float>(value));
                sum += value;
            }
        }
    }
    field.average = static_cast<float>(sum / nx / ny / nz);
    return field;
}

} // namespace vardex
