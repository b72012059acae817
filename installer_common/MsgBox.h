#pragma once
// The installer's message boxes, all shown through ui::Interaction(). Texts carry "\n" and
// "<p>" escapes for line breaks; the boxes format them (MsgBoxText.h).
//
// The top-level family works before any window of the program exists; the application family
// is modal to the program's active window and handles pending messages after it closes.
#include <windows.h>

#include <string>

// Flags are combined with MB_TOPMOST | MB_SETFOREGROUND | MB_TASKMODAL. A null owner means
// the desktop window. Returns the button pressed, after a 100 ms message-pumping pause.
int TopMessageBox(HWND owner, const std::string& caption, const std::string& text, UINT flags);
// TopMessageBox with the caption "Error" and the stop icon.
int TopErrorBox(HWND owner, const std::string& text);

// Caption "Error", error icon.
void ErrorBox(const std::string& text);
// Error icon under the given caption; the character sets 177 (Hebrew) and 178 (Arabic) make
// the box right-aligned and right-to-left.
void CaptionErrorBox(const std::string& caption, const std::string& text, int charset);
// Caption "Attention", warning icon.
void AttentionBox(const std::string& text);
// Caption "Confirm" with the given flags; true when the user pressed OK or Yes.
bool ConfirmBox(const std::string& text, UINT flags);
bool ConfirmYesNo(const std::string& text);
bool ConfirmOkCancel(const std::string& text);

// Character sets that switch the installer's windows to right-to-left.
bool IsRightToLeftCharset(int charset);
