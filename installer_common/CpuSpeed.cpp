// The processor speed for the "CPU Speed is (MHz)" condition.
#include <windows.h>
#include <intrin.h>

#include <cmath>

#include "ExecCompare.h"
#include "ExecOp.h"
#include "RegIni.h"

namespace {

int measuredMHz = 0;

// Raises the process and thread priority for the measurement and restores them afterwards.
class RealTimePriority {
public:
    RealTimePriority()
        : processClass_(GetPriorityClass(GetCurrentProcess())),
          threadPriority_(GetThreadPriority(GetCurrentThread())) {
        SetPriorityClass(GetCurrentProcess(), REALTIME_PRIORITY_CLASS);
        SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
    }
    ~RealTimePriority() {
        SetThreadPriority(GetCurrentThread(), threadPriority_);
        SetPriorityClass(GetCurrentProcess(), processClass_);
    }
    RealTimePriority(const RealTimePriority&) = delete;
    RealTimePriority& operator=(const RealTimePriority&) = delete;

private:
    DWORD processClass_;
    int threadPriority_;
};

int MeasureWithCounter() {
    LARGE_INTEGER frequency = {};
    if (!QueryPerformanceFrequency(&frequency) || frequency.QuadPart == 0) return 0;
    LARGE_INTEGER counterStart = {}, counterEnd = {};
    Sleep(10);
    QueryPerformanceCounter(&counterStart);
    unsigned long long ticksStart = __rdtsc();
    Sleep(10);
    QueryPerformanceCounter(&counterEnd);
    unsigned long long ticksEnd = __rdtsc();
    long long counterTicks = counterEnd.QuadPart - counterStart.QuadPart;
    if (counterTicks <= 0) return 0;
    double mhz = static_cast<double>(ticksEnd - ticksStart) *
                 static_cast<double>(frequency.QuadPart) /
                 (static_cast<double>(counterTicks) * 1000000.0);
    return static_cast<int>(std::lround(mhz));
}

int MeasureWithSleep() {
    Sleep(10);
    unsigned long long ticksStart = __rdtsc();
    Sleep(500);
    unsigned long long ticksEnd = __rdtsc();
    return static_cast<int>(
        std::lround(static_cast<double>(ticksEnd - ticksStart) * 1000.0 / (500.0 * 1000000.0)));
}

}  // namespace

int CpuSpeedMHz() {
    long long registered = NumberOf(
        RegReadValue("HKEY_LOCAL_MACHINE\\HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0",
                     "~MHz", "0"));
    if (registered > 100) return static_cast<int>(registered);
    if (measuredMHz > 0) return measuredMHz;
    RealTimePriority priority;
    int mhz = MeasureWithCounter();
    if (mhz <= 100) mhz = MeasureWithSleep();
    measuredMHz = mhz;
    return measuredMHz;
}
