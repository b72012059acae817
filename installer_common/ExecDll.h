#pragma once
// The binding of a product's execution library: its exported conditions and executions, found
// through "GetConditionAlias" and "GetExecutionAlias", called by alias. The library is loaded
// only while the aliases are read and for each call.
#include <windows.h>

#include <string>
#include <vector>

class TExecDll {
public:
    // owner: the window handed to every library function (may be null).
    explicit TExecDll(HWND owner) : owner_(owner) {}

    // Reads the aliases of the library at path (after emptying the lists when clear); with
    // showErrors a missing library or alias function is reported in an error box.
    void LoadEntries(const std::string& path, bool clear, bool showErrors);
    bool HasEntries() const { return !entries_.empty(); }
    // Calls the function registered under alias for the event character ('1'..'6'); conditions
    // get p1, p2 and p3, executions p1 and p2. True when it returned 1.
    bool CallEntry(char event, const std::string& alias, const std::string& p1,
                   const std::string& p2, const std::string& p3);

    // alias + "=|" + library path + "|" + function name + "|", in the order found.
    const std::vector<std::string>& Entries() const { return entries_; }
    const std::vector<std::string>& ConditionAliases() const { return conditionAliases_; }
    const std::vector<std::string>& ExecutionAliases() const { return executionAliases_; }

private:
    void LoadKind(const std::string& path, const char* aliasFunction, const char* prefix,
                  std::vector<std::string>& aliases, bool showErrors);
    HWND owner_;
    std::vector<std::string> entries_;
    std::vector<std::string> conditionAliases_;
    std::vector<std::string> executionAliases_;
};
