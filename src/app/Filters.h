#pragma once
// File-type filters handed to the open and save dialogs.

namespace vardex::filters {

inline constexpr const char* kMaterials = " Materials file (*.mts)|*.mts|All files (*.*)|*.*";
inline constexpr const char* kProfile = " Profile files (*.prf)|*.prf|All files (*.*)|*.*";
inline constexpr const char* kSection = " Section files (*.sec)|*.sec|All files (*.*)|*.*";
inline constexpr const char* kModel = " Model files (*.mod)|*.mod|All files (*.*)|*.*";
inline constexpr const char* kExec = " Exec files (*.exc)|*.exc|All files (*.*)|*.*";
inline constexpr const char* kSounding =
    " Sounding files (*.sdg)|*.sdg|Data files (*.dat)|*.dat|All files (*.*)|*.*";
inline constexpr const char* kOutput =
    " out files (*.out)|*.out| text file (*.dat)|*.dat| all files (*.*)|*.*";

} // namespace vardex::filters
