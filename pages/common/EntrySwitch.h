// For pages and dialogs that edit a record one entry at a time (a channel, an alarm input, an
// event type on a channel, a patrol): which entry of the working copy the controls show, and
// the switch to another one. The owner shows an entry on the controls and takes it back; the
// switch keeps the order of those steps, so that nothing the operator typed is lost.
//
// Looking is not editing: controls may show an entry only approximately (a frame rate of 7.5
// as 7, a speed above the edit's range at its maximum, a "used" byte of 2 as a tick), and
// taking them back would write the approximation. So the switch takes an entry into the
// working copy only when the operator changed what its controls show; an entry that was only
// looked at keeps its bytes exactly.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace ui {
class Dialog;
}

namespace pages {

// How the owner's controls show an entry of its working copy and take it back.
class EntryView {
  public:
    virtual ~EntryView() = default;
    virtual void ShowEntry(int index) = 0;
    virtual void TakeEntry(int index) = 0;
    // The entry's bytes in the working copy.
    virtual std::span<std::uint8_t> EntryBytes(int index) = 0;
};

// The bytes of an entry of a packed record.
template <typename Entry>
std::span<std::uint8_t> BytesOf(Entry& entry) {
    return {reinterpret_cast<std::uint8_t*>(&entry), sizeof entry};
}

class EntrySwitch {
  public:
    EntrySwitch(ui::Dialog& dialog, EntryView& view) : dialog_(dialog), view_(view) {}

    // Entries 0 to count - 1 can be shown; the first is shown, none when count is 0.
    void Reset(int count);
    int Count() const { return count_; }
    // The shown entry, or -1 when there is none.
    int Shown() const { return shown_; }
    bool HasShown() const { return shown_ >= 0; }

    // The operator picked an entry: the controls go into the shown entry first (also when the
    // same entry is picked again), then the picked one is shown. An entry outside the count
    // changes nothing.
    void SwitchTo(int index);
    // Shows the shown entry again, after its working copy changed (Refresh, Paste, Default).
    void ShowCurrent();
    // Takes the controls into the shown entry (before Save and Copy), unless the operator left
    // them as they were shown.
    void TakeCurrent();

  private:
    using Bytes = std::vector<std::uint8_t>;
    // Takes the controls into the shown entry; returns the entry's bytes from before.
    Bytes Take();

    ui::Dialog& dialog_;
    EntryView& view_;
    int count_ = 0;
    int shown_ = -1;
    Bytes shownBytes_;  // the shown entry's bytes when the controls showed it
    Bytes untouched_;   // what taking the controls wrote right after they showed the entry
};

// A page's clipboard for one kind of entry: Copy on one kind never pastes into another.
template <typename Entry>
class Clipboard {
  public:
    void Copy(const Entry& entry) {
        entry_ = entry;
        filled_ = true;
    }
    // Writes the copied entry over target; false, leaving it, before the first Copy.
    bool PasteInto(Entry& target) const {
        if (!filled_)
            return false;
        target = entry_;
        return true;
    }

  private:
    Entry entry_{};
    bool filled_ = false;
};

}  // namespace pages
