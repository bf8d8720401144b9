// Which entry of a working copy the controls show, and the switch to another one.
#include "pages/common/EntrySwitch.h"

#include <algorithm>

#include "ui/Dialog.h"

namespace pages {

void EntrySwitch::Reset(int count) {
    count_ = count > 0 ? count : 0;
    shown_ = count_ > 0 ? 0 : -1;
    shownBytes_.clear();
    untouched_.clear();
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
    // What the untouched controls would write, found by writing it and putting the entry back.
    shownBytes_ = Take();
    const std::span<std::uint8_t> entry = view_.EntryBytes(shown_);
    untouched_.assign(entry.begin(), entry.end());
    std::copy(shownBytes_.begin(), shownBytes_.end(), entry.begin());
}

void EntrySwitch::TakeCurrent() {
    if (!HasShown())
        return;
    Take();
    // Controls put back as they were shown give the entry back as it was shown, also after an
    // earlier take wrote an edit the operator has since undone.
    const std::span<std::uint8_t> entry = view_.EntryBytes(shown_);
    if (std::equal(entry.begin(), entry.end(), untouched_.begin(), untouched_.end()) &&
        shownBytes_.size() == entry.size())
        std::copy(shownBytes_.begin(), shownBytes_.end(), entry.begin());
}

EntrySwitch::Bytes EntrySwitch::Take() {
    const std::span<const std::uint8_t> entry = view_.EntryBytes(shown_);
    Bytes before(entry.begin(), entry.end());
    dialog_.UpdateData(ui::Direction::FromControls);
    view_.TakeEntry(shown_);
    return before;
}

}  // namespace pages
