// The product's registration with Windows and the shared-file counts, on the real registry.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlwapi.h>

#include <cstring>

#include "RegOp.h"
#include "SysInfo.h"

namespace {

const char kMachine[] = "HKEY_LOCAL_MACHINE\\";
const char kCurrentVersion[] = "Software\\Microsoft\\Windows\\CurrentVersion";
const char kProduct[] = "Korvan Registration Test";

std::string Sub(const std::string& tail) { return std::string(kCurrentVersion) + "\\" + tail; }

bool ReadMachine(const std::string& subKey, const std::string& name, DWORD& type,
                 std::string& bytes) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    char buffer[1024] = {};
    DWORD size = sizeof buffer;
    bool found = RegQueryValueExA(key, name.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS;
    bytes.assign(buffer, size);
    RegCloseKey(key);
    return found;
}

std::string MachineText(const std::string& subKey, const std::string& name) {
    DWORD type = 0;
    std::string bytes;
    return ReadMachine(subKey, name, type, bytes) && type == REG_SZ ? std::string(bytes.c_str())
                                                                    : "<missing>";
}

template <typename T>
T At(const std::string& bytes, size_t offset) {
    T value{};
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

class RegRegisterTest : public ::testing::Test {
protected:
    void TearDown() override {
        SetOsVersionForTest(nullptr);
        SHDeleteKeyA(HKEY_LOCAL_MACHINE, Sub("UnInstall\\" + std::string(kProduct)).c_str());
        SHDeleteKeyA(HKEY_LOCAL_MACHINE,
                     Sub("App Management\\ARPCache\\" + std::string(kProduct)).c_str());
        SHDeleteKeyA(HKEY_LOCAL_MACHINE, Sub("App Paths\\korvantest.exe").c_str());
        SHDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\KorvanTestCompany");
        HKEY shared = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, Sub("SharedDLLs").c_str(), 0, KEY_WRITE, &shared) ==
            ERROR_SUCCESS) {
            RegDeleteValueA(shared, kSharedFile);
            RegCloseKey(shared);
        }
    }
    void SetOs(unsigned platform, unsigned major, unsigned minor) {
        OsVersionInfo version;
        version.platform = platform;
        version.major = major;
        version.minor = minor;
        SetOsVersionForTest(&version);
    }
    static constexpr const char* kSharedFile = "C:\\KorvanTest\\shared.dll";
};

TEST_F(RegRegisterTest, UninstallEntry) {
    std::string path = RegisterUninstall(kProduct, "C:\\Korvan\\UnInstall.exe", "1.01", "Tarsel");
    std::string key = Sub("UnInstall\\" + std::string(kProduct));
    EXPECT_EQ(path, kMachine + key);
    EXPECT_EQ(MachineText(key, "DisplayName"), kProduct);
    EXPECT_EQ(MachineText(key, "UnInstallString"), "C:\\Korvan\\UnInstall.exe");
    EXPECT_EQ(MachineText(key, "DisplayVersion"), "1.01");
    EXPECT_EQ(MachineText(key, "Publisher"), "Tarsel");
    EXPECT_EQ(UninstallStringOf(kProduct, "none"), "C:\\Korvan\\UnInstall.exe");
    EXPECT_EQ(UninstallStringOf("Korvan Not Registered", "none"), "none");

    EXPECT_EQ(RegisterUninstall("", "C:\\x.exe", "1", "p"), "");
    EXPECT_EQ(RegisterUninstall("Korvan Empty Command", "", "1", "p"), "");
    EXPECT_EQ(MachineText(Sub("UnInstall\\Korvan Empty Command"), "DisplayName"), "<missing>");
}

TEST_F(RegRegisterTest, ArpCacheRecordLayout) {
    std::string record = ArpCacheRecord("C:\\Korvan\\KorvanConfig.exe", 3 * 1024 * 1024LL,
                                        0x0123456789ABCDEFULL);
    ASSERT_EQ(record.size(), 552u);
    EXPECT_EQ(At<uint32_t>(record, 0), 552u);
    EXPECT_EQ(At<uint32_t>(record, 4), 1u);
    EXPECT_EQ(At<int64_t>(record, 8), 3 * 1024 * 1024LL);
    EXPECT_EQ(At<uint64_t>(record, 16), 0x0123456789ABCDEFULL);
    EXPECT_EQ(At<uint32_t>(record, 24), 5u);
    std::wstring path(reinterpret_cast<const wchar_t*>(record.data() + 28));
    EXPECT_EQ(path, L"C:\\Korvan\\KorvanConfig.exe");
    EXPECT_EQ(record.find_first_not_of('\0', 28 + 2 * path.size()), std::string::npos);
}

TEST_F(RegRegisterTest, ArpCacheRecordCutsLongPathsToFit) {
    std::string longPath = "C:\\" + std::string(400, 'a') + ".exe";
    std::string record = ArpCacheRecord(longPath, 1, 0);
    ASSERT_EQ(record.size(), 552u);
    EXPECT_EQ(At<uint16_t>(record, 28 + 2 * 260), 'a');
    EXPECT_EQ(At<uint16_t>(record, 550), 0);
}

TEST_F(RegRegisterTest, ArpCacheIsWrittenOnXpWithTheCurrentTime) {
    SetOs(OsVersionInfo::kWinNT, 5, 1);
    FILETIME before = {};
    GetSystemTimeAsFileTime(&before);
    std::string path = WriteArpCache(kProduct, "C:\\Korvan\\KorvanConfig.exe", 4096);
    std::string key = Sub("App Management\\ARPCache\\" + std::string(kProduct));
    ASSERT_EQ(path, kMachine + key);

    DWORD type = 0;
    std::string bytes;
    ASSERT_TRUE(ReadMachine(key, "Changed", type, bytes));
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(At<uint32_t>(bytes, 0), 0u);
    ASSERT_TRUE(ReadMachine(key, "SlowInfoCache", type, bytes));
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    ASSERT_EQ(bytes.size(), 552u);
    EXPECT_EQ(At<int64_t>(bytes, 8), 4096);
    uint64_t written = At<uint64_t>(bytes, 16);
    uint64_t start = (static_cast<uint64_t>(before.dwHighDateTime) << 32) | before.dwLowDateTime;
    EXPECT_GE(written, start);
    EXPECT_LT(written - start, 600ULL * 10000000ULL);
}

TEST_F(RegRegisterTest, ArpCacheWritesNothingWhenItDoesNotApply) {
    SetOs(OsVersionInfo::kWinNT, 5, 1);
    EXPECT_EQ(WriteArpCache(kProduct, "C:\\Korvan\\a.exe", 0), "");
    EXPECT_EQ(WriteArpCache(kProduct, "", 10), "");
    EXPECT_EQ(WriteArpCache("", "C:\\Korvan\\a.exe", 10), "");
    SetOs(OsVersionInfo::kWin9x, 4, 10);
    EXPECT_EQ(WriteArpCache(kProduct, "C:\\Korvan\\a.exe", 10), "");
    SetOs(OsVersionInfo::kWinNT, 4, 0);
    EXPECT_EQ(WriteArpCache(kProduct, "C:\\Korvan\\a.exe", 10), "");
    DWORD type = 0;
    std::string bytes;
    EXPECT_FALSE(ReadMachine(Sub("App Management\\ARPCache\\" + std::string(kProduct)),
                             "SlowInfoCache", type, bytes));
}

TEST_F(RegRegisterTest, AppPaths) {
    const struct {
        const char* program;
        const char* directory;
    } cases[] = {{"C:\\korvantest.exe", "C:"}, {"C:\\Program Files\\Korvan\\korvantest.exe",
                                                "C:\\Program Files\\Korvan"}};
    for (const auto& c : cases) {
        std::string path = RegisterAppPath(c.program);
        EXPECT_EQ(path, kMachine + Sub("App Paths\\korvantest.exe"));
        EXPECT_EQ(AppPathOf("korvantest.exe"), c.program);
        EXPECT_EQ(AppDirOf("KORVANTEST.EXE"), c.directory);
    }
    EXPECT_EQ(RegisterAppPath(""), "");
    EXPECT_EQ(AppPathOf("korvan-not-there.exe"), "");
    EXPECT_EQ(AppDirOf("korvan-not-there.exe"), "");
}

TEST_F(RegRegisterTest, ApplicationAndUserInfoKeys) {
    std::string product = RegisterApplication("KorvanTestCompany", "Config", "1.01");
    EXPECT_EQ(product, std::string(kMachine) + "Software\\KorvanTestCompany\\Config");
    EXPECT_EQ(MachineText("Software\\KorvanTestCompany\\Config\\1.01", ""), "<missing>");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\KorvanTestCompany\\Config\\1.01", 0,
                            KEY_READ, &key),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(RegisterApplication("KorvanTestCompany", "", "1"), "");

    std::string info = WriteUserInfo("KorvanTestCompany", "Config\\", "\\1.01\\", "Ann", "");
    EXPECT_EQ(info, std::string(kMachine) + "Software\\KorvanTestCompany\\Config\\1.01");
    EXPECT_EQ(MachineText("Software\\KorvanTestCompany\\Config\\1.01", "Name"), "Ann");
    EXPECT_EQ(MachineText("Software\\KorvanTestCompany\\Config\\1.01", "Company"), "<missing>");
    EXPECT_EQ(WriteUserInfo("KorvanTestCompany", "Config", "", "Ann", "Co"), "");
}

TEST_F(RegRegisterTest, SharedCountsRiseFallAndDisappear) {
    EXPECT_EQ(ReleaseSharedDll(kSharedFile), 0);
    DWORD type = 0;
    std::string bytes;
    EXPECT_FALSE(ReadMachine(Sub("SharedDLLs"), kSharedFile, type, bytes));

    EXPECT_EQ(AddSharedDll(kSharedFile), 1);
    EXPECT_EQ(AddSharedDll(kSharedFile), 2);
    ASSERT_TRUE(ReadMachine(Sub("SharedDLLs"), kSharedFile, type, bytes));
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(At<uint32_t>(bytes, 0), 2u);

    EXPECT_EQ(ReleaseSharedDll(kSharedFile), 1);
    EXPECT_EQ(ReleaseSharedDll(kSharedFile), 0);
    EXPECT_FALSE(ReadMachine(Sub("SharedDLLs"), kSharedFile, type, bytes));
}

TEST_F(RegRegisterTest, ASharedValueThatIsNoCountKeepsTheFile) {
    ASSERT_TRUE(WriteRegValue(kMachine + Sub("SharedDLLs"), kSharedFile, "3", "String"));
    EXPECT_EQ(ReleaseSharedDll(kSharedFile), 1);
    EXPECT_EQ(MachineText(Sub("SharedDLLs"), kSharedFile), "3");
    // Adding replaces it by a proper count.
    EXPECT_EQ(AddSharedDll(kSharedFile), 1);
}

TEST_F(RegRegisterTest, RegisteredOwnerAndOrganization) {
    const struct {
        const char* name;
        std::string (*read)();
    } cases[] = {{"RegisteredOwner", GetRegisteredOwner},
                 {"RegisteredOrganization", GetRegisteredOrganization}};
    for (const auto& c : cases) {
        DWORD type = 0;
        std::string original;
        bool existed = ReadMachine(kCurrentVersion, c.name, type, original);
        ASSERT_TRUE(WriteRegValue(kMachine + std::string(kCurrentVersion), c.name, "Korvan Tester",
                                  "String"));
        EXPECT_EQ(c.read(), "Korvan Tester") << c.name;
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kCurrentVersion, 0, KEY_WRITE, &key),
                  ERROR_SUCCESS);
        if (existed)
            RegSetValueExA(key, c.name, 0, type, reinterpret_cast<const BYTE*>(original.data()),
                           static_cast<DWORD>(original.size()));
        else
            RegDeleteValueA(key, c.name);
        RegCloseKey(key);
        if (!existed) EXPECT_EQ(c.read(), "") << c.name;
    }
}

}  // namespace
