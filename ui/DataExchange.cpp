// Data exchange between a dialog's value members and its controls.
#include "ui/DataExchange.h"

#include "ui/Window.h"

namespace ui {

void DataExchange::Text(int id, std::u16string& value) {
    if (ToControls()) {
        window_.SetControlText(id, value);
    } else {
        value = window_.ControlText(id);
    }
}

void DataExchange::Check(int id, int& value) {
    if (ToControls()) {
        window_.SetCheck(id, value != 0);
    } else {
        value = window_.IsChecked(id) ? 1 : 0;
    }
}

void DataExchange::Radio(int firstId, int& value) {
    const std::vector<int> group = window_.RadioGroup(firstId);
    if (ToControls()) {
        for (int i = 0; i < int(group.size()); ++i)
            window_.SetCheck(group[i], i == value);
        return;
    }
    value = -1;
    for (int i = 0; i < int(group.size()); ++i) {
        if (window_.IsChecked(group[i])) {
            value = i;
            break;
        }
    }
}

void DataExchange::ComboIndex(int id, int& value) {
    if (ToControls()) {
        window_.ComboSetCurSel(id, value);
    } else {
        value = window_.ComboCurSel(id);
    }
}

}  // namespace ui
