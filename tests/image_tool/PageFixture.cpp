#include "PageFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "scratch_dir.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace vokatest {

void WritePages(const std::string& folder, const std::vector<Page>& pages) {
    for (const Page& page : pages) {
        std::string path = folder + testsupport::Separator() + page.Name;
        for (char& c : path)
            if (c == '/' && testsupport::Separator() != '/') c = testsupport::Separator();
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        ASSERT_TRUE(testsupport::WriteFileBytes(path, page.Bytes)) << path;
    }
}

std::string Entry(unsigned address, const std::string& name12) {
    std::string entry;
    entry += '\x00';
    entry += static_cast<char>(address & 0xFF);
    entry += static_cast<char>((address >> 8) & 0xFF);
    return entry + name12;
}

std::string EndEntry() { return std::string("\x04\xFF\xFF", 3) + "END OF FAT  "; }

std::string BlockEnd() { return std::string("\x04\xFF\xFF", 3); }

std::string MakeHiddenPage(const std::string& folder, const std::string& name,
                           const std::string& bytes) {
#ifdef _WIN32
    std::string path = folder + "\\" + name;
    EXPECT_TRUE(testsupport::WriteFileBytes(path, bytes));
    EXPECT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN));
    return name;
#else
    std::string hidden = "." + name;
    EXPECT_TRUE(testsupport::WriteFileBytes(folder + "/" + hidden, bytes));
    return hidden;
#endif
}

}  // namespace vokatest
