// The built-in condition and execution tables.
#include <gtest/gtest.h>

#include <set>

#include "ExecCondStr.h"

namespace {

TEST(ExecCondStr, ConditionCodesInTableOrder) {
    const int codes[kConditionCount] = {11, 12, 13, 21, 22, 23, 31, 32, 33, 34, 41,
                                        42, 43, 51, 52, 53, 54, 61, 62, 63, 64};
    for (int i = 0; i < kConditionCount; ++i) EXPECT_EQ(ConditionCode(i), codes[i]) << i;
    EXPECT_EQ(ConditionCode(-1), -1);
    EXPECT_EQ(ConditionCode(kConditionCount), -1);
    EXPECT_EQ(ConditionName(kConditionCount), "");
}

TEST(ExecCondStr, ExecutionCodesInTableOrder) {
    const int codes[kExecutionCount] = {11, 12, 13, 14, 21, 22, 23, 24, 25, 31, 32, 33, 34, 35,
                                        41, 42, 43, 44, 51, 52, 53, 54, 55, 56, 60, 61, 62};
    for (int i = 0; i < kExecutionCount; ++i) EXPECT_EQ(ExecutionCode(i), codes[i]) << i;
    EXPECT_EQ(ExecutionCode(-1), -1);
    EXPECT_EQ(ExecutionCode(kExecutionCount), -1);
    EXPECT_EQ(ExecutionName(-1), "");
}

struct Lookup {
    const char* name;
    int code;
};

TEST(ExecCondStr, ConditionsAreFoundByNameIgnoringCase) {
    const Lookup cases[] = {{"File Found", 11},           {"application version is", 23},
                            {"SERVICE IS RUNNING", 32},    {"Registry Value is", 42},
                            {"Environment Variable Is", 43}, {"Memory Size is (MB)", 51},
                            {"Ask OK/Cancel", 62},         {"Group Selected", 64},
                            {"File Found ", -1},           {"", -1}};
    for (const Lookup& c : cases) EXPECT_EQ(ConditionCode(FindCondition(c.name)), c.code) << c.name;
}

TEST(ExecCondStr, ExecutionsAreFoundByNameIgnoringCase) {
    const Lookup cases[] = {{"Delete File(s)", 11},        {"move file(s)", 13},
                            {"Rename Directory", 25},      {"UnInstall Application", 33},
                            {"Run Executable and Wait", 42}, {"Shell Execute (Hide)", 44},
                            {"UnRegister OCX/COM Server", 56}, {"Append Text to a File", 60},
                            {"EXIT", 62},                  {"Quit", -1}};
    for (const Lookup& c : cases) EXPECT_EQ(ExecutionCode(FindExecution(c.name)), c.code) << c.name;
}

TEST(ExecCondStr, NamesAreUnique) {
    std::set<std::string> conditions, executions;
    for (int i = 0; i < kConditionCount; ++i) conditions.insert(ConditionName(i));
    for (int i = 0; i < kExecutionCount; ++i) executions.insert(ExecutionName(i));
    EXPECT_EQ(conditions.size(), static_cast<size_t>(kConditionCount));
    EXPECT_EQ(executions.size(), static_cast<size_t>(kExecutionCount));
}

TEST(ExecCondStr, EntriesCarryCodeNameAndPrompts) {
    EXPECT_EQ(ConditionEntry(FindCondition("File Version is")),
              "|34|File Version is|Enter executable full path|Select Condition Relation|"
              "Enter file version - Sample: 1.0.9.4|");
    EXPECT_EQ(ConditionEntry(FindCondition("Drive Found")),
              "|13|Drive Found|Enter Drive letter A,B,C...|||");
    EXPECT_EQ(ExecutionEntry(FindExecution("Append Text to a File")),
              "|60|Append Text to a File|Enter file name|"
              "Enter text to be added (\\n for NewLine  \\t for TAB)|");
    EXPECT_EQ(ExecutionEntry(FindExecution("Display Message")),
              "|61|Display Message|Enter Message text (\\\\n for NewLine  \\\\t for TAB)||");
    EXPECT_EQ(ExecutionEntry(FindExecution("Rename Directory")),
              "|25|Rename Directory|Enter source directory full path|"
              "Enter destination directory name|");
    EXPECT_EQ(ConditionEntry(kConditionCount), "");
}

}  // namespace
