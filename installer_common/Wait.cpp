#include "Wait.h"

#include <windows.h>

namespace {

enum class Pumped { kNothing, kOne, kQuit };

Pumped DispatchPending() {
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return Pumped::kNothing;
    if (message.message == WM_QUIT) {
        // A wait must not swallow the request to end: leave it for the message loop.
        PostQuitMessage(static_cast<int>(message.wParam));
        return Pumped::kQuit;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
    return Pumped::kOne;
}

Pumped DispatchAll() {
    Pumped last;
    while ((last = DispatchPending()) == Pumped::kOne) {
    }
    return last;
}

// Runs `pass` until more than `ms` have passed, sleeping until the next message whenever
// nothing is pending. The tick difference is unsigned, so the wrap of the tick counter after
// 49 days neither ends nor stretches the wait.
template <typename Pass>
void WaitWith(unsigned ms, Pass pass) {
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed > ms) return;
        const Pumped pumped = pass();
        if (pumped == Pumped::kOne) continue;
        const DWORD remaining = ms - elapsed + 1;
        if (pumped == Pumped::kQuit) {
            // The reposted quit would wake every wait at once; sleep out the rest instead.
            Sleep(remaining);
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, remaining, QS_ALLINPUT);
        }
    }
}

}  // namespace

void PumpOneMessage() { DispatchPending(); }

void ProcessMessages() { DispatchAll(); }

void WaitPumping(unsigned ms) { WaitWith(ms, DispatchPending); }

void WaitProcessing(unsigned ms) { WaitWith(ms, DispatchAll); }
