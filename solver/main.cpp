#include <string>
#include <vector>

#include "Run.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return zolter::runZolter(args);
}
