#pragma once
// A drop-down list: the user picks one of its items and cannot type.
#include <functional>
#include <string>
#include <vector>

#include "Window.h"

namespace ui {

class ComboBox : public Window {
public:
    // args.height is the height of the closed box; the list opens below it.
    bool Create(Window& parent, const ControlArgs& args, const std::vector<std::string>& items = {});
    void AddItem(const std::string& item);
    void ClearItems();
    int ItemCount() const;
    // Empty for an index out of range.
    std::string Item(int index) const;
    // Index of the item equal to `text` ignoring case, or -1.
    int IndexOfItem(const std::string& text) const;
    // -1 when nothing is selected.
    int ItemIndex() const;
    // -1 (or any index out of range) clears the selection. Does not raise OnChange.
    void SetItemIndex(int index);

    // Raised when the user picks another item.
    std::function<void()> OnChange;

protected:
    void OnCommand(WORD code) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace ui
