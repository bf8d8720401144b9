// Base of the pages that edit recorder settings: the common buttons and the protocol behind
// them, written once. A page names its records and says how its controls map to their bytes,
// what its defaults are and which settings need a restart; Save, Refresh, Default, All
// Default, Copy and Paste work the same way on every page.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "ui/DeviceRecord.h"
#include "ui/PageDialog.h"

namespace ui {

class SettingsPage : public PageDialog {
  public:
    // When a Save makes the recorder keep what it was sent.
    enum class SavePolicy {
        AfterEachSet,  // after every successful Set
        OnceAtEnd,     // once after all records, even when nothing was sent
    };

    SettingsPage(int templateId, std::uint32_t titleId,
                 SavePolicy policy = SavePolicy::AfterEachSet)
        : PageDialog(templateId, titleId), policy_(policy) {}

    // The common buttons.
    void Save();
    void Refresh();
    void Default();
    void AllDefault();
    void Copy();
    void Paste();

  protected:
    // The records the page sends, in the order they are sent. Called in the constructor.
    void AddRecord(DeviceRecord& record) { records_.push_back(&record); }

    // Captions, value lists and edit limits; runs once when the page is made.
    virtual void SetUpControls() {}
    // Fills the controls from a record (the cached one at first, a fetched one on Refresh).
    virtual void LoadControls(int record, std::span<const std::uint8_t> bytes) = 0;
    // Writes the controls into an outgoing record that starts as the cached record (or as
    // zeros); the value members have been read from the controls.
    virtual void StoreControls(int record, std::span<std::uint8_t> bytes) = 0;
    // Whether a change of the record needs a restart of the recorder.
    virtual bool KeySettingsChanged(int record, std::span<const std::uint8_t> sent,
                                    std::span<const std::uint8_t> cached);
    // Default and All Default: built-in values into the controls (or the working copy).
    virtual void LoadDefaults() {}
    virtual void LoadAllDefaults() {}

    // Pages that edit one entry of a record at a time: the entry on display in the page's
    // working copy, and its transfer to and from the controls.
    virtual std::span<std::uint8_t> ShownEntry() { return {}; }
    virtual void StoreShownEntry() {}
    virtual void LoadShownEntry() {}

    // "Succeed" or "Failed", owned by the page.
    void ShowResult(bool succeeded);

    void InitPage() override;
    bool OnCommand(int id, int code) override;

  private:
    std::vector<DeviceRecord*> records_;
    SavePolicy policy_;
    std::vector<std::uint8_t> clipboard_;
    bool clipboardFilled_ = false;
};

}  // namespace ui
