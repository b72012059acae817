#include "Wait.h"

#include <windows.h>

namespace {

bool DispatchPending() {
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return false;
    if (message.message == WM_QUIT) {
        // A wait must not swallow the request to end: leave it for the message loop.
        PostQuitMessage(static_cast<int>(message.wParam));
        return false;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
    return true;
}

// Loops `pass` until more than `ms` have passed. The tick difference is unsigned, so the
// wrap of the tick counter after 49 days does not end or stretch the wait.
template <typename Pass>
void WaitWith(unsigned ms, Pass pass) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start <= ms) {
        pass();
        Sleep(1);
    }
}

}  // namespace

void PumpOneMessage() { DispatchPending(); }

void ProcessMessages() {
    while (DispatchPending()) {
    }
}

void WaitPumping(unsigned ms) { WaitWith(ms, PumpOneMessage); }

void WaitProcessing(unsigned ms) { WaitWith(ms, ProcessMessages); }
