#include "PageControl.h"

#include <commctrl.h>

#include <algorithm>

#include "Messages.h"

namespace ui {

TabSheet::~TabSheet() {
    if (pages_) pages_->RemovePage(*this);
    DestroyHandle();
}

bool TabSheet::Create(PageControl& pages, const ControlArgs& args) {
    ControlArgs sheet = args;
    sheet.visible = false;
    if (!CreateHandle(WindowKind::Container, pages.Handle(), sheet, WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                      WS_EX_CONTROLPARENT))
        return false;
    pages.AddPage(*this);
    return true;
}

void TabSheet::SetCaption(const std::string& caption) {
    Window::SetCaption(caption);
    if (pages_) pages_->RebuildTabs();
}

void TabSheet::SetTabVisible(bool visible) {
    if (tabVisible_ == visible) return;
    tabVisible_ = visible;
    if (pages_) pages_->RebuildTabs();
}

int TabSheet::PageIndex() const {
    if (!pages_) return -1;
    auto& all = pages_->pages_;
    auto found = std::find(all.begin(), all.end(), this);
    return found == all.end() ? -1 : static_cast<int>(found - all.begin());
}

PageControl::~PageControl() {
    for (TabSheet* page : pages_) page->pages_ = nullptr;
    DestroyHandle();
}

bool PageControl::Create(Window& parent, const ControlArgs& args, bool flatButtons) {
    DWORD style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP;
    if (flatButtons) style |= TCS_BUTTONS | TCS_FLATBUTTONS;
    return CreateHandle(WindowKind::TabControl, parent.Handle(), args, style, WS_EX_CONTROLPARENT);
}

TabSheet* PageControl::Page(int index) const {
    if (index < 0 || index >= PageCount()) return nullptr;
    return pages_[static_cast<size_t>(index)];
}

void PageControl::AddPage(TabSheet& page) {
    page.pages_ = this;
    pages_.push_back(&page);
    if (!active_) active_ = &page;
    RebuildTabs();
}

void PageControl::RemovePage(TabSheet& page) {
    pages_.erase(std::remove(pages_.begin(), pages_.end(), &page), pages_.end());
    page.pages_ = nullptr;
    if (active_ == &page) active_ = pages_.empty() ? nullptr : pages_.front();
    RebuildTabs();
}

void PageControl::SetActivePage(TabSheet& page) {
    if (page.pages_ != this) return;
    active_ = &page;
    RebuildTabs();
}

std::vector<std::string> PageControl::TabCaptions() const {
    std::vector<std::string> captions;
    for (TabSheet* page : pages_)
        if (page->tabVisible_) captions.push_back(page->Caption());
    return captions;
}

int PageControl::TabIndex() const {
    int tab = 0;
    for (TabSheet* page : pages_) {
        if (!page->tabVisible_) continue;
        if (page == active_) return tab;
        ++tab;
    }
    return -1;
}

void PageControl::RebuildTabs() {
    if (!Handle()) return;
    SendMessageA(Handle(), TCM_DELETEALLITEMS, 0, 0);
    int tab = 0;
    for (TabSheet* page : pages_) {
        if (!page->tabVisible_) continue;
        std::string caption = page->Caption();
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = &caption[0];
        SendMessageA(Handle(), TCM_INSERTITEMA, static_cast<WPARAM>(tab++), reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(TabIndex()), 0);
    LayoutPages();
}

void PageControl::LayoutPages() {
    if (!Handle()) return;
    RECT display;
    GetClientRect(Handle(), &display);
    SendMessageA(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    for (TabSheet* page : pages_) {
        if (!page->Handle()) continue;
        MoveWindow(page->Handle(), display.left, display.top, display.right - display.left,
                   display.bottom - display.top, TRUE);
        ShowWindow(page->Handle(), page == active_ ? SW_SHOW : SW_HIDE);
    }
}

bool PageControl::SelectTab(int tab) {
    int shown = 0;
    for (TabSheet* page : pages_) {
        if (!page->tabVisible_) continue;
        if (shown++ != tab) continue;
        active_ = page;
        SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
        LayoutPages();
        return true;
    }
    return false;
}

void PageControl::SetBounds(int left, int top, int width, int height) {
    Window::SetBounds(left, top, width, height);
    LayoutPages();
}

LRESULT PageControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) {
        LRESULT result = Window::HandleMessage(message, wParam, lParam);
        LayoutPages();
        return result;
    }
    if (message == SelectTextMessage()) {
        char text[256] = {};
        GlobalGetAtomNameA(static_cast<ATOM>(wParam), text, sizeof text);
        std::vector<std::string> captions = TabCaptions();
        auto found = std::find(captions.begin(), captions.end(), std::string(text));
        if (found == captions.end() || !SelectTab(static_cast<int>(found - captions.begin()))) return 0;
        if (OnChange) OnChange();
        return 1;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

LRESULT PageControl::OnNotify(NMHDR& header) {
    if (header.code != static_cast<UINT>(TCN_SELCHANGE)) return 0;
    int tab = static_cast<int>(SendMessageA(Handle(), TCM_GETCURSEL, 0, 0));
    if (SelectTab(tab) && OnChange) OnChange();
    return 0;
}

}  // namespace ui
