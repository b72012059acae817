#include "ExecCondStr.h"

#include "Utils.h"

namespace {

struct ConditionRow {
    int code;
    const char* name;
    const char* prompts[3];
};

struct ExecutionRow {
    int code;
    const char* name;
    const char* prompts[2];
};

const char kRelation[] = "Select Condition Relation";
const char kAppFile[] = "Enter application file name - sample: Winword.exe";
const char kExeFullPath[] = "Enter executable full path";
const char kVersion[] = "Enter file version - Sample: 1.0.9.4";
const char kMessage[] = "Enter message text";

const ConditionRow kConditions[kConditionCount] = {
    {11, "File Found", {"Enter file name", "", ""}},
    {12, "Directory Found", {"Enter directory name", "", ""}},
    {13, "Drive Found", {"Enter Drive letter A,B,C...", "", ""}},
    {21, "Application Found", {kAppFile, "", ""}},
    {22, "Application Path Found", {kAppFile, "", ""}},
    {23, "Application Version is", {kAppFile, kRelation, kVersion}},
    {31, "Exe is Running", {kExeFullPath, "", ""}},
    {32, "Service is Running", {"Enter Service name", "", ""}},
    {33, "Operating System is in",
     {"Enter Operating Systems identifiers: 95, 98, ME, NT, 2000, XP", "", ""}},
    {34, "File Version is", {kExeFullPath, kRelation, kVersion}},
    {41, "Registry Key Found",
     {"Enter Registry Key - sample: HKEY_CURRENT_USER\\Software\\Microsoft", "", ""}},
    {42, "Registry Value is",
     {"Enter Registry Value Name - sample: HKEY_CURRENT_USER\\Software\\Microsoft\\Excel",
      kRelation, "Enter value - String or Integer"}},
    {43, "Environment Variable Is",
     {"Enter Environment Variable name", kRelation, "Enter string value"}},
    {51, "Memory Size is (MB)",
     {"", kRelation, "Enter Memory available to Windows in MEGA-Bytes"}},
    {52, "CPU Speed is (MHz)", {"", kRelation, "Enter CPU Speed in MEGA-Hertz"}},
    {53, "Screen Resolution is", {"", kRelation, "Select Screen Resolution"}},
    {54, "Color Depth is", {"", kRelation, "Select Color Depth"}},
    {61, "Ask Yes/No", {kMessage, "", ""}},
    {62, "Ask OK/Cancel", {kMessage, "", ""}},
    {63, "Setup Type is", {"", kRelation, "Select Setup Type"}},
    {64, "Group Selected", {"Enter Group Name", "", ""}},
};

const char kFileMask[] = "Enter file name, you can use wild card if required";
const char kTargetMask[] = "Enter Target file name, you can use * as wild card if required";
const char kDirectory[] = "Enter directory name";
const char kParameters[] = "Enter Parameters";
const char kFileName[] = "Enter file name";
const char kServiceName[] = "Enter Service name";
const char kRegistryKey[] = "Enter Registry Key";

const ExecutionRow kExecutions[kExecutionCount] = {
    {11, "Delete File(s)", {kFileMask, ""}},
    {12, "Copy File(s)", {kFileMask, kTargetMask}},
    {13, "Move File(s)", {kFileMask, kTargetMask}},
    {14, "Rename File(s)", {kFileMask, kTargetMask}},
    {21, "Remove Directory", {kDirectory, ""}},
    {22, "Force Remove Directory", {kDirectory, ""}},
    {23, "Set Working Directory", {kDirectory, ""}},
    {24, "Copy Directory Tree", {"Enter source directory", "Enter destination directory"}},
    {25, "Rename Directory",
     {"Enter source directory full path", "Enter destination directory name"}},
    {31, "Delete Application Executable", {kAppFile, ""}},
    {32, "Remove Application Directory", {kAppFile, ""}},
    {33, "UnInstall Application",
     {"Enter application descriptive name as appears under Add/Remove programs", ""}},
    {34, "Run Application", {kAppFile, kParameters}},
    {35, "Run Application and Wait", {kAppFile, kParameters}},
    {41, "Run Executable", {kExeFullPath, kParameters}},
    {42, "Run Executable and Wait", {kExeFullPath, kParameters}},
    {43, "Shell Execute", {kFileName, kParameters}},
    {44, "Shell Execute (Hide)", {kFileName, kParameters}},
    {51, "Start Service", {kServiceName, ""}},
    {52, "Stop Service", {kServiceName, ""}},
    {53, "Create Registry Key", {kRegistryKey, ""}},
    {54, "Remove Registry Key", {kRegistryKey, ""}},
    {55, "Register OCX/COM Server", {kFileName, ""}},
    {56, "UnRegister OCX/COM Server", {kFileName, ""}},
    {60, "Append Text to a File",
     {kFileName, "Enter text to be added (\\n for NewLine  \\t for TAB)"}},
    {61, "Display Message", {"Enter Message text (\\\\n for NewLine  \\\\t for TAB)", ""}},
    {62, "Exit", {"", ""}},
};

bool InConditions(int index) { return index >= 0 && index < kConditionCount; }
bool InExecutions(int index) { return index >= 0 && index < kExecutionCount; }

}  // namespace

int ConditionCode(int index) { return InConditions(index) ? kConditions[index].code : -1; }
int ExecutionCode(int index) { return InExecutions(index) ? kExecutions[index].code : -1; }

std::string ConditionName(int index) { return InConditions(index) ? kConditions[index].name : ""; }
std::string ExecutionName(int index) { return InExecutions(index) ? kExecutions[index].name : ""; }

std::string ConditionEntry(int index) {
    if (!InConditions(index)) return "";
    const ConditionRow& row = kConditions[index];
    return "|" + std::to_string(row.code) + "|" + row.name + "|" + row.prompts[0] + "|" +
           row.prompts[1] + "|" + row.prompts[2] + "|";
}

std::string ExecutionEntry(int index) {
    if (!InExecutions(index)) return "";
    const ExecutionRow& row = kExecutions[index];
    return "|" + std::to_string(row.code) + "|" + row.name + "|" + row.prompts[0] + "|" +
           row.prompts[1] + "|";
}

int FindCondition(const std::string& name) {
    for (int i = 0; i < kConditionCount; ++i)
        if (EqualText(kConditions[i].name, name)) return i;
    return -1;
}

int FindExecution(const std::string& name) {
    for (int i = 0; i < kExecutionCount; ++i)
        if (EqualText(kExecutions[i].name, name)) return i;
    return -1;
}
