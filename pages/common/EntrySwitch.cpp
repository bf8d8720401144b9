// Which entry of a working copy the controls show, and the switch to another one.
#include "pages/common/EntrySwitch.h"

#include "ui/Dialog.h"

namespace pages {

void EntrySwitch::Reset(int count) {
    count_ = count > 0 ? count : 0;
    shown_ = count_ > 0 ? 0 : -1;
}

void EntrySwitch::SwitchTo(int index) {
    if (index < 0 || index >= count_ || !HasShown())
        return;
    TakeCurrent();
    shown_ = index;
    ShowCurrent();
}

void EntrySwitch::ShowCurrent() {
    if (!HasShown())
        return;
    view_.ShowEntry(shown_);
    dialog_.UpdateData(ui::Direction::ToControls);
}

void EntrySwitch::TakeCurrent() {
    if (!HasShown())
        return;
    dialog_.UpdateData(ui::Direction::FromControls);
    view_.TakeEntry(shown_);
}

}  // namespace pages
