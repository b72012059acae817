#pragma once
// Starting and stopping Windows services named by their display name (NT family only).
#include <windows.h>

#include <string>

// How long a start or stop is awaited at most. A service that has not reached its state by
// then is left to the service manager.
constexpr DWORD kServiceWaitLimitMs = 60 * 1000;

// Asks the service manager to start the service and waits, keeping the windows alive, until it
// runs, has stopped again (the start failed) or the limit passed. The state is written to the
// debug channel before and after. True when the start request was accepted.
bool StartNtService(const std::string& displayName, bool showDialog,
                    DWORD limitMs = kServiceWaitLimitMs);
// The same with the stop control, waiting for the stopped state.
bool StopNtService(const std::string& displayName, bool showDialog,
                   DWORD limitMs = kServiceWaitLimitMs);
// Whether the service is in the running state; false on other systems or when it cannot be
// opened.
bool NtServiceRunning(const std::string& displayName);
// The debug-channel text of a service state ("The service is running.", ...).
std::string ServiceStateText(DWORD state);
