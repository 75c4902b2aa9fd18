#include "app/text/TextFileWriter.h"

#include <atomic>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "app/text/PrintForm.h"

namespace vardex {
namespace {

std::string temporaryNameBeside(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + ".tmp" + std::to_string(++counter);
}

} // namespace

TextFileWriter::TextFileWriter(std::string path)
    : path_(std::move(path)), tempPath_(temporaryNameBeside(path_)) {
    out_.open(tempPath_, std::ios::binary | std::ios::trunc);
    if (!out_) throw std::runtime_error("Cannot create " + path_);
}

TextFileWriter::~TextFileWriter() {
    if (committed_) return;
    out_.close();
    std::error_code ignored;
    std::filesystem::remove(tempPath_, ignored);
}

void TextFileWriter::line(std::string_view text) {
    out_ << text << kLineEnd;
}

void TextFileWriter::commit() {
    out_.flush();
    bool written = static_cast<bool>(out_);
    out_.close();
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
