#pragma once
// Pauses that keep the thread's windows responsive: the installer waits this way for services,
// programs and its own timers instead of sleeping.

// Removes, translates and dispatches one pending message of this thread, if there is one.
void PumpOneMessage();
// Calls PumpOneMessage until more than `ms` milliseconds have passed.
void WaitPumping(unsigned ms);
// As WaitPumping, but each pass handles every pending message.
void WaitProcessing(unsigned ms);
// Handles every message pending for this thread, then returns.
void ProcessMessages();
