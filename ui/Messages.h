#pragma once
// Every private window message of the suite, in one place. Messages that stay inside one
// process are WM_APP based; messages that another process sends (the UI driver) are
// registered by name, because only a registered number is the same in every process.
#include <windows.h>

namespace ui {

// Thread::Synchronize -> the hidden window of the window thread. lParam points to a
// std::function<void()> owned by the sending thread, which waits in SendMessage until the
// call has run; the window thread only calls it.
constexpr UINT WM_KORVAN_SYNCHRONIZE = WM_APP + 1;

// UI driver -> one of our controls: select the entry whose text is the name of the global atom
// in wParam (a tab by caption, a grid or list row by its first cell). The sender owns the atom
// and deletes it after SendMessage returns. Returns 1 when an entry was selected, else 0.
constexpr const char* kSelectTextMessageName = "KorvanSelectText";
UINT SelectTextMessage();

// UI driver -> a list view with check boxes: wParam is the row, lParam 0 to read the state
// (returns 1 when checked), 1 to uncheck, 2 to check (returns 1 when the row exists).
constexpr const char* kRowCheckMessageName = "KorvanRowCheck";
UINT RowCheckMessage();

}  // namespace ui
