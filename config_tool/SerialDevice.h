#pragma once
// The COM device under KorvanConfig's port. The window thread opens, writes and closes it;
// the Port1Comms reader takes bytes from it. Win32SerialDevice is the real one; form tests
// put a scripted module behind the same interface.
#include <windows.h>

#include <string>

namespace korvan {

class SerialDevice {
public:
    enum class OpenResult { Opened, CannotOpen, SettingsRejected };

    virtual ~SerialDevice() = default;

    // Window thread. Opens the named device with the module's line settings. Every open
    // starts a new session; Session() tells which.
    virtual OpenResult Open(const std::string& deviceName) = 0;
    virtual unsigned Session() const = 0;
    // Window thread. All bytes in one call; false when the write failed.
    virtual bool Write(const char* bytes, size_t count) = 0;
    // Window thread. Harmless when closed. After it returns, no ReadByte of the closed session
    // hands out a byte.
    virtual void Close() = 0;
    // Reader thread. Waits a short while (tens of milliseconds) for one byte of `session`;
    // false when none came, the session has ended or the device failed.
    virtual bool ReadByte(unsigned session, unsigned char& byte) = 0;
};

// A Win32 COM device: 19200 8N1, binary, no flow control, reads that wait at most
// kReadWaitMs for a byte so that the idle reader sleeps in the driver.
class Win32SerialDevice : public SerialDevice {
public:
    static constexpr DWORD kReadWaitMs = 50;

    Win32SerialDevice();
    ~Win32SerialDevice() override;
    Win32SerialDevice(const Win32SerialDevice&) = delete;
    Win32SerialDevice& operator=(const Win32SerialDevice&) = delete;

    OpenResult Open(const std::string& deviceName) override;
    unsigned Session() const override { return session_; }
    bool Write(const char* bytes, size_t count) override;
    void Close() override;
    bool ReadByte(unsigned session, unsigned char& byte) override;

private:
    // Guards handle_ and session_ between the window thread and the reader: a close never
    // pulls the handle from under a read, and a reader of an old session never reads on.
    CRITICAL_SECTION lock_;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    unsigned session_ = 0;
};

}  // namespace korvan
