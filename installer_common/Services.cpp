#include "Services.h"

#include <iostream>

#include "SrvBar.h"
#include "SysInfo.h"

namespace {

constexpr DWORD kStateUnreadable = 0;

class ServiceHandle {
public:
    explicit ServiceHandle(SC_HANDLE handle = nullptr) : handle_(handle) {}
    ~ServiceHandle() {
        if (handle_) CloseServiceHandle(handle_);
    }
    ServiceHandle(const ServiceHandle&) = delete;
    ServiceHandle& operator=(const ServiceHandle&) = delete;
    SC_HANDLE Get() const { return handle_; }

private:
    SC_HANDLE handle_;
};

// The service manager and one service opened with full access; either may be null when it
// could not be opened.
struct OpenedService {
    ServiceHandle manager;
    ServiceHandle service;
    explicit OpenedService(const std::string& displayName)
        : manager(OpenSCManagerA(nullptr, "ServicesActive", SC_MANAGER_ALL_ACCESS)),
          service(OpenByDisplayName(manager.Get(), displayName)) {}

private:
    static SC_HANDLE OpenByDisplayName(SC_HANDLE manager, const std::string& displayName) {
        if (!manager) return nullptr;
        char keyName[256] = {};
        DWORD size = sizeof keyName;
        if (!GetServiceKeyNameA(manager, displayName.c_str(), keyName, &size)) keyName[0] = '\0';
        return OpenServiceA(manager, keyName, SERVICE_ALL_ACCESS);
    }
};

DWORD CurrentState(SC_HANDLE service) {
    SERVICE_STATUS status = {};
    if (!service || !QueryServiceStatus(service, &status)) return kStateUnreadable;
    return status.dwCurrentState;
}

void TraceState(SC_HANDLE service) {
    std::cout << ServiceStateText(CurrentState(service)) << std::endl;
}

// Lets the windows work for up to one poll interval; returns early when a message arrives.
void PumpBetweenPolls() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
}

// Waits for the wanted state; the failed state ends the wait as well (a start that ended in
// the stopped state), and so does the limit.
void AwaitState(SC_HANDLE service, DWORD wanted, DWORD failed, DWORD limitMs) {
    DWORD start = GetTickCount();
    for (;;) {
        DWORD state = CurrentState(service);
        if (state == wanted || state == failed || state == kStateUnreadable) return;
        if (GetTickCount() - start >= limitMs) return;
        PumpBetweenPolls();
    }
}

// The common course of a start and a stop.
template <typename Request>
bool RunServiceOperation(const std::string& displayName, bool showDialog, const char* operation,
                    DWORD wanted, DWORD failed, DWORD limitMs, Request request) {
    if (!IsWinNT()) return false;
    if (showDialog) ShowServiceProgress(operation, displayName);
    bool accepted = false;
    {
        OpenedService opened(displayName);
        TraceState(opened.service.Get());
        accepted = opened.service.Get() && request(opened.service.Get());
        if (accepted) AwaitState(opened.service.Get(), wanted, failed, limitMs);
        TraceState(opened.service.Get());
    }
    if (showDialog) ReleaseServiceProgress();
    return accepted;
}

}  // namespace

std::string ServiceStateText(DWORD state) {
    switch (state) {
        case SERVICE_STOPPED: return "The service is not running.";
        case SERVICE_START_PENDING: return "The service is starting.";
        case SERVICE_STOP_PENDING: return "The service is stopping.";
        case SERVICE_RUNNING: return "The service is running.";
        case SERVICE_CONTINUE_PENDING: return "The service continue is pending.";
        case SERVICE_PAUSE_PENDING: return "The service pause is pending.";
        case SERVICE_PAUSED: return "The service is paused.";
        default: return "Unknown state condition";
    }
}

bool StartNtService(const std::string& displayName, bool showDialog, DWORD limitMs) {
    return RunServiceOperation(displayName, showDialog, "STARTING Service:", SERVICE_RUNNING,
                               SERVICE_STOPPED, limitMs, [](SC_HANDLE service) {
                                   return StartServiceA(service, 0, nullptr) != FALSE;
                               });
}

bool StopNtService(const std::string& displayName, bool showDialog, DWORD limitMs) {
    // A stop has no state that tells of its failure, so only the limit ends a stuck one.
    return RunServiceOperation(displayName, showDialog, "STOPING Service:", SERVICE_STOPPED,
                               SERVICE_STOPPED, limitMs, [](SC_HANDLE service) {
                                   SERVICE_STATUS status = {};
                                   return ::ControlService(service, SERVICE_CONTROL_STOP,
                                                           &status) != FALSE;
                               });
}

bool NtServiceRunning(const std::string& displayName) {
    if (!IsWinNT()) return false;
    OpenedService opened(displayName);
    return CurrentState(opened.service.Get()) == SERVICE_RUNNING;
}
