// Drop-down lists with item data. Setting the selection raises no notification; only the
// operator's choice does.
#pragma once

#include <optional>

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

    // Selects the entry at index; an index outside the list clears the selection (some list
    // implementations would keep the old one).
    void SelectIndex(int index) { SetCurSel(index >= 0 && index < GetCount() ? index : -1); }
    // The first entry carrying the item data, or -1.
    int FindData(ItemData data) const {
        for (int i = 0; i < GetCount(); ++i) {
            if (GetItemData(i) == data)
                return i;
        }
        return -1;
    }
    // Selects the first entry carrying the item data; none carries it: no selection.
    void SelectData(ItemData data) { SetCurSel(FindData(data)); }
    // The selected index; none when nothing is selected.
    std::optional<int> Selection() const {
        const int index = GetCurSel();
        return index >= 0 ? std::optional<int>(index) : std::nullopt;
    }
    // The item data of the selected entry; none when nothing is selected.
    std::optional<ItemData> SelectedData() const {
        const int index = GetCurSel();
        return index >= 0 ? std::optional<ItemData>(GetItemData(index)) : std::nullopt;
    }
};

}  // namespace ui
