#include "text/TextFileWriter.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "text/PrintForm.h"

namespace vardex {
namespace {

std::string temporaryNameBeside(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + ".tmp" + std::to_string(++counter);
}

thread_local DiskFault* activeFault = nullptr;

bool faultIs(const std::string& path, DiskFault::Kind kind) {
    const DiskFault* fault = DiskFault::at(path);
    return fault && fault->kind() == kind;
}

} // namespace

DiskFault::DiskFault(Kind kind, std::size_t bytes, std::string folder)
    : kind_(kind), bytes_(bytes), folder_(std::move(folder)), previous_(activeFault) {
    activeFault = this;
}

const DiskFault* DiskFault::at(const std::string& path) {
    if (!activeFault || activeFault->folder_.empty()) return activeFault;
    namespace fs = std::filesystem;
    auto normal = [](const fs::path& p) {
        fs::path n = fs::absolute(p).lexically_normal();
        return n.has_filename() ? n : n.parent_path();
    };
    return normal(path).parent_path() == normal(activeFault->folder_) ? activeFault : nullptr;
}

DiskFault::~DiskFault() {
    activeFault = previous_;
}

TextFileWriter::TextFileWriter(std::string path)
    : path_(std::move(path)), tempPath_(temporaryNameBeside(path_)) {
    if (!faultIs(path_, DiskFault::Kind::ReadOnlyFolder))
        out_.open(tempPath_, std::ios::binary | std::ios::trunc);
    if (!out_.is_open()) throw std::runtime_error("Cannot create " + path_);
}

TextFileWriter::~TextFileWriter() {
    if (committed_) return;
    out_.close();
    std::error_code ignored;
    std::filesystem::remove(tempPath_, ignored);
}

void TextFileWriter::line(std::string_view text) {
    std::string bytes = std::string(text) + kLineEnd;
    if (faultIs(path_, DiskFault::Kind::FailAfterBytes) &&
        written_ + bytes.size() > activeFault->bytes()) {
        if (out_)
            out_ << bytes.substr(0,
                                 activeFault->bytes() - std::min(written_, activeFault->bytes()));
        out_.setstate(std::ios::badbit);
        return;
    }
    out_ << bytes;
    written_ += bytes.size();
}

void TextFileWriter::commit() {
    out_.flush();
    bool written = static_cast<bool>(out_) && !faultIs(path_, DiskFault::Kind::FullOnClose);
    out_.close();
    // The temporary file is removed when the writer goes.
    if (!written || out_.fail()) throw std::runtime_error("Cannot write " + path_);
    std::error_code error;
    std::filesystem::rename(tempPath_, path_, error);
    if (error) throw std::runtime_error("Cannot write " + path_ + ": " + error.message());
    committed_ = true;
}

void writeLines(const std::string& path, const std::vector<std::string>& lines) {
    TextFileWriter out(path);
    for (const std::string& text : lines) out.line(text);
    out.commit();
}

} // namespace vardex
