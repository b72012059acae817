#pragma once
// Test helpers: a scratch folder per test, and the fixture files of the source tree.
#include <string>

namespace testsupport {

// A fresh, empty folder for the running test, removed with everything in it on destruction.
// On Windows it lies in the temporary folder; on Linux under /tmp.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    // The folder, with no trailing separator.
    const std::string& Path() const { return path_; }
    // Path() + separator + name.
    std::string operator/(const std::string& name) const;

private:
    std::string path_;
};

// The folder separator of the platform the test runs on.
char Separator();

// Absolute path of a file in the source tree ("tests/image_tool/fixtures/x"), in the
// platform's own form (a Z:\ path under Wine).
std::string SourcePath(const std::string& relative);

// Absolute path of a file in the build tree, in the platform's own form.
std::string BinaryPath(const std::string& relative);

// Whole file as bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);
// Writes the bytes, creating or truncating the file; false on failure.
bool WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace testsupport
