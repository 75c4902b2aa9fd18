#pragma once
// Profile and model file texts for tests, laid out as the program writes them.

#include <string>
#include <vector>

namespace vardex::testing {

struct ProfileContent {
    std::string name = "Pier";
    int nx = 4, ny = 4, nz = 2;
    std::string dx = " .5 ", dy = " .5 ", dz = " 1 ";
    std::vector<int> layers{1, 1};
    std::vector<std::pair<std::string, int>> sections; // section file, colour
};

std::string profileText(const std::string& path, const ProfileContent& content);

} // namespace vardex::testing
