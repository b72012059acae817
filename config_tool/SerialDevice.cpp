#include "SerialDevice.h"

namespace korvan {

namespace {

// Holds a critical section for one scope.
class Locked {
public:
    explicit Locked(CRITICAL_SECTION& section) : section_(section) { EnterCriticalSection(&section_); }
    ~Locked() { LeaveCriticalSection(&section_); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

private:
    CRITICAL_SECTION& section_;
};

// The module's line: the error-replacement setting and the special characters stay as read.
void SetModuleLine(DCB& dcb) {
    dcb.BaudRate = CBR_19200;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDtrControl = DTR_CONTROL_DISABLE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fRtsControl = RTS_CONTROL_DISABLE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fTXContinueOnXoff = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    dcb.XonLim = 100;
    dcb.XoffLim = 100;
}

bool ApplyLineSettings(HANDLE handle) {
    DCB dcb = {};
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(handle, &dcb)) return false;
    SetModuleLine(dcb);
    return SetCommState(handle, &dcb) != FALSE;
}

// A read returns at once with a byte already received, otherwise waits at most `waitMs` for
// one; writes have no timeout.
bool ApplyTimeouts(HANDLE handle, DWORD waitMs) {
    COMMTIMEOUTS timeouts = {};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.ReadTotalTimeoutMultiplier = MAXDWORD;
    timeouts.ReadTotalTimeoutConstant = waitMs;
    timeouts.WriteTotalTimeoutMultiplier = 0;
    timeouts.WriteTotalTimeoutConstant = 0;
    return SetCommTimeouts(handle, &timeouts) != FALSE;
}

}  // namespace

Win32SerialDevice::Win32SerialDevice() { InitializeCriticalSection(&lock_); }

Win32SerialDevice::~Win32SerialDevice() {
    Close();
    DeleteCriticalSection(&lock_);
}

SerialDevice::OpenResult Win32SerialDevice::Open(const std::string& deviceName) {
    Close();
    HANDLE handle = CreateFileA(deviceName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return OpenResult::CannotOpen;
    if (!ApplyLineSettings(handle) || !ApplyTimeouts(handle, kReadWaitMs)) {
        CloseHandle(handle);
        return OpenResult::SettingsRejected;
    }
    Locked locked(lock_);
    handle_ = handle;
    ++session_;
    return OpenResult::Opened;
}

bool Win32SerialDevice::Write(const char* bytes, size_t count) {
    Locked locked(lock_);
    if (handle_ == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    return WriteFile(handle_, bytes, static_cast<DWORD>(count), &written, nullptr) &&
           written == count;
}

void Win32SerialDevice::Close() {
    Locked locked(lock_);
    if (handle_ == INVALID_HANDLE_VALUE) return;
    CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    ++session_;
}

bool Win32SerialDevice::ReadByte(unsigned session, unsigned char& byte) {
    DWORD received = 0;
    bool failed = false;
    {
        Locked locked(lock_);
        if (session != session_ || handle_ == INVALID_HANDLE_VALUE) {
            failed = true;
        } else {
            failed = !ReadFile(handle_, &byte, 1, &received, nullptr);
        }
    }
    // Neither a failing device nor an ended session may turn the reader into a busy loop.
    if (failed) Sleep(kReadWaitMs);
    return !failed && received == 1;
}

}  // namespace korvan
