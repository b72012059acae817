#include "WindowSearch.h"

#include "ControlName.h"

namespace uidriver {

namespace {

constexpr UINT kAnswerTimeoutMs = 5000;

struct TopSearch {
    const std::string* caption;
    bool boxOnly;
    HWND found;
};

BOOL CALLBACK MatchTop(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<TopSearch*>(parameter);
    if (!IsWindowVisible(window)) return TRUE;
    if (search->boxOnly && ClassOf(window) != "#32770") return TRUE;
    std::string text;
    bool match = (ReadText(window, text) && text == *search->caption) ||
                 (!search->boxOnly && ui::ControlName(window) == *search->caption);
    if (!match) return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK CollectNamed(HWND window, LPARAM parameter) {
    if (!ui::ControlName(window).empty())
        reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectChildren(HWND window, LPARAM parameter) {
    reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(window);
    return TRUE;
}

std::vector<HWND> Children(HWND top) {
    std::vector<HWND> children;
    EnumChildWindows(top, CollectChildren, reinterpret_cast<LPARAM>(&children));
    return children;
}

}  // namespace

HWND FindTopWindow(const std::string& caption, bool boxOnly) {
    TopSearch search{&caption, boxOnly, nullptr};
    EnumWindows(MatchTop, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitTopWindow(const std::string& caption, bool boxOnly, double seconds) {
    double deadline = Clock() + seconds;
    for (;;) {
        if (HWND found = FindTopWindow(caption, boxOnly)) return found;
        if (Clock() >= deadline) return nullptr;
        PollPause();
    }
}

bool ReadText(HWND window, std::string& text) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                             &length))
        return false;
    std::string buffer(static_cast<size_t>(length) + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(&buffer[0]),
                             SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &copied))
        return false;
    buffer.resize(static_cast<size_t>(copied) < buffer.size() ? static_cast<size_t>(copied) : 0);
    text = buffer;
    return true;
}

std::string ClassOf(HWND window) {
    char name[128] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

bool ShownOnScreen(HWND window) { return IsWindowVisible(window) != FALSE; }

std::vector<HWND> NamedControls(HWND top) {
    std::vector<HWND> named;
    EnumChildWindows(top, CollectNamed, reinterpret_cast<LPARAM>(&named));
    return named;
}

std::vector<std::pair<HWND, std::string>> BoxButtons(HWND box) {
    std::vector<std::pair<HWND, std::string>> buttons;
    for (HWND child : Children(box)) {
        if (ClassOf(child) != "Button") continue;
        std::string text;
        ReadText(child, text);
        std::string plain;
        for (char c : text)
            if (c != '&') plain += c;
        buttons.emplace_back(child, plain);
    }
    return buttons;
}

std::string BoxText(HWND box) {
    std::string all;
    for (HWND child : Children(box)) {
        if (ClassOf(child) != "Static") continue;
        std::string text;
        if (!ReadText(child, text) || text.empty()) continue;
        if (!all.empty()) all += "\n";
        all += text;
    }
    return all;
}

void PollPause() { Sleep(50); }

double Clock() {
    static const DWORD start = GetTickCount();
    return static_cast<double>(static_cast<DWORD>(GetTickCount() - start)) / 1000.0;
}

}  // namespace uidriver
