#pragma once
// The debug channel: the installers write trace lines to std::cout, and every flush of its
// 128-byte buffer (a full buffer, a line end, an explicit flush) goes as one message to the
// debug monitor window (tools/debug-monitor), if one is running. Without a monitor the text is
// dropped; writing never fails and never blocks for long.
#include <windows.h>

#include <streambuf>
#include <string>

// Shared with the debug monitor: its window class and the registered message it receives.
// The message carries wParam 1 and lParam a global atom holding the text; the sender deletes
// the atom once the message has been handled.
#define KORVAN_DEBUG_MONITOR_CLASS "KorvanDebugMonitor"
#define KORVAN_DEBUG_MESSAGE_NAME "KorvanDebugMessage"

class DebugStreamBuf : public std::streambuf {
public:
    static const int kBufferSize = 128;
    // Sends to the window of class `monitorClass`; tests pass a class of their own.
    explicit DebugStreamBuf(const char* monitorClass = KORVAN_DEBUG_MONITOR_CLASS);
    ~DebugStreamBuf() override;

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    void Send();
    // Our own buffer: the stream's put area stays empty so that every character passes
    // through overflow(), which sees the line ends.
    char buffer_[kBufferSize];
    int used_ = 0;
    const char* monitorClass_;
};

// Binds std::cout to the debug channel for the rest of the process. Programs call it first
// thing in WinMain; calling it again does nothing.
void BindDebugChannel();

// The registered message number of the channel.
UINT DebugMessageId();
