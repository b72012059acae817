#include "ControlName.h"

namespace ui {

bool SetControlName(HWND window, const std::string& name) {
    RemoveControlName(window);
    if (name.empty()) return true;
    if (name.size() > 255) return false;
    ATOM atom = GlobalAddAtomA(name.c_str());
    if (atom == 0) return false;
    if (!SetPropA(window, kNameProperty, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(atom)))) {
        GlobalDeleteAtom(atom);
        return false;
    }
    return true;
}

void RemoveControlName(HWND window) {
    HANDLE value = RemovePropA(window, kNameProperty);
    if (value) GlobalDeleteAtom(static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(value)));
}

std::string ControlName(HWND window) {
    HANDLE value = GetPropA(window, kNameProperty);
    if (!value) return std::string();
    char buffer[256] = {};
    UINT length = GlobalGetAtomNameA(static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(value)),
                                     buffer, sizeof buffer);
    return std::string(buffer, length);
}

namespace {

struct NameSearch {
    const std::string* name;
    HWND found;
};

BOOL CALLBACK MatchName(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<NameSearch*>(param);
    if (ControlName(child) != *search->name) return TRUE;
    search->found = child;
    return FALSE;
}

}  // namespace

HWND FindNamedControl(HWND top, const std::string& name) {
    NameSearch search{&name, nullptr};
    EnumChildWindows(top, MatchName, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace ui
