// Drop-down lists with item data. Setting the selection raises no notification; only the
// operator's choice does.
#pragma once

#include "ui/Control.h"

namespace ui {

class ComboBox : public Control {
  public:
    using Control::Control;

    int AddString(std::u16string_view text) { return window().ComboAddString(Id(), text); }
    // Appends an entry carrying item data; returns its index.
    int AddString(std::u16string_view text, ItemData data) {
        const int index = AddString(text);
        SetItemData(index, data);
        return index;
    }
    void SetItemData(int index, ItemData data) { window().ComboSetItemData(Id(), index, data); }
    ItemData GetItemData(int index) const { return window().ComboItemData(Id(), index); }
    int GetCount() const { return window().ComboCount(Id()); }
    std::u16string GetItemText(int index) const { return window().ComboItemText(Id(), index); }
    void SetCurSel(int index) { window().ComboSetCurSel(Id(), index); }
    int GetCurSel() const { return window().ComboCurSel(Id()); }
    int SelectString(int startAfter, std::u16string_view prefix) {
        return window().ComboSelectString(Id(), startAfter, prefix);
    }
    void ResetContent() { window().ComboResetContent(Id()); }
};

}  // namespace ui
