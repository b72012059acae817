#pragma once
// The image file being written: buffered, with its position tracked and every failure kept.
#include <cstdio>
#include <string>

namespace voka {

class ImageOutput {
public:
    ImageOutput() = default;
    ~ImageOutput();
    ImageOutput(const ImageOutput&) = delete;
    ImageOutput& operator=(const ImageOutput&) = delete;

    // Creates or truncates the file for binary writing; false when it cannot.
    bool Create(const std::string& path);
    void Write(const char* bytes, std::size_t count);
    void Write(const std::string& bytes) { Write(bytes.data(), bytes.size()); }
    // Bytes from the start of the file to where the next write lands.
    unsigned long long Position() const { return position_; }
    // Goes back to the start of the file, to write over what is there.
    void Rewind();
    // Closes the file; false when any write, seek or the close itself failed.
    bool Close();

private:
    std::FILE* file_ = nullptr;
    unsigned long long position_ = 0;
    bool failed_ = false;
};

// Reads one input file in large chunks.
class PageInput {
public:
    PageInput() = default;
    ~PageInput();
    PageInput(const PageInput&) = delete;
    PageInput& operator=(const PageInput&) = delete;

    bool Open(const std::string& path);
    // Fills buffer with up to size bytes; 0 at the end of the file or on a read failure.
    std::size_t Read(char* buffer, std::size_t size);
    // True when a read failed (as opposed to reaching the end).
    bool Failed() const;

private:
    std::FILE* file_ = nullptr;
};

}  // namespace voka
