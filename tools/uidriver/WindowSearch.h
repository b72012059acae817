#pragma once
// Finding the windows of other processes: top-level windows by caption (or form name) and
// their controls by name, waiting up to a time-out.
#include <windows.h>

#include <string>
#include <vector>

namespace uidriver {

// A visible top-level window whose caption is `caption`, or whose control name is (a form's
// name); null when none. `boxOnly` restricts the search to message boxes (class #32770).
HWND FindTopWindow(const std::string& caption, bool boxOnly);
// Repeats FindTopWindow until it finds one or `seconds` have passed.
HWND WaitTopWindow(const std::string& caption, bool boxOnly, double seconds);

// The window text, read with a time-out so that a hung program cannot hang the driver;
// false when the window did not answer.
bool ReadText(HWND window, std::string& text);
std::string ClassOf(HWND window);
// Visible on screen: its own flag and that of every parent.
bool ShownOnScreen(HWND window);
// The descendants of `top` that have a name, in window order.
std::vector<HWND> NamedControls(HWND top);
// The buttons of a message box; texts without the '&' markers.
std::vector<std::pair<HWND, std::string>> BoxButtons(HWND box);
// The texts of a message box's static controls, one per line.
std::string BoxText(HWND box);

// Sleeps a little between two looks for something awaited.
void PollPause();
// Seconds since the first call.
double Clock();

}  // namespace uidriver
