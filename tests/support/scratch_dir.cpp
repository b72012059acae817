#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace testsupport {

namespace {

std::string TempRoot() {
#ifdef _WIN32
    char buffer[MAX_PATH + 1] = {};
    DWORD length = GetTempPathA(sizeof buffer, buffer);
    std::string root(buffer, length);
    if (!root.empty() && root.back() == '\\') root.pop_back();
    return root + "\\korvan-tests";
#else
    return "/tmp/korvan-tests-" + std::to_string(getpid());
#endif
}

std::string TestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "global";
    for (char& c : name)
        if (c == '/' || c == '\\' || c == ':') c = '_';
    return name;
}

// Maps a Linux path handed in through the environment to the form the platform opens.
std::string PlatformPath(std::string path) {
#ifdef _WIN32
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path)
        if (c == '/') c = '\\';
#endif
    return path;
}

std::string FromEnvironment(const char* variable, const std::string& relative) {
    const char* root = std::getenv(variable);
    std::string path = PlatformPath(std::string(root ? root : ".") + "/" + relative);
    return path;
}

}  // namespace

char Separator() {
#ifdef _WIN32
    return '\\';
#else
    return '/';
#endif
}

ScratchDir::ScratchDir() {
    path_ = TempRoot() + Separator() + TestName();
    std::error_code ignored;
    fs::remove_all(path_, ignored);
    fs::create_directories(path_);
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string ScratchDir::operator/(const std::string& name) const {
    return path_ + Separator() + name;
}

std::string SourcePath(const std::string& relative) {
    return FromEnvironment("KORVAN_SOURCE_DIR", relative);
}

std::string BinaryPath(const std::string& relative) {
    return FromEnvironment("KORVAN_BINARY_DIR", relative);
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace testsupport
