// List views in report style.
#pragma once

#include "ui/Control.h"

namespace ui {

class ListView : public Control {
  public:
    using Control::Control;

    void InsertColumn(int column, std::u16string_view title, int width) {
        window().ListInsertColumn(Id(), column, title, width);
    }
    int InsertItem(int row, std::u16string_view text) {
        return window().ListInsertItem(Id(), row, text);
    }
    void SetItemText(int row, int column, std::u16string_view text) {
        window().ListSetItemText(Id(), row, column, text);
    }
    std::u16string GetItemText(int row, int column) const {
        return window().ListItemText(Id(), row, column);
    }
    int GetItemCount() const { return window().ListItemCount(Id()); }
    void DeleteAllItems() { window().ListDeleteAllItems(Id()); }
    // The first selected row, or -1.
    int GetSelectedRow() const { return window().ListSelectedRow(Id()); }
    void SetExtendedStyle(std::uint32_t style) { window().ListSetExtendedStyle(Id(), style); }
};

}  // namespace ui
