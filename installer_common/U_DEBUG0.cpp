#include "U_DEBUG0.h"

#include <iostream>
#include <string>

namespace {

// A monitor that stops answering must not freeze the installer.
const UINT kSendTimeoutMs = 2000;

}  // namespace

UINT DebugMessageId() {
    static const UINT id = RegisterWindowMessageA(KORVAN_DEBUG_MESSAGE_NAME);
    return id;
}

DebugStreamBuf::DebugStreamBuf(const char* monitorClass)
    : buffer_(), monitorClass_(monitorClass) {}

DebugStreamBuf::~DebugStreamBuf() { Send(); }

DebugStreamBuf::int_type DebugStreamBuf::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char character = traits_type::to_char_type(c);
    buffer_[used_++] = character;
    if (character == '\n' || used_ == kBufferSize) Send();
    return c;
}

int DebugStreamBuf::sync() {
    Send();
    return 0;
}

void DebugStreamBuf::Send() {
    const std::string text(buffer_, static_cast<size_t>(used_));
    used_ = 0;
    if (text.empty()) return;
    HWND monitor = FindWindowA(monitorClass_, nullptr);
    if (!monitor) return;
    ATOM atom = GlobalAddAtomA(text.c_str());
    if (!atom) return;
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(monitor, DebugMessageId(), 1, static_cast<LPARAM>(atom),
                        SMTO_NORMAL | SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored);
    GlobalDeleteAtom(atom);
}

void BindDebugChannel() {
    static DebugStreamBuf* channel = nullptr;
    if (channel) return;
    DebugMessageId();
    // Never freed: std::cout may be written to until the very end of the process.
    channel = new DebugStreamBuf;
    std::cout.rdbuf(channel);
}
