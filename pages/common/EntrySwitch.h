// For pages and dialogs that edit a record one entry at a time (a channel, an alarm input, an
// event type on a channel, a patrol): which entry of the working copy the controls show, and
// the switch to another one. The owner shows an entry on the controls and takes it back; the
// switch keeps the order of those steps, so that nothing the operator typed is lost.
#pragma once

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
};

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
    // Takes the controls into the shown entry (before Save and Copy).
    void TakeCurrent();

  private:
    ui::Dialog& dialog_;
    EntryView& view_;
    int count_ = 0;
    int shown_ = -1;
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
