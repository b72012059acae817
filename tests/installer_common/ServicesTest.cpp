// Starting and stopping a service of our own, installed through Wine's service manager.
#include <gtest/gtest.h>
#include <windows.h>

#include <iostream>
#include <sstream>

#include "OpsFixtures.h"
#include "Services.h"
#include "SrvBar.h"
#include "SysInfo.h"

namespace {

struct ServiceSpec {
    const char* keyName;
    const char* displayName;
    const char* argument;
};

const ServiceSpec kWorking = {"KorvanTestSvc", "Korvan Test Service", ""};
const ServiceSpec kFailing = {"KorvanTestSvcFail", "Korvan Failing Service", " fail"};

// Installs the service on construction and removes it (stopped) on destruction.
class InstalledService {
public:
    explicit InstalledService(const ServiceSpec& spec) : spec_(spec) {
        manager_ = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
        if (!manager_) return;
        std::string command = "\"" + opstest::Fixture("korvan_test_service.exe") + "\"" +
                              spec.argument;
        service_ = CreateServiceA(manager_, spec.keyName, spec.displayName, SERVICE_ALL_ACCESS,
                                  SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START,
                                  SERVICE_ERROR_IGNORE, command.c_str(), nullptr, nullptr,
                                  nullptr, nullptr, nullptr);
        if (!service_) service_ = OpenServiceA(manager_, spec.keyName, SERVICE_ALL_ACCESS);
    }
    ~InstalledService() {
        if (service_) {
            SERVICE_STATUS status = {};
            if (ControlService(service_, SERVICE_CONTROL_STOP, &status))
                for (int i = 0; i < 50 && QueryServiceStatus(service_, &status) &&
                                status.dwCurrentState != SERVICE_STOPPED;
                     ++i)
                    Sleep(100);
            DeleteService(service_);
            CloseServiceHandle(service_);
        }
        if (manager_) CloseServiceHandle(manager_);
    }
    bool Installed() const { return service_ != nullptr; }

private:
    ServiceSpec spec_;
    SC_HANDLE manager_ = nullptr;
    SC_HANDLE service_ = nullptr;
};

// Collects what the operations write to the debug channel.
class DebugCapture {
public:
    DebugCapture() : previous_(std::cout.rdbuf(text_.rdbuf())) {}
    ~DebugCapture() { std::cout.rdbuf(previous_); }
    std::string Text() const { return text_.str(); }

private:
    std::ostringstream text_;
    std::streambuf* previous_;
};

TEST(Services, StartAndStopAnInstalledService) {
    InstalledService service(kWorking);
    ASSERT_TRUE(service.Installed());
    EXPECT_FALSE(NtServiceRunning(kWorking.displayName));
    {
        DebugCapture debug;
        EXPECT_TRUE(StartNtService(kWorking.displayName, false));
        EXPECT_EQ(debug.Text(), "The service is not running.\nThe service is running.\n");
    }
    EXPECT_TRUE(NtServiceRunning(kWorking.displayName));
    // A second start is refused.
    EXPECT_FALSE(StartNtService(kWorking.displayName, false));
    {
        DebugCapture debug;
        EXPECT_TRUE(StopNtService(kWorking.displayName, false));
        EXPECT_EQ(debug.Text(), "The service is running.\nThe service is not running.\n");
    }
    EXPECT_FALSE(NtServiceRunning(kWorking.displayName));
    EXPECT_FALSE(StopNtService(kWorking.displayName, false));
}

TEST(Services, TheProgressWindowIsReleasedAfterTheOperation) {
    InstalledService service(kWorking);
    ASSERT_TRUE(service.Installed());
    EXPECT_TRUE(StartNtService(kWorking.displayName, true));
    EXPECT_EQ(ServiceProgress(), nullptr);
    EXPECT_EQ(FindWindowA(nullptr, "Start/Stop NT-Service"), nullptr);
    EXPECT_TRUE(StopNtService(kWorking.displayName, true));
    EXPECT_EQ(ServiceProgress(), nullptr);
}

TEST(Services, AStartThatFailsEndsTheWait) {
    InstalledService service(kFailing);
    ASSERT_TRUE(service.Installed());
    DWORD start = GetTickCount();
    // The request is accepted; the service then stops again instead of running.
    StartNtService(kFailing.displayName, false);
    EXPECT_LT(GetTickCount() - start, kServiceWaitLimitMs / 2);
    EXPECT_FALSE(NtServiceRunning(kFailing.displayName));
}

TEST(Services, MissingServiceIsUnknown) {
    DebugCapture debug;
    EXPECT_FALSE(StartNtService("Korvan No Such Service", false));
    EXPECT_FALSE(StopNtService("Korvan No Such Service", false));
    EXPECT_FALSE(NtServiceRunning("Korvan No Such Service"));
    EXPECT_EQ(debug.Text(), "Unknown state condition\nUnknown state condition\n"
                            "Unknown state condition\nUnknown state condition\n");
}

TEST(Services, NothingHappensOnTheOlderFamily) {
    InstalledService service(kWorking);
    ASSERT_TRUE(service.Installed());
    OsVersionInfo win98;
    win98.platform = OsVersionInfo::kWin9x;
    win98.major = 4;
    win98.minor = 10;
    SetOsVersionForTest(&win98);
    DebugCapture debug;
    EXPECT_FALSE(StartNtService(kWorking.displayName, true));
    EXPECT_EQ(FindWindowA(nullptr, "Start/Stop NT-Service"), nullptr);
    EXPECT_EQ(debug.Text(), "");
    SetOsVersionForTest(nullptr);
    EXPECT_FALSE(NtServiceRunning(kWorking.displayName));
}

TEST(Services, StateTexts) {
    const struct {
        DWORD state;
        const char* text;
    } cases[] = {{SERVICE_STOPPED, "The service is not running."},
                 {SERVICE_START_PENDING, "The service is starting."},
                 {SERVICE_STOP_PENDING, "The service is stopping."},
                 {SERVICE_RUNNING, "The service is running."},
                 {SERVICE_CONTINUE_PENDING, "The service continue is pending."},
                 {SERVICE_PAUSE_PENDING, "The service pause is pending."},
                 {SERVICE_PAUSED, "The service is paused."},
                 {0, "Unknown state condition"},
                 {8, "Unknown state condition"}};
    for (const auto& c : cases) EXPECT_EQ(ServiceStateText(c.state), c.text) << c.state;
}

}  // namespace
