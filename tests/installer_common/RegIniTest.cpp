#include <gtest/gtest.h>
#include <shlwapi.h>
#include <windows.h>

#include "RegIni.h"
#include "scratch_dir.h"

namespace {

// A sandbox key of this test program under HKCU\Software\KorvanTests, removed afterwards.
class RegIniTest : public ::testing::Test {
protected:
    const std::string subKey =
        "Software\\KorvanTests\\RegIni" + std::to_string(GetCurrentProcessId());
    const std::string path = "HKEY_CURRENT_USER\\" + subKey;

    void TearDown() override { SHDeleteKeyA(HKEY_CURRENT_USER, subKey.c_str()); }

    // Reads a value back with the registry functions themselves.
    bool RawRead(const std::string& name, DWORD& type, std::string& data) {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return false;
        }
        char buffer[4096];
        DWORD size = sizeof buffer;
        const LONG result = RegQueryValueExA(key, name.c_str(), nullptr, &type,
                                             reinterpret_cast<BYTE*>(buffer), &size);
        RegCloseKey(key);
        data.assign(buffer, size);
        return result == ERROR_SUCCESS;
    }
    void RawWrite(const std::string& name, DWORD type, const std::string& data) {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, nullptr, 0, KEY_WRITE,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                       static_cast<DWORD>(data.size()));
        RegCloseKey(key);
    }
};

TEST_F(RegIniTest, RootKeys) {
    std::string sub;
    EXPECT_EQ(SplitRootKey("hkey_local_machine\\Software", sub), HKEY_LOCAL_MACHINE);
    EXPECT_EQ(sub, "Software");
    EXPECT_EQ(SplitRootKey("HKEY_CLASSES_ROOT\\.txt", sub), HKEY_CLASSES_ROOT);
    EXPECT_EQ(SplitRootKey("Software\\X", sub), HKEY_CURRENT_USER);
    EXPECT_EQ(RootKeyFromName("HKEY_USERS"), HKEY_USERS);
    EXPECT_EQ(RootKeyFromName("HKEY_NOTHING"), HKEY_CURRENT_USER);
}

TEST_F(RegIniTest, WriteStringStoresTheTextWithItsZero) {
    ASSERT_TRUE(RegWriteString(path + "\\Deeper", "Name", "Korvan"));
    ASSERT_TRUE(RegWriteString(path, "", "default text"));
    DWORD type = 0;
    std::string data;
    ASSERT_TRUE(RawRead("", type, data));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(data, std::string("default text", 13));
    EXPECT_EQ(RegReadValue(path + "\\Deeper", "Name", "x"), "Korvan");
    EXPECT_EQ(RegReadValue(path, "", "x"), "default text");
}

TEST_F(RegIniTest, ReadValueConvertsAndFallsBack) {
    RawWrite("Max", REG_DWORD, std::string(4, '\xFF'));
    RawWrite("Seven", REG_DWORD, std::string("\x07\0\0\0", 4));
    RawWrite("Expand", REG_EXPAND_SZ, std::string("%TEMP%\\x", 9));
    RawWrite("Unterminated", REG_BINARY, std::string(2048, 'a'));
    RawWrite("TooLong", REG_SZ, std::string(3000, 'b'));

    const struct {
        const char* name;
        std::string expected;
    } cases[] = {
        {"Max", "4294967295"},
        {"Seven", "7"},
        {"Expand", "%TEMP%\\x"},
        {"Unterminated", std::string(2048, 'a')},
        {"TooLong", "fallback"},
        {"Missing", "fallback"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RegReadValue(path, c.name, "fallback"), c.expected) << c.name;
    }
    EXPECT_EQ(RegReadValue(path + "\\NoSuchKey", "Max", "fallback"), "fallback");
}

TEST_F(RegIniTest, DeleteValue) {
    RawWrite("Gone", REG_SZ, std::string("x", 2));
    EXPECT_TRUE(RegDeleteValue(path, "Gone"));
    DWORD type;
    std::string data;
    EXPECT_FALSE(RawRead("Gone", type, data));
    EXPECT_FALSE(RegDeleteValue(path, "Gone"));
    EXPECT_FALSE(RegDeleteValue(path + "\\NoSuchKey", "Gone"));
}

TEST(IniTest, WriteAndReadThroughTheProfileFunctions) {
    testsupport::ScratchDir dir;
    const std::string file = dir / "settings.ini";
    ASSERT_TRUE(IniWriteString(file, "Install", "Target", "C:\\Korvan"));
    EXPECT_NE(testsupport::ReadFileBytes(file).find("[Install]\r\nTarget=C:\\Korvan"),
              std::string::npos);
    testsupport::WriteFileBytes(file, "[A]\r\nb=written elsewhere\r\n");
    EXPECT_EQ(IniReadString(file, "A", "b", "d"), "written elsewhere");
    EXPECT_EQ(IniReadString(file, "A", "missing", "d"), "d");
    EXPECT_EQ(IniReadString(dir / "none.ini", "A", "b", "d"), "d");
}

}  // namespace
