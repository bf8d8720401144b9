// Base of the pages and dialogs that edit recorder settings: the common buttons and the
// protocol behind them, written once. A page binds its typed records and says how its controls
// show them, what its defaults are and which settings need a restart; Save, Refresh, Default,
// All Default, Copy and Paste work the same way everywhere.
//
// Pending edits. A page is pending exactly when its Save would send bytes other than those it
// would have sent had the operator touched nothing since the page last loaded its records, saved
// or refreshed them. So:
// - Looking is not editing. Showing the page, or another channel, day, input or event type,
//   never changes what Save sends: the page's working copies change only on the operator's
//   edits, Default, All Default, Paste and a dialog's confirmed edits. Entries go through
//   EntrySwitch, which takes an entry back only when the operator changed its controls.
// - What the page compares with (its baseline, one per record) is taken when its records are
//   loaded, saved or refreshed. A record another page saves or refreshes, or an import changes,
//   moves the bytes the page takes from the cache and keeps those the page writes itself, so
//   that the page's own edits stay pending and nothing else becomes so.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "pages/common/PageDialog.h"
#include "pages/common/PageRecord.h"
#include "records/RecordWatch.h"

namespace pages {

class SettingsPage : public PageDialog, private records::RecordWatcher {
  public:
    // When a Save makes the recorder keep what it was sent.
    enum class SavePolicy {
        AfterEachSet,  // after every successful Set
        OnceAtEnd,     // once after all records, even when nothing was sent
    };

    SettingsPage(int templateId, std::uint32_t titleId,
                 SavePolicy policy = SavePolicy::AfterEachSet)
        : PageDialog(templateId, titleId), policy_(policy) {}
    ~SettingsPage() override;
    SettingsPage(const SettingsPage&) = delete;
    SettingsPage& operator=(const SettingsPage&) = delete;

    // The common buttons.
    void Save();
    void Refresh();
    void Default();
    void AllDefault();
    void Copy();
    void Paste();
    // Shows the cached records again, as a Refresh does with what it read.
    void ReloadFromCache();

    // Whether Save would build records other than those the page built right after it last
    // loaded them or had them accepted. Save, Refresh, Default and All Default notify.
    bool HasPendingEdits() override;

    // For records changed without the page (an import): whether the page binds the record (a
    // per-channel one on that channel), and whether its change from before to what the cache
    // holds now touches a setting the page asks to restart for.
    bool Binds(records::RecordId id, int channel) const;
    bool KeySettingsChangedSince(records::RecordId id, int channel,
                                 std::span<const std::uint8_t> before);

  protected:
    // The records the page sends, in the order they are sent; the page hears when another page
    // changes one of them in the cache. Called in the constructor.
    void AddRecord(PageRecord& record);

    // Captions, value lists and edit limits; runs once when the page is made, before the
    // controls are loaded from the cached records.
    virtual void SetUpControls() {}
    // Default and All Default: built-in values into the controls (or the working copy).
    virtual void LoadDefaults() {}
    virtual void LoadAllDefaults() {}
    // Pages that edit one entry at a time: the entry on display into the page's clipboard,
    // and the clipboard back into it. Paste returns false when there was nothing to paste.
    virtual void CopyEntry() {}
    virtual bool PasteEntry() { return false; }
    // After a Refresh that read every record: records the page shows but does not send, read
    // again through records::RereadRecord, whose failures keep the cache and show nothing.
    virtual void RefreshCompanions() {}

    // "Succeed" or "Failed", owned by the page.
    void ShowResult(bool succeeded);

    bool OnInitDialog() override;
    void InitPage() override;
    bool OnCommand(int id, int code) override;
    // Cancel, Escape and the close box of a dialog with a Save of its own: with edits not sent,
    // the dialog asks first whether to drop them; No keeps it open.
    void OnCancel() override;

  private:
    using Bytes = std::vector<std::uint8_t>;
    // Another page's Save or Refresh, or an import, changed a record the page shows.
    void RecordChanged(records::RecordId id, int channel) override;
    // The record Save would build from the controls (and the working copy), whose value
    // members have been read; empty when there is no cached record.
    Bytes Outgoing(PageRecord& record);
    // What the page would build now over the cache as it was when the record's baseline was
    // taken.
    Bytes OutgoingOverBaseCache(std::size_t record);
    // What the page builds now becomes what it is compared with, for every record.
    void TakeBaselines();
    void Remember(std::size_t record, const Bytes& built);

    std::vector<PageRecord*> records_;
    std::vector<Bytes> baselines_;   // one per record, once the page is made
    std::vector<Bytes> baseCaches_;  // the cached record each baseline was built over
    SavePolicy policy_;
    bool exchanging_ = false;  // the page's own Save or Refresh is under way
};

// A page that edits one record: it says how the controls show the record and build it.
template <typename Record>
class RecordPage : public SettingsPage {
  public:
    RecordPage(int templateId, std::uint32_t titleId, records::RecordId id,
               Build build = Build::FromCache)
        : SettingsPage(templateId, titleId), record_(id, build) {
        record_.SetEditor({
            [this](const Record& record) { Load(record); },
            [this](Record& record) { Store(record); },
            [this](const Record& sent, const Record& cached) {
                return KeySettingsChanged(sent, cached);
            },
        });
        AddRecord(record_);
    }

  protected:
    // Fills the controls from a record (the cached one at first, a fetched one on Refresh).
    virtual void Load(const Record& record) = 0;
    // Writes the controls into the outgoing record, which starts as the cached record or as
    // zeros; the value members have been read from the controls.
    virtual void Store(Record& record) = 0;
    // Whether a change needs a restart of the recorder.
    virtual bool KeySettingsChanged(const Record& /*sent*/, const Record& /*cached*/) {
        return false;
    }

    // The record as the cache holds it.
    const Record& CachedRecord() { return *record_.CachedRecord(); }

  private:
    TypedRecord<Record> record_;
};

}  // namespace pages
