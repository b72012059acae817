#pragma once
// What each row of the condition and execution tables does on the running system.
#include <string>

// The stored setup type and group names the conditions look at (process-wide).
const std::string& StoredSetupType();
const std::string& StoredGroupNames();

// Evaluates the condition row with the code (11..64) for parameter 1, relation and value;
// unknown codes are false.
bool EvaluateConditionRow(int code, const std::string& p1, const std::string& relation,
                          const std::string& value);
// Performs the execution row with the code (11..62); "Exit" sets abort. Unknown codes succeed
// doing nothing.
bool PerformExecutionRow(int code, const std::string& p1, const std::string& p2, bool& abort);
