#pragma once
// Files moved into place together, each complete under its final name or not there at all. Each
// file is first staged beside its target (renamed there when it is on the same disk, otherwise
// copied and checked against the original's size); only when every file is staged are they
// renamed over their targets. Until then no target changes, and whatever was staged goes when the
// object goes.

#include <string>
#include <vector>

namespace vardex {

class StagedFiles {
  public:
    StagedFiles() = default;
    ~StagedFiles();
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    // Stages `from` to become `to`; the original goes (move) or stays (copy). Both throw
    // std::runtime_error "Cannot write <to>: <reason>", or "<from> is missing" when there is no
    // original; nothing staged before is touched.
    void move(const std::string& from, const std::string& to);
    void copy(const std::string& from, const std::string& to);
    // Renames every staged file over its target; throws std::runtime_error naming the target
    // that could not be placed.
    void commit();

  private:
    struct Staged {
        std::string temporary;
        std::string target;
    };
    void stage(const std::string& from, const std::string& to, bool keepOriginal);
    std::vector<Staged> staged_;
};

} // namespace vardex
