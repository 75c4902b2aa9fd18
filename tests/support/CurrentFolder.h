#pragma once
// Switches the process's current folder for the life of the object.

#include <filesystem>
#include <string>

namespace vardex::testing {

class CurrentFolder {
  public:
    explicit CurrentFolder(const std::string& folder) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolder() { std::filesystem::current_path(previous_); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

  private:
    std::filesystem::path previous_;
};

} // namespace vardex::testing
