#pragma once
// Per-user settings store: values under an application name, a section and a key.

#include <string>

namespace vardex {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual void save(const std::string& application, const std::string& section,
                      const std::string& key, const std::string& value) = 0;
};

} // namespace vardex
