#pragma once
// Pages behind tabs. A page whose tab is switched off still exists with all its controls; it
// can be shown from the program (SetActivePage) and its tab switched on again at any time.
#include <functional>
#include <vector>

#include "Window.h"

namespace ui {

class PageControl;

// One page: the parent of the controls on it. Its caption is the text of its tab.
class TabSheet : public Window {
public:
    ~TabSheet() override;
    // The page fills the page control's display area; args give its name and caption only.
    bool Create(PageControl& pages, const ControlArgs& args);
    void SetCaption(const std::string& caption);
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool visible);
    // Position among all pages, tabs shown or not; -1 when not on a page control.
    int PageIndex() const;

private:
    friend class PageControl;
    PageControl* pages_ = nullptr;
    bool tabVisible_ = true;
};

class PageControl : public Window {
public:
    ~PageControl() override;
    // flatButtons: the tabs look like flat buttons instead of file-card tabs.
    bool Create(Window& parent, const ControlArgs& args, bool flatButtons = false);

    int PageCount() const { return static_cast<int>(pages_.size()); }
    // Null for an index out of range.
    TabSheet* Page(int index) const;
    TabSheet* ActivePage() const { return active_; }
    int ActivePageIndex() const { return active_ ? active_->PageIndex() : -1; }
    // Shows `page` (one of ours), even when its tab is switched off. Does not raise OnChange.
    void SetActivePage(TabSheet& page);
    // The number of tabs shown and the caption of each, in order.
    std::vector<std::string> TabCaptions() const;
    // Index among the shown tabs of the selected one; -1 when the active page has no tab.
    int TabIndex() const;

    void SetBounds(int left, int top, int width, int height) override;

    // Raised when the user switches to another tab.
    std::function<void()> OnChange;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnNotify(NMHDR& header) override;

private:
    friend class TabSheet;
    void AddPage(TabSheet& page);
    void RemovePage(TabSheet& page);
    void RebuildTabs();
    void LayoutPages();
    // Activates the page behind shown tab `tab`; false when there is none.
    bool SelectTab(int tab);

    std::vector<TabSheet*> pages_;   // in order; not owned
    TabSheet* active_ = nullptr;
};

}  // namespace ui
