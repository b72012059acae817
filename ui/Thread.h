#pragma once
// A worker thread with a synchronous call into the window thread.
//
// Create the object on the window thread: it makes a hidden window there, and Synchronize
// sends it a message (WM_KORVAN_SYNCHRONIZE), so the call runs on the window thread while the
// worker waits. A derived class must call Stop() in its own destructor, before the members
// that Execute uses are gone.
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>

#include "Window.h"

namespace ui {

class Thread {
public:
    Thread();
    virtual ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // Starts Execute on a new thread; false when it is already running or could not start.
    bool Start();
    // Asks Execute to end (it polls Terminated()).
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    // Waits for the thread to end. On the window thread it keeps running the calls that the
    // worker hands over meanwhile, so a worker inside Synchronize cannot dead-lock it.
    void WaitFor();
    // Terminate() and WaitFor().
    void Stop();
    bool Running() const { return handle_ != nullptr && !finished_; }
    // The message of an exception that ended Execute; empty when none did.
    const std::string& FatalException() const { return fatalException_; }

protected:
    virtual void Execute() = 0;
    // Runs `call` on the window thread and returns when it has run. An exception from it is
    // shown by the application's exception dialog and does not reach the worker. From the
    // window thread itself the call runs at once.
    void Synchronize(const std::function<void()>& call);

private:
    class CallWindow : public Window {
    public:
        bool Create();

    protected:
        LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    };

    static DWORD WINAPI Entry(LPVOID self);
    void CloseThreadHandle();

    CallWindow window_;
    DWORD windowThread_;
    HANDLE handle_ = nullptr;
    std::atomic<bool> terminated_{false};
    std::atomic<bool> finished_{false};
    std::string fatalException_;
};

}  // namespace ui
