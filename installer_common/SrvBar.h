#pragma once
// The small stay-on-top window that shows a moving bar while a service starts or stops.
#include <string>

#include "Form.h"
#include "Label.h"
#include "ProgressBar.h"
#include "Timer.h"

class TSrvBarDlg : public ui::Form {
public:
    TSrvBarDlg();

    ui::Label Label1;
    ui::Label Label2;
    ui::ProgressBar ProgressBar1;
    ui::Timer Timer1{500, false};

    // Sets both labels, resets the bar, starts the timer and shows the window.
    void Start(const std::string& operation, const std::string& serviceName);
    // One timer tick: the bar advances one step and starts again at its end.
    void Timer1Timer();
    // Hides the window and stops the timer.
    void FormHide();
};

// Shows the service progress window (created on first use) with the operation
// ("STARTING Service:" or "STOPING Service:") and the service name, then lets it paint for a
// second.
void ShowServiceProgress(const std::string& operation, const std::string& serviceName);
// Releases the window; nothing happens when none is shown.
void ReleaseServiceProgress();
// The window while it exists, else null.
TSrvBarDlg* ServiceProgress();
