#include "ImageOutput.h"

namespace voka {

namespace {
constexpr std::size_t kOutputBufferSize = 1 << 16;
}

ImageOutput::~ImageOutput() {
    if (file_) std::fclose(file_);
}

bool ImageOutput::Create(const std::string& path) {
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) return false;
    std::setvbuf(file_, nullptr, _IOFBF, kOutputBufferSize);
    position_ = 0;
    failed_ = false;
    return true;
}

void ImageOutput::Write(const char* bytes, std::size_t count) {
    if (count == 0) return;
    if (std::fwrite(bytes, 1, count, file_) != count) failed_ = true;
    position_ += count;
}

void ImageOutput::Rewind() {
    if (std::fseek(file_, 0, SEEK_SET) != 0) failed_ = true;
    position_ = 0;
}

bool ImageOutput::Close() {
    if (!file_) return false;
    bool flushed = std::fflush(file_) == 0 && !std::ferror(file_);
    bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    return flushed && closed && !failed_;
}

PageInput::~PageInput() {
    if (file_) std::fclose(file_);
}

bool PageInput::Open(const std::string& path) {
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_) return false;
    // The caller reads in chunks larger than any stdio buffer would be.
    std::setvbuf(file_, nullptr, _IONBF, 0);
    return true;
}

std::size_t PageInput::Read(char* buffer, std::size_t size) {
    return std::fread(buffer, 1, size, file_);
}

bool PageInput::Failed() const { return std::ferror(file_) != 0; }

}  // namespace voka
