// Shortcuts created where the shell folders point.
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "RegOp.h"
#include "ScriptedInteraction.h"
#include "scratch_dir.h"

namespace {

const char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Points one shell-folder value at a folder of the test and restores it afterwards.
class ShellFolderOverride {
public:
    ShellFolderOverride(HKEY root, const std::string& name, const std::string& folder)
        : root_(root), name_(name) {
        RegCreateKeyExA(root, kShellFolders, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_,
                        nullptr);
        char buffer[1024] = {};
        DWORD size = sizeof buffer;
        existed_ = RegQueryValueExA(key_, name.c_str(), nullptr, &type_,
                                    reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS;
        original_.assign(buffer, size);
        RegSetValueExA(key_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                       static_cast<DWORD>(folder.size() + 1));
    }
    ~ShellFolderOverride() {
        if (existed_)
            RegSetValueExA(key_, name_.c_str(), 0, type_,
                           reinterpret_cast<const BYTE*>(original_.data()),
                           static_cast<DWORD>(original_.size()));
        else
            RegDeleteValueA(key_, name_.c_str());
        RegCloseKey(key_);
    }

private:
    HKEY root_;
    std::string name_;
    HKEY key_ = nullptr;
    bool existed_ = false;
    DWORD type_ = REG_SZ;
    std::string original_;
};

struct LinkData {
    bool loaded = false;
    std::string path, arguments, workDir, iconFile;
    int iconIndex = -1;
};

LinkData ReadLink(const std::string& file) {
    LinkData data;
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    IPersistFile* persist = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)))) {
        std::wstring wide(file.begin(), file.end());
        if (SUCCEEDED(persist->Load(wide.c_str(), STGM_READ))) {
            char text[MAX_PATH] = {};
            link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
            data.path = text;
            link->GetArguments(text, MAX_PATH);
            data.arguments = text;
            link->GetWorkingDirectory(text, MAX_PATH);
            data.workDir = text;
            link->GetIconLocation(text, MAX_PATH, &data.iconIndex);
            data.iconFile = text;
            data.loaded = true;
        }
    }
    if (persist) persist->Release();
    if (link) link->Release();
    CoUninitialize();
    return data;
}

bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

class RegDoriTest : public ::testing::Test {
protected:
    testsupport::ScratchDir scratch_;
    ui::ScriptedInteraction script_;
};

TEST_F(RegDoriTest, LinkInAProgramsSubFolderReturnsTheFolder) {
    ShellFolderOverride programs(HKEY_CURRENT_USER, "Programs", scratch_ / "Programs");
    std::string target = scratch_ / "app.exe";
    std::string result = CreateDori(kDoriPrograms, " \\Tools ", false, "Readme", target, "/r",
                                    scratch_.Path(), target, 2, SW_SHOWMAXIMIZED);
    EXPECT_EQ(result, scratch_ / "Programs\\Tools");
    std::string link = scratch_ / "Programs\\Tools\\Readme.lnk";
    ASSERT_TRUE(FileExists(link));
    LinkData data = ReadLink(link);
    ASSERT_TRUE(data.loaded);
    EXPECT_EQ(data.path, target);
    EXPECT_EQ(data.arguments, "/r");
    EXPECT_EQ(data.workDir, scratch_.Path());
    EXPECT_EQ(data.iconFile, target);
    EXPECT_EQ(data.iconIndex, 2);
    // The show command as the link file holds it (Wine's link object does not read it back).
    std::string bytes = testsupport::ReadFileBytes(link);
    ASSERT_GE(bytes.size(), 64u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[60]), SW_SHOWMAXIMIZED);
    EXPECT_TRUE(script_.Calls().empty());
}

TEST_F(RegDoriTest, WhichLinksAreReturnedAsFiles) {
    ShellFolderOverride desktop(HKEY_CURRENT_USER, "Desktop", scratch_ / "Desktop");
    ShellFolderOverride programs(HKEY_CURRENT_USER, "Programs", scratch_ / "Programs");
    ShellFolderOverride sendTo(HKEY_CURRENT_USER, "Sendto", scratch_ / "SendTo");
    const struct {
        int kind;
        const char* sub;
        const char* name;
        const char* expected;
    } cases[] = {{kDoriDesktop, "Tools", "Readme", "Desktop\\Tools\\Readme.lnk"},
                 {kDoriPrograms, "", "Korvan", "Programs\\Korvan.lnk"},
                 {kDoriPrograms, "Korvan", "Check for New Update now",
                  "Programs\\Korvan\\Check for New Update now.lnk"},
                 {kDoriSendTo, "Korvan", "Send", "SendTo\\Korvan"}};
    for (const auto& c : cases) {
        std::string result = CreateDori(c.kind, c.sub, false, c.name, scratch_ / "app.exe", "", "",
                                        "", 0, SW_SHOWNORMAL);
        EXPECT_EQ(result, scratch_ / c.expected) << c.name;
    }
}

TEST_F(RegDoriTest, WebAddressesBecomeInternetShortcutsWhateverTheKind) {
    ShellFolderOverride startup(HKEY_CURRENT_USER, "Startup", scratch_ / "Startup");
    std::string result = CreateDori(kDoriStartup, "Korvan", false, "Home", "HTTP://korvan.example",
                                    "", "C:\\Work", "C:\\icons.dll", 3, SW_SHOWNORMAL);
    EXPECT_EQ(result, scratch_ / "Startup\\Korvan\\Home.url");
    EXPECT_EQ(testsupport::ReadFileBytes(result),
              "[InternetShortcut]\r\nURL=HTTP://korvan.example\r\nIconFile=C:\\icons.dll\r\n"
              "IconIndex=3\r\nWorkingDirectory=C:\\Work\r\n");
    result = CreateDori(kDoriStartup, "", false, "Mail", "mailto:help@korvan.example", "", "", "",
                        0, SW_SHOWNORMAL);
    EXPECT_EQ(testsupport::ReadFileBytes(result),
              "[InternetShortcut]\r\nURL=mailto:help@korvan.example\r\n");
}

TEST_F(RegDoriTest, AllUsersFallsBackToTheCommonValue) {
    ShellFolderOverride common(HKEY_LOCAL_MACHINE, "Common Desktop", scratch_ / "Public");
    std::string result = CreateDori(kDoriDesktop, "", true, "Korvan", scratch_ / "app.exe", "", "",
                                    "", 0, SW_SHOWNORMAL);
    EXPECT_EQ(result, scratch_ / "Public\\Korvan.lnk");
    EXPECT_TRUE(FileExists(result));
}

TEST_F(RegDoriTest, AFolderThatCannotBeCreatedIsReported) {
    ASSERT_TRUE(testsupport::WriteFileBytes(scratch_ / "file", "x"));
    ShellFolderOverride programs(HKEY_CURRENT_USER, "Programs", scratch_ / "file");
    CreateDori(kDoriPrograms, "Sub", false, "Korvan", "C:\\app.exe", "", "", "", 0, SW_SHOWNORMAL);
    auto boxes = script_.CallsOf("MessageBox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_NE(boxes[0].text.find("Unable to create Dori Directory!"), std::string::npos);
    EXPECT_NE(boxes[0].text.find("(RegOp.CreateDori)"), std::string::npos);
}

TEST_F(RegDoriTest, UnknownFolderCreatesNothing) {
    EXPECT_EQ(CreateDori(9, "", false, "Korvan", "C:\\app.exe", "", "", "", 0, SW_SHOWNORMAL), "");
}

}  // namespace
