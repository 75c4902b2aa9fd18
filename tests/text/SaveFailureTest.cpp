// Every writer of the program, meeting a disk that fails: the previous file stays byte for byte,
// no temporary file is left beside it, and the failure is reported naming the file.

#include <filesystem>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "app/MainWindowState.h"
#include "materials/MaterialsFile.h"
#include "model/ModelBuilder.h"
#include "run/Cexec.h"
#include "run/SolverLaunchFiles.h"
#include "section/SectionEditorState.h"
#include "section/SectionFile.h"
#include "submodel/ProfileFile.h"
#include "support/AppFixture.h"
#include "support/ModelTypes.h"
#include "support/ProfileText.h"
#include "support/RecordingCanvas.h"
#include "text/TextFileWriter.h" // DiskFault

namespace vardex {
namespace {

namespace fs = std::filesystem;

// A home folder with a model of one type, aligned, ready for every writer.
struct SaveFixture : testing::AppFixture {
    std::unique_ptr<Cexec> exec;
    std::string builderProfile = home.file("builder.prf"); // a profile the model builder reads
    SaveFixture() {
        home.write("builder.prf", testing::profileText(builderProfile, testing::ProfileContent{}));
        exec = std::make_unique<Cexec>(app); // empties the sub-model list first, as it does
        testing::addType(app, home.path(), testing::TypeContent{});
        app.currentSubmodelName = "Type";
        exec->chunkTypes = {1};
        exec->modelfile = home.file("m.mod");
        if (exec->alignSubMods() != AlignResult::Done) throw std::runtime_error("alignment");
        dialogs.messages.clear();
    }
    // The last message shown by a writer that reports through the dialogs.
    std::string shown() const {
        return dialogs.messages.empty() ? "" : dialogs.messages.back().text;
    }
};

// The report of a writer that throws to its caller.
std::string thrown(const std::function<void()>& save) {
    try {
        save();
    } catch (const std::exception& error) {
        return error.what();
    }
    return "";
}

struct Writer {
    const char* name;
    const char* file;
    // Saves to path and returns the failure as reported (a message shown or an error thrown).
    std::function<std::string(SaveFixture&, const std::string&)> save;
};

const Writer kWriters[] = {
    {"Configuration", "Vardex.ini",
     [](SaveFixture& f, const std::string& path) {
         f.app.config.iniFile = path;
         f.app.config.testing = false;
         f.app.config.write_startup();
         return f.shown();
     }},
    {"Materials", "a.mts",
     [](SaveFixture& f, const std::string& path) {
         SaveFile(f.app, path, {{"Sand", 1, 1, 1, 1, 0, 0}});
         return f.shown();
     }},
    {"Section", "a.sec",
     [](SaveFixture& f, const std::string& path) {
         SectionEditorState state;
         state.nx = 2;
         state.ny = 2;
         for (int j = 1; j <= 2; ++j)
             for (int i = 1; i <= 2; ++i) state.values.setValue(i, j, 1);
         write_Secfile(f.app, state, path);
         return f.shown();
     }},
    {"Profile", "a.prf",
     [](SaveFixture& f, const std::string& path) {
         ProfileWriteRequest request;
         request.path = path;
         request.nz = 2;
         request.layers = {1, 1};
         write_profile(f.app, request, f.app.submodelList.item(1)->palette);
         return f.shown();
     }},
    {"Model", "a.mod",
     [](SaveFixture& f, const std::string& path) {
         // A model that can be opened again: the fixture's type and one chunk of it.
         f.app.clearModelLists();
         MainWindowState window;
         ModelBuilder builder(f.app, window);
         testing::RecordingCanvas drawing(180, 990);
         builder.attachDrawing(&drawing);
         f.dialogs.fileAnswers = {f.builderProfile};
         f.dialogs.colorAnswers = {255};
         f.dialogs.inputAnswers = {"10"};
         builder.addType();
         builder.mouseUp(0, 495);
         if (f.app.chunkList.size() != 1) return std::string("no model to save");
         f.dialogs.messages.clear();
         builder.write_modfile(path);
         return f.shown();
     }},
    {"ExecFile", "a.exc",
     [](SaveFixture& f, const std::string& path) {
         return thrown([&] { f.exec->write_Runfile(path); });
     }},
    {"TempFile", "tempfile.1",
     [](SaveFixture& f, const std::string& path) {
         return thrown([&] { f.exec->write_Tempfile(1, path, 1); });
     }},
    {"BatchFile", "project.bat",
     [](SaveFixture&, const std::string& path) {
         return thrown([&] { writeBatchFile(path, "call zolter \"t 1\" out done"); });
     }},
};

struct Fault {
    const char* name;
    DiskFault::Kind kind;
    std::size_t bytes;
};

const Fault kFaults[] = {
    {"ReadOnlyFolder", DiskFault::Kind::ReadOnlyFolder, 0},
    {"FailingAtOnce", DiskFault::Kind::FailAfterBytes, 0},
    {"FailingAfter40Bytes", DiskFault::Kind::FailAfterBytes, 40},
    {"FullOnClose", DiskFault::Kind::FullOnClose, 0},
};

class SaveThatFails : public ::testing::TestWithParam<std::tuple<Writer, Fault>> {};

TEST_P(SaveThatFails, KeepsThePreviousFileLeavesNothingBehindAndNamesTheFile) {
    const auto& [writer, fault] = GetParam();
    SaveFixture f;
    const std::string path = f.home.file(writer.file);
    const std::string previous = "the previous file\r\nbyte for byte\r\n\xe9\r\n";
    f.home.write(writer.file, previous);
    const std::vector<std::string> before = testing::namesBelow(f.home.path());
    const std::string dataPath = f.app.config.DataPath;
    const std::string dataDir = f.app.config.DataDir;

    std::string report;
    {
        DiskFault disk(fault.kind, fault.bytes);
        report = writer.save(f, path);
    }
    EXPECT_EQ(testing::readFile(path), previous);
    EXPECT_EQ(testing::namesBelow(f.home.path()), before);
    EXPECT_NE(report.find(path), std::string::npos) << report;
    EXPECT_EQ(f.app.config.DataPath, dataPath) << "a failed save is not remembered as the file";
    EXPECT_EQ(f.app.config.DataDir, dataDir);
}

TEST_P(SaveThatFails, WritesTheFileOnceTheDiskWorksAgain) {
    const auto& [writer, fault] = GetParam();
    SaveFixture f;
    const std::string path = f.home.file(writer.file);
    f.home.write(writer.file, "old");
    {
        DiskFault disk(fault.kind, fault.bytes);
        writer.save(f, path);
    }
    f.dialogs.messages.clear();
    const std::string report = writer.save(f, path);
    EXPECT_EQ(report.find(path), std::string::npos) << report;
    EXPECT_NE(testing::readFile(path), "old");
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, SaveThatFails,
                         ::testing::Combine(::testing::ValuesIn(kWriters),
                                            ::testing::ValuesIn(kFaults)),
                         [](const ::testing::TestParamInfo<SaveThatFails::ParamType>& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param).name;
                         });

} // namespace
} // namespace vardex
