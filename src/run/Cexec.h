#pragma once
// The run set-up: everything the solver needs besides the geometry, and the lists the alignment
// builds from the geometry (master material list, boundary records, chunk faces).

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "run/CBoundarytype.h"
#include "run/Csourceheat.h"

namespace vardex {

inline constexpr int kMaxRunTypes = 16;    // sub-model types in a run
inline constexpr int kMaxRunSections = 16; // sections of one type
inline constexpr int kMaxRunChunks = 16;   // chunks of a run
inline constexpr int kMaxMasterMaterials = 99;
inline constexpr int kFaces = 6;

// What the alignment hands the execution-control window.
enum class AlignResult {
    Done,    // aligned (or already aligned before)
    Refused, // the model is beyond the run set-up's tables; a message said which limit
    Stop,    // the user answered No to the grid check: the set-up stops
};

class Cexec {
  public:
    // Creation order: lists, source, the shared sub-model list emptied, concentric, run marker,
    // run name, then init_exec.
    explicit Cexec(AppState& app);

    std::string runName;
    std::string execfile;
    float alpha = 0;
    std::int32_t numTS = 0;
    bool concentric = true;
    std::int16_t cellsX = 0;
    std::int16_t cellsY = 0;
    double errmax = 0;
    double dtmax = 0;
    std::int16_t itmax = 0;
    std::string sourceTSfile;
    std::string modelfile;
    double endtime = 0;
    double starttime = 0;
    bool flagBndy = false;
    bool Txflag = false;
    bool flagReady = false;
    std::vector<std::shared_ptr<CBoundarytype>> Boundx;
    std::vector<std::string> MstrMatlx;
    std::shared_ptr<CBoundarytype> Bndy;
    Csourceheat Src;
    std::vector<std::string> BndyMatIDx;
    // The placement temperature as the run set-up keeps it (the heat-source window copies it).
    double placementTemp = 0;

    // The sub-model type of each chunk, from the base upward; set by the execution-control
    // window before the alignment and the chunk faces are worked out.
    std::vector<std::int16_t> chunkTypes;

    void init_exec();
    // Reads the run file named by execfile. A key that is not there stops the reading with a
    // message naming the key; what was read stays.
    void read_exec();
    void clear_Boundx() { Boundx.clear(); }
    // Face flags of the run := row c (1..16) of the chunk face table.
    void putBounds(int chunk);

    void LbndyTSfile(int i, const std::string& file);
    const std::string& bndyTSfile(int i) const;
    void LsourceTSfile(const std::string& file) { sourceTSfile = file; }
    void LnumTS(std::int32_t count) { numTS = count; }
    bool g_TxFlag() const { return Txflag; }
    float g_SourceP(int i) const;
    void l_SourceP(int i, float value);
    std::int16_t getRecLocus(int point, int axis) const;
    void letRecLocus(int point, int axis, std::int16_t value);

    // Writes the exec file: every aligned section grid and the master material list.
    void write_Runfile(const std::string& path);

    // Brings every section of every sub-model type onto one master material list, rewrites the
    // grids in master numbers, gathers the master properties and finds the boundary materials.
    // Runs once per record.
    AlignResult alignSubMods();
    // Scans every section; builds MstrMatlx. Returns its length.
    int get_culledLists();
    void purge_Alist();
    void update_mstrmatlx();
    // One boundary record per master material on a lateral edge of any section.
    AlignResult findBndyMaters();
    // Fills the chunk face table from the boundary records and chunkTypes.
    void alignChkBounds();

    // Master properties of master material k (1..99).
    float masterDensity(int k) const;
    float masterSpecificHeat(int k) const;
    float masterHeat(int k) const;
    float masterConductivity(int k) const;

    // Writes the solver's input for a chunk of sub-model type t as run n; nothing for an empty
    // path. The solver writes the field to outputFile, by default the Output folder's
    // "<runName>.n.out". Throws std::runtime_error when the file cannot be written.
    void write_Tempfile(int type, const std::string& path, int run,
                        const std::string& outputFile = {});

    // Face letter of the run about to be written, faces 1..6.
    const std::string& faceFlag(int face) const;
    void setFaceFlag(int face, const std::string& letter);
    // Letter of the chunk face table, chunk 1..16, face 1..6.
    const std::string& chunkFace(int chunk, int face) const;
    void setChunkFace(int chunk, int face, const std::string& letter);

  protected:
    AppState& app_;

  private:
    // Material numbers of each type's sections to master numbers: [type][section][material].
    using Translation = std::array<
        std::array<std::array<std::int16_t, kMaxMasterMaterials + 1>, kMaxRunSections + 1>,
        kMaxRunTypes + 1>;

    bool refuseBeyondLimits();
    AlignResult checkGrid(int type, int section);
    std::string faceLetter(int type, int face);

    std::unique_ptr<Translation> translation_;
    std::array<std::string, kMaxMasterMaterials + 1> scanNames_;
    std::array<std::int16_t, kMaxMasterMaterials + 1> scanNumbers_{};
    std::array<float, kMaxMasterMaterials + 1> masterDensity_{};
    std::array<float, kMaxMasterMaterials + 1> masterSpecificHeat_{};
    std::array<float, kMaxMasterMaterials + 1> masterHeat_{};
    std::array<float, kMaxMasterMaterials + 1> masterConductivity_{};
    std::int16_t totalSections_ = 0;
    std::array<std::string, kFaces> faceFlags_;
    std::array<std::array<std::string, kFaces>, kMaxRunChunks> chunkFaces_;
    std::array<std::string, 5> boundaryFiles_;
    std::array<float, 3> sourceParams_{};
    std::array<std::array<std::int16_t, 3>, 50> recordingLoci_{};
};

} // namespace vardex
