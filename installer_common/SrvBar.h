#pragma once
// The small stay-on-top window that shows a moving bar while a service starts or stops.
#include <windows.h>

#include <string>

class TSrvBarDlg {
public:
    TSrvBarDlg();
    ~TSrvBarDlg();
    TSrvBarDlg(const TSrvBarDlg&) = delete;
    TSrvBarDlg& operator=(const TSrvBarDlg&) = delete;

    HWND Handle() const { return window_; }
    HWND Label1() const { return label1_; }
    HWND Label2() const { return label2_; }
    HWND ProgressBar1() const { return progressBar1_; }

    // Sets both labels, resets the bar, starts the timer and shows the window.
    void Start(const std::string& operation, const std::string& serviceName);
    // One timer tick: the bar advances one step and starts again at its end.
    void Timer1Timer();
    // Hides the window and stops the timer.
    void FormHide();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
    HWND label1_ = nullptr;
    HWND label2_ = nullptr;
    HWND progressBar1_ = nullptr;
    HFONT font_ = nullptr;
};

// Shows the service progress window (created on first use) with the operation
// ("STARTING Service:" or "STOPING Service:") and the service name, then lets it paint for a
// second.
void ShowServiceProgress(const std::string& operation, const std::string& serviceName);
// Releases the window; nothing happens when none is shown.
void ReleaseServiceProgress();
// The window while it exists, else null.
TSrvBarDlg* ServiceProgress();
