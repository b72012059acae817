#include "ExecDll.h"

#include "MsgBox.h"
#include "ScopedLibrary.h"
#include "Utils.h"

namespace {

using AliasFn = const char*(__cdecl*)(int index, char* buffer);
using ConditionFn = int(__cdecl*)(HWND, int, const char*, const char*, const char*);
using ExecutionFn = int(__cdecl*)(HWND, int, const char*, const char*);

constexpr int kAliasSlots = 10;
constexpr size_t kAliasBufferSize = 256;

void ReportMissingLibrary(const std::string& path) { ErrorBox(path + "\\n\\nDLL File Not Found!"); }

void ReportMissingFunction(const std::string& function, const std::string& path) {
    ErrorBox("Function: \"" + function + "\"\\n\\nNot Found in Library: \"" + path + "\"");
}

}  // namespace

void TExecDll::LoadEntries(const std::string& path, bool clear, bool showErrors) {
    if (clear) {
        entries_.clear();
        conditionAliases_.clear();
        executionAliases_.clear();
    }
    LoadKind(path, "GetConditionAlias", "GetCondition_", conditionAliases_, showErrors);
    LoadKind(path, "GetExecutionAlias", "SetExecution_", executionAliases_, showErrors);
}

void TExecDll::LoadKind(const std::string& path, const char* aliasFunction, const char* prefix,
                        std::vector<std::string>& aliases, bool showErrors) {
    ScopedLibrary library(LoadLibraryA(path.c_str()));
    if (!library.Loaded()) {
        if (showErrors) ReportMissingLibrary(path);
        return;
    }
    auto alias = reinterpret_cast<AliasFn>(library.Function(aliasFunction));
    if (!alias) {
        if (showErrors) ReportMissingFunction(aliasFunction, path);
        return;
    }
    for (int index = 0; index < kAliasSlots; ++index) {
        char buffer[kAliasBufferSize];
        const char* name = alias(index, buffer);
        if (!name || name[0] == '\0') continue;
        aliases.push_back(name);
        entries_.push_back(std::string(name) + "=|" + path + "|" + prefix +
                           std::to_string(index) + "|");
    }
}

bool TExecDll::CallEntry(char event, const std::string& alias, const std::string& p1,
                         const std::string& p2, const std::string& p3) {
    const std::string* entry = nullptr;
    for (const std::string& each : entries_)
        if (EqualText(TextBefore(each, "="), alias)) {
            entry = &each;
            break;
        }
    if (!entry) return false;
    std::string list = TextAfter(*entry, "=");
    std::string path = DelimItem(list, 0);
    std::string function = DelimItem(list, 1);

    ScopedLibrary library(LoadLibraryA(path.c_str()));
    if (!library.Loaded()) {
        ReportMissingLibrary(path);
        return false;
    }
    void* address = library.Function(function);
    if (!address) {
        ReportMissingFunction(function, path);
        return false;
    }
    int eventNumber = event - '0';
    int result = PosText("Condition", function) > 0
                     ? reinterpret_cast<ConditionFn>(address)(owner_, eventNumber, p1.c_str(),
                                                              p2.c_str(), p3.c_str())
                     : reinterpret_cast<ExecutionFn>(address)(owner_, eventNumber, p1.c_str(),
                                                              p2.c_str());
    return result == 1;
}
