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

bool faultIs(DiskFault::Kind kind) {
    return activeFault && activeFault->kind() == kind;
}

} // namespace

DiskFault::DiskFault(Kind kind, std::size_t bytes)
    : kind_(kind), bytes_(bytes), previous_(activeFault) {
    activeFault = this;
}

DiskFault::~DiskFault() {
    activeFault = previous_;
}

TextFileWriter::TextFileWriter(std::string path)
    : path_(std::move(path)), tempPath_(temporaryNameBeside(path_)) {
    if (!faultIs(DiskFault::Kind::ReadOnlyFolder))
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
    if (faultIs(DiskFault::Kind::FailAfterBytes) &&
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
    bool written = static_cast<bool>(out_) && !faultIs(DiskFault::Kind::FullOnClose);
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
