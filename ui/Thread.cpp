#include "Thread.h"

#include <exception>

#include "Application.h"
#include "Messages.h"

namespace ui {

bool Thread::CallWindow::Create() {
    ControlArgs args;
    args.visible = false;
    return CreateHandle(WindowKind::Message, HWND_MESSAGE, args, 0, 0);
}

LRESULT Thread::CallWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KORVAN_SYNCHRONIZE) {
        try {
            (*reinterpret_cast<const std::function<void()>*>(lParam))();
        } catch (...) {
            Application::HandleException();
        }
        return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

Thread::Thread() : windowThread_(GetCurrentThreadId()) { window_.Create(); }

Thread::~Thread() { Stop(); }

bool Thread::Start() {
    if (Running()) return false;
    CloseThreadHandle();
    terminated_ = false;
    finished_ = false;
    fatalException_.clear();
    handle_ = CreateThread(nullptr, 0, &Thread::Entry, this, 0, nullptr);
    return handle_ != nullptr;
}

DWORD WINAPI Thread::Entry(LPVOID parameter) {
    auto* self = static_cast<Thread*>(parameter);
    try {
        self->Execute();
    } catch (const std::exception& error) {
        self->fatalException_ = error.what();
    } catch (...) {
        self->fatalException_ = "Unknown exception";
    }
    self->finished_ = true;
    return 0;
}

void Thread::Synchronize(const std::function<void()>& call) {
    if (GetCurrentThreadId() == windowThread_ || !window_.Handle()) {
        call();
        return;
    }
    SendMessageA(window_.Handle(), WM_KORVAN_SYNCHRONIZE, 0, reinterpret_cast<LPARAM>(&call));
}

void Thread::WaitFor() {
    if (!handle_) return;
    if (GetCurrentThreadId() != windowThread_) {
        WaitForSingleObject(handle_, INFINITE);
        return;
    }
    for (;;) {
        DWORD woken = MsgWaitForMultipleObjects(1, &handle_, FALSE, INFINITE, QS_SENDMESSAGE);
        if (woken != WAIT_OBJECT_0 + 1) break;
        // Runs the messages sent to this thread (the worker's Synchronize calls) and nothing else.
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

void Thread::Stop() {
    Terminate();
    WaitFor();
    CloseThreadHandle();
}

void Thread::CloseThreadHandle() {
    if (handle_) CloseHandle(handle_);
    handle_ = nullptr;
}

}  // namespace ui
