#pragma once
// Per-user settings store: values under an application name, a section and a key.

#include <optional>
#include <string>

namespace vardex {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual void save(const std::string& application, const std::string& section,
                      const std::string& key, const std::string& value) = 0;
    // The stored value; nothing when the key was never written.
    virtual std::optional<std::string> load(const std::string& application,
                                            const std::string& section,
                                            const std::string& key) const = 0;
};

} // namespace vardex
