// Registry, INI and environment items, both directions, on the real registry and profile files.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlwapi.h>

#include "RegIni.h"
#include "RegOp.h"
#include "scratch_dir.h"

namespace {

const char kSandbox[] = "Software\\KorvanTests\\RegOp";
const std::string kSandboxPath = std::string("HKEY_CURRENT_USER\\") + kSandbox;

class RegOpTest : public ::testing::Test {
protected:
    void TearDown() override {
        SHDeleteKeyA(HKEY_CURRENT_USER, kSandbox);
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KorvanTests");
    }
};

// Type and bytes of a value as the registry holds them.
struct RawValue {
    bool found = false;
    DWORD type = 0;
    std::string bytes;
};

RawValue ReadRaw(HKEY root, const std::string& subKey, const std::string& name) {
    RawValue value;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return value;
    char buffer[1024] = {};
    DWORD size = sizeof buffer;
    value.found = RegQueryValueExA(key, name.c_str(), nullptr, &value.type,
                                   reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS;
    value.bytes.assign(buffer, size);
    RegCloseKey(key);
    return value;
}

DWORD DwordOf(const RawValue& value) {
    DWORD number = 0;
    if (value.bytes.size() == sizeof number) memcpy(&number, value.bytes.data(), sizeof number);
    return number;
}

bool KeyExists(HKEY root, const std::string& subKey) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

TEST_F(RegOpTest, IntegerItemIsCreatedAndItsWholeKeyRemoved) {
    std::string item = "," + kSandboxPath + "\\Demo,Level,5,Create,Remove,Integer,";
    ASSERT_TRUE(RegistryOp(item, true));
    RawValue level = ReadRaw(HKEY_CURRENT_USER, std::string(kSandbox) + "\\Demo", "Level");
    ASSERT_TRUE(level.found);
    EXPECT_EQ(level.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(DwordOf(level), 5u);

    ASSERT_TRUE(RegistryOp(item, false));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, std::string(kSandbox) + "\\Demo"));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kSandbox));
}

TEST_F(RegOpTest, ItemWithoutRootWorksOnTheCurrentUser) {
    ASSERT_TRUE(RegistryOp("," + std::string(kSandbox) + "\\NoRoot,,hello,create,remove,string,",
                           true));
    RawValue value = ReadRaw(HKEY_CURRENT_USER, std::string(kSandbox) + "\\NoRoot", "");
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(value.bytes.c_str(), "hello");
}

TEST_F(RegOpTest, ActionWordsDecideTheOutcome) {
    const struct {
        const char* install;
        const char* uninstall;
        bool installResult;
        bool uninstallResult;
    } cases[] = {{"Create", "", true, false},
                 {"CREATE", "Keep", true, false},
                 {"Add", "Remove", false, true},
                 {"", "", false, false}};
    for (const auto& c : cases) {
        std::string item = "," + kSandboxPath + "\\Actions,v,1," + c.install + "," + c.uninstall +
                           ",String,";
        EXPECT_EQ(RegistryOp(item, true), c.installResult) << c.install;
        EXPECT_EQ(RegistryOp(item, false), c.uninstallResult) << c.uninstall;
    }
}

TEST_F(RegOpTest, WriteRegValueTypes) {
    const struct {
        const char* data;
        const char* type;
        bool written;
        DWORD expectedType;
        const char* expectedText;
        DWORD expectedNumber;
    } cases[] = {{"text", "String", true, REG_SZ, "text", 0},
                 {"42", "integer", true, REG_DWORD, "", 42},
                 {"4x", "Integer", true, REG_DWORD, "", 0},
                 {"9", "Binary", false, 0, "", 0}};
    int n = 0;
    for (const auto& c : cases) {
        std::string key = kSandboxPath + "\\Types\\" + std::to_string(n++);
        ASSERT_TRUE(WriteRegValue(key, "v", c.data, c.type)) << c.type;
        EXPECT_TRUE(RegKeyExists(key));
        RawValue value = ReadRaw(HKEY_CURRENT_USER, key.substr(18), "v");
        EXPECT_EQ(value.found, c.written) << c.type;
        if (!c.written) continue;
        EXPECT_EQ(value.type, c.expectedType);
        if (c.expectedType == REG_SZ)
            EXPECT_STREQ(value.bytes.c_str(), c.expectedText);
        else
            EXPECT_EQ(DwordOf(value), c.expectedNumber);
    }
}

TEST_F(RegOpTest, ReadRegValueTextByType) {
    std::string key = kSandboxPath + "\\Read";
    ASSERT_TRUE(WriteRegValue(key, "s", "abc", "String"));
    ASSERT_TRUE(WriteRegValue(key, "n", "4294967295", "Integer"));
    HKEY handle = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, (std::string(kSandbox) + "\\Read").c_str(), 0,
                            KEY_WRITE, &handle),
              ERROR_SUCCESS);
    const char expand[] = "%TEMP%\\x";
    RegSetValueExA(handle, "e", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(expand),
                   sizeof expand);
    RegSetValueExA(handle, "b", 0, REG_BINARY, reinterpret_cast<const BYTE*>("\1\2"), 2);
    RegCloseKey(handle);

    bool isInteger = true;
    EXPECT_EQ(ReadRegValueText(key, "s", isInteger), "abc");
    EXPECT_FALSE(isInteger);
    EXPECT_EQ(ReadRegValueText(key, "n", isInteger), "4294967295");
    EXPECT_TRUE(isInteger);
    EXPECT_EQ(ReadRegValueText(key, "e", isInteger), "%TEMP%\\x");
    EXPECT_EQ(ReadRegValueText(key, "b", isInteger), "");
    EXPECT_EQ(ReadRegValueText(key, "missing", isInteger), "");
    // A missing key leaves the flag as it was.
    isInteger = true;
    EXPECT_EQ(ReadRegValueText(kSandboxPath + "\\Absent", "s", isInteger), "");
    EXPECT_TRUE(isInteger);
}

TEST_F(RegOpTest, DeleteRegKeyTakesSubKeysAndAcceptsMissingKeys) {
    ASSERT_TRUE(WriteRegValue(kSandboxPath + "\\Tree\\A\\B", "v", "1", "String"));
    EXPECT_TRUE(DeleteRegKey(kSandboxPath + "\\Tree"));
    EXPECT_FALSE(RegKeyExists(kSandboxPath + "\\Tree"));
    EXPECT_TRUE(DeleteRegKey(kSandboxPath + "\\Tree"));
    EXPECT_FALSE(RegKeyExists(kSandboxPath + "\\Tree"));
}

TEST_F(RegOpTest, ARootAloneIsNeverDeleted) {
    ASSERT_TRUE(WriteRegValue(kSandboxPath, "v", "1", "String"));
    for (const char* path : {"HKEY_CURRENT_USER\\", "", " hkey_current_user\\ "}) {
        EXPECT_FALSE(DeleteRegKey(path)) << path;
        EXPECT_FALSE(RegistryOp(std::string("|") + path + "|v|1|Create|Remove|String|", false));
    }
    EXPECT_TRUE(RegKeyExists(kSandboxPath));
    EXPECT_TRUE(RegKeyExists("HKEY_CURRENT_USER\\Software"));
}

TEST_F(RegOpTest, RemovedIniItemKeepsItsSection) {
    testsupport::ScratchDir scratch;
    std::string file = scratch / "app.ini";
    std::string keep = "," + file + ",Main,Keep,1,Create,Remove,";
    std::string item = "," + file + ",Main,Level,7,Create,Remove,";
    ASSERT_TRUE(IniFileOp(keep, true));
    ASSERT_TRUE(IniFileOp(item, true));
    EXPECT_EQ(IniReadString(file, "Main", "Level", "none"), "7");

    ASSERT_TRUE(IniFileOp(item, false));
    EXPECT_EQ(IniReadString(file, "Main", "Level", "none"), "none");
    EXPECT_EQ(IniReadString(file, "Main", "Keep", "none"), "1");
    ASSERT_TRUE(IniFileOp(keep, false));
    EXPECT_NE(testsupport::ReadFileBytes(file).find("[Main]"), std::string::npos);
    EXPECT_FALSE(IniFileOp("," + file + ",Main,Level,7,Create,,", false));
}

// Counts the setting-change messages that reach a top-level window.
class EnvironmentListener {
public:
    EnvironmentListener() {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = Proc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "KorvanEnvironmentListener";
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, windowClass.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
        count = 0;
    }
    ~EnvironmentListener() { DestroyWindow(window_); }
    static int count;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        // Wine hands a broadcast's text to ANSI windows garbled, so only the message is counted.
        if (message == WM_SETTINGCHANGE && wParam == 0) ++count;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    HWND window_;
};
int EnvironmentListener::count = 0;

TEST_F(RegOpTest, EnvironmentItemIsAPlainStringUnderTheSystemKey) {
    EnvironmentListener listener;
    const char kEnvironment[] = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment";
    std::string item = ",KORVAN_TEST_VAR,C:\\Korvan,Create,Remove,";
    ASSERT_TRUE(EnvironmentOp(item, true));
    EXPECT_EQ(EnvironmentListener::count, 1);
    RawValue value = ReadRaw(HKEY_LOCAL_MACHINE, kEnvironment, "KORVAN_TEST_VAR");
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(value.bytes.c_str(), "C:\\Korvan");

    ASSERT_TRUE(EnvironmentOp(item, false));
    EXPECT_EQ(EnvironmentListener::count, 2);
    EXPECT_FALSE(ReadRaw(HKEY_LOCAL_MACHINE, kEnvironment, "KORVAN_TEST_VAR").found);
    // Removing what is not there fails.
    EXPECT_FALSE(EnvironmentOp(item, false));
    EXPECT_FALSE(EnvironmentOp(",KORVAN_TEST_VAR,x,Make,Remove,", true));
    EXPECT_EQ(EnvironmentListener::count, 2);
}

}  // namespace
