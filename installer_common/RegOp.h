#pragma once
// Every change an installation makes outside its own files, and its undo: registry, INI,
// environment and association items, the product's registration with Windows, shared-file
// counts and open-with verbs. Registry paths are "ROOT\sub\key" strings; a missing or unknown
// root means HKEY_CURRENT_USER.
#include <cstdint>
#include <string>

// Generic registry access.
bool RegKeyExists(const std::string& path);
// Deletes the key with its sub-keys; true when it is gone (also when it never existed). A path
// that names a root key alone is refused (false).
bool DeleteRegKey(const std::string& path);
// Creates the key (and its parents) and writes a "String" or "Integer" value (decimal text,
// 0 when not a number); any other type writes nothing. False only when the registry failed.
bool WriteRegValue(const std::string& path, const std::string& name, const std::string& data,
                   const std::string& type);
// The value as text: strings as they are, integers in decimal (isInteger set true); "" for
// any other type or a missing value. A missing key leaves isInteger untouched.
std::string ReadRegValueText(const std::string& path, const std::string& name, bool& isInteger);

// Items: delimited lists whose action fields say what to do in each direction ("Create",
// "Remove"; anything else fails). install picks the install action, else the uninstall one.
bool RegistryOp(const std::string& item, bool install);
bool IniFileOp(const std::string& item, bool install);
bool EnvironmentOp(const std::string& item, bool install);
bool Associate(const std::string& item, bool install);

// Writes the key through the profile functions; a null value deletes the key.
bool WriteIniEntry(const std::string& file, const std::string& section, const std::string& key,
                   const char* value);
bool SetEnvironmentVar(const std::string& name, const std::string& value, bool broadcast);
bool RemoveEnvironmentVar(const std::string& name, bool broadcast);
// Tells all top-level windows that the environment changed (waits at most 4 s).
void BroadcastEnvironmentChange();

bool CreateAssociation(const std::string& typeKey, const std::string& description,
                       const std::string& extension, const std::string& command);
bool RemoveAssociation(const std::string& typeKey, const std::string& extension);
// Tells the shell about changed associations when an item changed one since the last call.
void NotifyAssociationChange();
// Whether an association was changed since the last NotifyAssociationChange.
bool AssociationChanged();
// "*.txt; *.log" -> ";.txt;.log;": the extension list of OpenWith as a ";"-delimited list.
std::string NormalizeExtensionList(const std::string& extensions);
bool OpenWith(const std::string& name, const std::string& menuText, const std::string& program,
              bool create, const std::string& extensions);

// Registration with Windows. Each returns the full "HKEY_LOCAL_MACHINE\..." path it wrote, or
// "" when it wrote nothing.
std::string RegisterUninstall(const std::string& displayName, const std::string& command,
                              const std::string& version, const std::string& publisher);
std::string WriteArpCache(const std::string& displayName, const std::string& program,
                          int64_t installedSize);
// The 552-byte SlowInfoCache record; a program path too long for it is cut to fit.
std::string ArpCacheRecord(const std::string& program, int64_t installedSize,
                           uint64_t fileTime);
std::string RegisterAppPath(const std::string& program);
std::string RegisterApplication(const std::string& company, const std::string& product,
                                const std::string& version);
std::string WriteUserInfo(const std::string& company, const std::string& product,
                          const std::string& version, const std::string& userName,
                          const std::string& userCompany);

std::string UninstallStringOf(const std::string& displayName, const std::string& fallback);
std::string AppPathOf(const std::string& fileName);
std::string AppDirOf(const std::string& fileName);
std::string GetRegisteredOwner();
std::string GetRegisteredOrganization();

// Reference counts of shared files; both return the new count. A count that is not an
// integer value is treated as no count.
int AddSharedDll(const std::string& path);
int ReleaseSharedDll(const std::string& path);

// Shell folders that CreateDori puts shortcuts in.
enum DoriFolder { kDoriDesktop = 0, kDoriStartMenu, kDoriPrograms, kDoriStartup, kDoriPersonal,
                  kDoriSendTo };
// The folder of the kind, from the shell-folder values of all users (HKEY_LOCAL_MACHINE) or of
// the current user; "" when neither the value nor its "common " variant exists.
std::string ShellFolderPath(int kind, bool allUsers);
// Creates a shortcut named name in the shell folder of the kind (and subFolder below it): an
// Internet shortcut (.url) when the target is a web or mail address, else a shell link (.lnk).
// Returns what the uninstaller removes: the shortcut file, or the sub-folder for links in a
// sub-folder of Programs, Startup or Sendto; "" when the shell folder is unknown.
std::string CreateDori(int kind, const std::string& subFolder, bool allUsers,
                       const std::string& name, const std::string& target,
                       const std::string& parameters, const std::string& workDir,
                       const std::string& iconFile, int iconIndex, int show);
