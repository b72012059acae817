// The product's registration with Windows and the shared-file reference counts.
#include <windows.h>

#include <cstring>

#include "RegKey.h"
#include "RegOp.h"
#include "PathText.h"
#include "SysInfo.h"

namespace {

const char kMachine[] = "HKEY_LOCAL_MACHINE\\";
const char kCurrentVersion[] = "Software\\Microsoft\\Windows\\CurrentVersion";
const std::string kUninstallKey = std::string(kCurrentVersion) + "\\UnInstall";
const std::string kAppPathsKey = std::string(kCurrentVersion) + "\\App Paths\\";
const std::string kSharedDllsKey = std::string(kMachine) + kCurrentVersion + "\\SharedDLLs";

constexpr size_t kArpRecordSize = 552;
constexpr size_t kArpPathOffset = 28;
constexpr size_t kArpPathChars = (kArpRecordSize - kArpPathOffset) / 2;  // terminator included

template <typename T>
void PutLittleEndian(std::string& record, size_t offset, T value) {
    for (size_t i = 0; i < sizeof(T); ++i)
        record[offset + i] = static_cast<char>((static_cast<uint64_t>(value) >> (8 * i)) & 0xFF);
}

// The directory of a program without one final ":" or "\\": "C:\\app.exe" gives "C:".
std::string AppPathDirectory(const std::string& program) {
    std::string directory = FileDirOf(program);
    if (!directory.empty() && (directory.back() == ':' || directory.back() == '\\'))
        directory.pop_back();
    return directory;
}

uint64_t CurrentFileTime() {
    FILETIME now = {};
    GetSystemTimeAsFileTime(&now);
    return (static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

std::string ReadMachineText(const std::string& key, const std::string& name) {
    bool isInteger = false;
    return ReadRegValueText(kMachine + key, name, isInteger);
}

}  // namespace

std::string RegisterUninstall(const std::string& displayName, const std::string& command,
                              const std::string& version, const std::string& publisher) {
    if (displayName.empty() || command.empty()) return "";
    std::string path = kMachine + kUninstallKey + "\\" + displayName;
    RegKey key;
    bool written = key.Create(path) && key.WriteString("DisplayName", displayName) &&
                   key.WriteString("UnInstallString", command) &&
                   key.WriteString("DisplayVersion", version) &&
                   key.WriteString("Publisher", publisher);
    return written ? path : "";
}

std::string ArpCacheRecord(const std::string& program, int64_t installedSize, uint64_t fileTime) {
    std::string record(kArpRecordSize, '\0');
    PutLittleEndian<uint32_t>(record, 0, kArpRecordSize);
    PutLittleEndian<uint32_t>(record, 4, 1);
    PutLittleEndian<int64_t>(record, 8, installedSize);
    PutLittleEndian<uint64_t>(record, 16, fileTime);
    PutLittleEndian<uint32_t>(record, 24, 5);
    std::wstring wide(program.size() + 1, L'\0');
    int length = MultiByteToWideChar(CP_ACP, 0, program.c_str(), static_cast<int>(program.size()),
                                     &wide[0], static_cast<int>(wide.size()));
    // Longer paths are cut so that the terminator still fits.
    size_t kept = std::min<size_t>(length > 0 ? static_cast<size_t>(length) : 0, kArpPathChars - 1);
    for (size_t i = 0; i < kept; ++i)
        PutLittleEndian<uint16_t>(record, kArpPathOffset + 2 * i, static_cast<uint16_t>(wide[i]));
    return record;
}

std::string WriteArpCache(const std::string& displayName, const std::string& program,
                          int64_t installedSize) {
    std::string os = OsShortName();
    if (os == "95" || os == "98" || os == "ME" || os == "NT") return "";
    if (displayName.empty() || program.empty() || installedSize <= 0) return "";
    std::string record = ArpCacheRecord(program, installedSize, CurrentFileTime());
    std::string path = std::string(kMachine) + kCurrentVersion +
                       "\\App Management\\ARPCache\\" + displayName;
    RegKey key;
    bool written = key.Create(path) && key.WriteInteger("Changed", 0) &&
                   key.WriteBinary("SlowInfoCache", record);
    return written ? path : "";
}

std::string RegisterAppPath(const std::string& program) {
    if (program.empty()) return "";
    std::string path = kMachine + kAppPathsKey + FileNameOf(program);
    RegKey key;
    bool written = key.Create(path) && key.WriteString("", program) &&
                   key.WriteString("Path", AppPathDirectory(program));
    return written ? path : "";
}

std::string RegisterApplication(const std::string& company, const std::string& product,
                                const std::string& version) {
    if (company.empty() || product.empty() || version.empty()) return "";
    std::string productKey = std::string(kMachine) + "Software\\" + company + "\\" + product;
    RegKey key;
    key.Create(productKey + "\\" + version);
    return productKey;
}

std::string WriteUserInfo(const std::string& company, const std::string& product,
                          const std::string& version, const std::string& userName,
                          const std::string& userCompany) {
    if (company.empty() || product.empty() || version.empty()) return "";
    std::string subKey =
        CollapseBackslashes("Software\\" + company + "\\" + product + "\\" + version);
    if (!subKey.empty() && subKey.back() == '\\') subKey.pop_back();
    std::string path = kMachine + subKey;
    RegKey key;
    if (!key.Create(path)) return "";
    if (!userName.empty() && !key.WriteString("Name", userName)) return "";
    if (!userCompany.empty() && !key.WriteString("Company", userCompany)) return "";
    return path;
}

std::string UninstallStringOf(const std::string& displayName, const std::string& fallback) {
    RegKey key;
    DWORD type = 0;
    std::string bytes;
    if (!key.Open(kMachine + kUninstallKey + "\\" + displayName, KEY_READ) ||
        !key.ReadRaw("UnInstallString", type, bytes))
        return fallback;
    return std::string(bytes.c_str());
}

std::string AppPathOf(const std::string& fileName) {
    return ReadMachineText(kAppPathsKey + fileName, "");
}

std::string AppDirOf(const std::string& fileName) {
    return ReadMachineText(kAppPathsKey + fileName, "Path");
}

std::string GetRegisteredOwner() { return ReadMachineText(kCurrentVersion, "RegisteredOwner"); }

std::string GetRegisteredOrganization() {
    return ReadMachineText(kCurrentVersion, "RegisteredOrganization");
}

int AddSharedDll(const std::string& path) {
    RegKey key;
    if (!key.Create(kSharedDllsKey)) return 0;
    DWORD type = 0;
    std::string bytes;
    DWORD count = 0;
    // A count that is not an integer value is taken as none and replaced.
    if (key.ReadRaw(path, type, bytes) && type == REG_DWORD && bytes.size() == sizeof count)
        std::memcpy(&count, bytes.data(), sizeof count);
    ++count;
    key.WriteInteger(path, count);
    return static_cast<int>(count);
}

int ReleaseSharedDll(const std::string& path) {
    RegKey key;
    if (!key.Create(kSharedDllsKey)) return 0;
    DWORD type = 0;
    std::string bytes;
    if (!key.ReadRaw(path, type, bytes)) return 0;
    // A value that is not a count is left alone and the file kept: another product may use it.
    if (type != REG_DWORD || bytes.size() != sizeof(DWORD)) return 1;
    DWORD count = 0;
    std::memcpy(&count, bytes.data(), sizeof count);
    DWORD now = count > 1 ? count - 1 : 0;
    key.WriteInteger(path, now);
    if (now == 0) key.DeleteValue(path);
    return static_cast<int>(now);
}
