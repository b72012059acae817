#pragma once
// The name of a control ("ReadButton"), readable from any process on the same desktop.
//
// Mechanism: the window property "KorvanName" holds a global atom whose text is the name.
// Window properties and global atoms both live in the window server (wineserver under Wine),
// so another process finds a control with GetPropA(window, "KorvanName") and
// GlobalGetAtomNameA. The window owns one reference to the atom, taken when the name is set
// and given back when the window is destroyed.
#include <windows.h>

#include <string>

namespace ui {

constexpr const char* kNameProperty = "KorvanName";

// Gives `window` the name (an empty name removes it). False when the atom or the property
// could not be created (names are limited to 255 characters).
bool SetControlName(HWND window, const std::string& name);
// Removes the name and releases its atom; harmless on a window without one.
void RemoveControlName(HWND window);
// The name of a window of any process; empty when it has none.
std::string ControlName(HWND window);
// The first descendant of `top` (any depth, any process) with that name; null when none.
HWND FindNamedControl(HWND top, const std::string& name);

}  // namespace ui
