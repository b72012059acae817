#include "UnScript.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <numeric>

#include "MsgBoxText.h"
#include "Utils.h"

namespace {

using CommandList = std::vector<std::string> TUninstallCommands::*;

struct Keyword {
    const char* text;
    CommandList list;  // null for the library name
};

// Tried in this order; the first keyword a line begins with wins.
const Keyword kKeywords[] = {
    {"SET_EXECUTION_DLL_NAME", nullptr},
    {"REMOVE_SHARED_FILE", &TUninstallCommands::sharedFiles},
    {"REMOVE_READONLY_FILE", &TUninstallCommands::readOnlyFiles},
    {"REMOVE_FILE", &TUninstallCommands::files},
    {"REMOVE_SERVICE_FILE", &TUninstallCommands::serviceFiles},
    {"REMOVE_DIR", &TUninstallCommands::directories},
    {"FORCE_REMOVE_DIR", &TUninstallCommands::forcedDirectories},
    {"DONT_REMOVE_DIR", &TUninstallCommands::protectedDirectories},
    {"AVOID_ERR_REMOVE_DIR", &TUninstallCommands::toleratedDirectories},
    {"REMOVE_FOLDER", &TUninstallCommands::folders},
    {"FORCE_REMOVE_FOLDER", &TUninstallCommands::forcedFolders},
    {"REMOVE_REG_KEY", &TUninstallCommands::registryKeys},
    {"SET_PERFORM_REGISTRY_OP", &TUninstallCommands::registryItems},
    {"SET_PERFORM_INIFILE_OP", &TUninstallCommands::iniItems},
    {"SET_PERFORM_ENVIRONMENT_OP", &TUninstallCommands::environmentItems},
    {"SET_ADD_ASSOCIATION_ITEM", &TUninstallCommands::associationItems},
    {"SET_ADD_OPEN_WITH_ITEM", &TUninstallCommands::openWithItems},
    {"SET_PERFORM_EXECUTE_OP", &TUninstallCommands::executeItems},
};

// Text between the first "(" and the last ")"; "" without such a pair.
std::string CommandArgument(const std::string& line) {
    size_t open = line.find('(');
    size_t close = line.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open) return "";
    return line.substr(open + 1, close - open - 1);
}

bool StartsWith(const std::string& s, const char* prefix) {
    return s.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// Backslashes only, none at the end.
std::string PathForComparison(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    while (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

bool IsRootPath(const std::string& path) {
    if (path.empty()) return true;  // "\" or "/" alone
    if (path.size() == 2 && path[1] == ':') return true;
    if (StartsWith(path, "\\\\?\\") || StartsWith(path, "\\\\.\\"))
        return IsRootPath(path.substr(4));
    if (StartsWith(path, "\\\\")) {
        // \\server\share is the root of a share.
        return std::count(path.begin() + 2, path.end(), '\\') < 2;
    }
    return false;
}

}  // namespace

std::string HeaderValue(const std::vector<std::string>& lines, const std::string& name) {
    for (const std::string& line : lines) {
        size_t equals = line.find('=');
        if (equals != std::string::npos && EqualText(line.substr(0, equals), name))
            return line.substr(equals + 1);
    }
    return "";
}

int HeaderCharSet(const std::vector<std::string>& lines) {
    std::string value = HeaderValue(lines, "CHAR_SET");
    if (value.empty() || value.size() > 9) return 0;
    if (!std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    return std::stoi(value);
}

bool IsRightToLeftCharSet(int charSet) { return charSet == 177 || charSet == 178; }

TUninstallCommands ParseCommands(const std::vector<std::string>& lines,
                                 const std::function<void(const std::string&)>& onLibrary) {
    TUninstallCommands commands;
    for (const std::string& raw : lines) {
        std::string line = TrimText(raw);
        for (const Keyword& keyword : kKeywords) {
            if (!StartsWith(line, keyword.text)) continue;
            std::string argument = CommandArgument(line);
            if (keyword.list) {
                (commands.*keyword.list).push_back(argument);
            } else {
                commands.libraryName = argument;
                if (onLibrary) onLibrary(argument);
            }
            break;
        }
    }
    auto& directories = commands.directories;
    directories.erase(std::remove_if(directories.begin(), directories.end(),
                                     [&](const std::string& directory) {
                                         return std::any_of(
                                             commands.forcedDirectories.begin(),
                                             commands.forcedDirectories.end(),
                                             [&](const std::string& forced) {
                                                 return EqualText(forced, directory);
                                             });
                                     }),
                      directories.end());
    return commands;
}

int AsciiTextOrder(const std::string& a, const std::string& b) {
    return UpperText(a).compare(UpperText(b));
}

void SortForLongestFirst(std::vector<std::string>& list, const TextOrder& order) {
    // Sorting keys beside the entries keeps every entry whole, whatever its length.
    std::vector<std::string> keys;
    keys.reserve(list.size());
    for (const std::string& entry : list)
        keys.push_back(PadZeros(std::to_string(entry.size()), 4) + entry);
    std::vector<size_t> positions(list.size());
    std::iota(positions.begin(), positions.end(), 0);
    std::stable_sort(positions.begin(), positions.end(),
                     [&](size_t a, size_t b) { return order(keys[a], keys[b]) < 0; });
    std::vector<std::string> sorted;
    sorted.reserve(list.size());
    for (size_t position : positions) sorted.push_back(std::move(list[position]));
    list = std::move(sorted);
}

bool BeginsWithText(const std::string& path, const std::string& prefix) {
    return path.size() >= prefix.size() && EqualText(path.substr(0, prefix.size()), prefix);
}

bool BeginsWithAny(const std::string& path, const std::vector<std::string>& directories) {
    return std::any_of(directories.begin(), directories.end(),
                       [&](const std::string& directory) { return BeginsWithText(path, directory); });
}

bool AnyBeginsWith(const std::vector<std::string>& directories, const std::string& path) {
    return std::any_of(directories.begin(), directories.end(),
                       [&](const std::string& directory) { return BeginsWithText(directory, path); });
}

bool IsAmongSystemDirs(const std::string& path, const std::vector<std::string>& systemDirectories) {
    std::string normalized = path;
    if (!normalized.empty() && normalized.back() == '\\') normalized.pop_back();
    return std::any_of(systemDirectories.begin(), systemDirectories.end(),
                       [&](const std::string& system) { return EqualText(normalized, system); });
}

bool IsSafeForForcedRemoval(const std::string& fullPath,
                            const std::vector<std::string>& guardedDirectories) {
    std::string path = PathForComparison(fullPath);
    if (IsRootPath(path)) return false;
    for (const std::string& guarded : guardedDirectories) {
        std::string guard = PathForComparison(guarded);
        if (guard.empty()) continue;
        if (EqualText(path, guard) || BeginsWithText(guard, path + "\\")) return false;
    }
    return true;
}

std::string ClosingReport(const TUninstallFailures& failures) {
    const std::string prefix = "UnInstall was unable to ";
    std::string handled, removed, performed;
    if (failures.registry > 0) handled += prefix + "handle one or more Registry keys\\n";
    if (failures.ini > 0) handled += prefix + "handle one or more IniFile entries\\n";
    if (failures.associations > 0)
        handled += prefix + "handle one or more File Association entries\\n";
    if (failures.directories > 0) removed += prefix + "remove one or more Directories\\n";
    if (failures.files > 0) removed += prefix + "remove one or more Files\\n";
    if (failures.executions > 0) performed += prefix + "execute one or more operations\\n";

    const std::string closing = "\\nTo complete the UnInstall operation, Please ";
    std::vector<std::string> groups;
    if (!handled.empty()) groups.push_back(handled + closing + "handle them manually.");
    if (!removed.empty()) groups.push_back(removed + closing + "remove them manually.");
    if (!performed.empty()) groups.push_back(performed + closing + "perform them manually.");
    std::string report;
    for (const std::string& group : groups) report += (report.empty() ? "" : "\\n\\n") + group;
    return report;
}

namespace {

// A volume without short names hands back the long path; a blank in it would split the
// command's argument, so such a path is quoted (short paths never need it).
std::string BatchArgument(const std::string& path) {
    return path.find(' ') == std::string::npos ? path : "\"" + path + "\"";
}

}  // namespace

std::string SelfDeleteBatch(const std::string& uninstallerPath, const std::string& directoryPath,
                            const std::string& batchPath, bool removeDirectory) {
    std::string batch = ":START\r\n";
    batch += "DEL " + BatchArgument(uninstallerPath) + "\r\n";
    batch += "IF errorlevel 1 GOTO START\r\n";
    if (removeDirectory) batch += "RD " + BatchArgument(directoryPath) + "\r\n";
    batch += "DEL " + BatchArgument(batchPath) + "\r\n";
    return batch;
}

std::vector<std::string> PhaseLogLines(const std::string& title) { return {"", title + " "}; }

std::string EntryLogLine(const std::string& entry, bool failed) {
    return std::string(failed ? "*" : "") + "\t" + entry + " ";
}

std::string ScriptPathFor(const std::string& exePath) {
    const size_t dot = exePath.rfind('.');
    const size_t separator = exePath.find_last_of("\\/:");
    const bool hasExtension = dot != std::string::npos &&
                              (separator == std::string::npos || dot > separator);
    return (hasExtension ? exePath.substr(0, dot) : exePath) + ".txt";
}

std::string ConfirmationQuestion(const std::vector<std::string>& lines) {
    return HeaderValue(lines, "CONFIRM_TEXT") + " \"" + HeaderValue(lines, "PROG_NAME") + "\" ?";
}

std::vector<std::string> LoadScriptLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return SplitLines(text);
}
