#pragma once
// The built-in tables of conditions (21 rows) and executions (27 rows) that execute items name.
// Each row is a code, a name and the prompts a script-writing tool shows for its parameters.
// Pure: no Windows calls.
#include <string>

constexpr int kConditionCount = 21;
constexpr int kExecutionCount = 27;

// The code of the row at index; -1 outside the table.
int ConditionCode(int index);
int ExecutionCode(int index);
// The name of the row at index; "" outside the table.
std::string ConditionName(int index);
std::string ExecutionName(int index);
// The row as a "|"-delimited list: code, name, prompt 1, prompt 2[, prompt 3].
std::string ConditionEntry(int index);
std::string ExecutionEntry(int index);
// Index of the first row whose name equals name ignoring case; -1 when none.
int FindCondition(const std::string& name);
int FindExecution(const std::string& name);
