#pragma once
// A temperature field in the cross-section layout: nz blocks of ny lines of nx numbers
// (layer 1 first, y = 1 first, x = 1 first), separated by blanks or commas.

#include <cstdint>
#include <string>
#include <vector>

namespace vardex {

class TemperatureField {
  public:
    TemperatureField() = default;
    TemperatureField(int nx, int ny, int nz) : nx_(nx), ny_(ny), nz_(nz), t_(nx * ny * nz, 0.0f) {}

    int nx() const { return nx_; }
    int ny() const { return ny_; }
    int nz() const { return nz_; }
    bool empty() const { return t_.empty(); }
    // Temperature of cell (x, y, z), 1-based; out of range throws std::out_of_range.
    float at(int x, int y, int z) const { return t_[index(x, y, z)]; }
    void set(int x, int y, int z, float value) { t_[index(x, y, z)] = value; }
    const std::vector<float>& values() const { return t_; }

    float average = 0; // mean of all temperatures read

  private:
    std::size_t index(int x, int y, int z) const;

    int nx_ = 0, ny_ = 0, nz_ = 0;
    std::vector<float> t_;
};

// Reads a field of the given grid with the runtime's list input, one line field per row taken
// apart with splitvalue. A file that ends before the grid is full, an item that is not a number
// or one beyond a 32-bit float throws ReadError naming the place; nothing half read is returned.
TemperatureField readTemperatureField(const std::string& path, int nx, int ny, int nz);

} // namespace vardex
