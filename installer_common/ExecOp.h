#pragma once
// The interpreter of execute items: "at this event, if these conditions hold, do this, else do
// that", with conditions and executions from the built-in tables or the product library.
#include <string>

class TExecDll;

// Setup type ("Typical", "Compact", "Custom") and selected group names ("|A|B|") that the
// "Setup Type is" and "Group Selected" conditions look at; process-wide.
void SetSetupType(const std::string& setupType);
void SetGroupNames(const std::string& groupNames);

// Runs one execute item for the event character ('1'..'6'). An item of another event is left
// alone and succeeds. log receives the item's lines; abort is set by the "Exit" execution.
// True when the executions of the branch taken succeeded.
bool RunExecuteItem(TExecDll& library, const std::string& item, char event, bool& abort,
                    std::string& log);

// The processor speed in MHz: the registry's answer when it is above 100, else measured once.
int CpuSpeedMHz();
