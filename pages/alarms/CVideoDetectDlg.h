// The Detect page: per channel, what the recorder does on video loss, on a masked camera and on
// motion. Each event type has its record (VideoLost, VideoCover, VideoMotion) and its working
// copy; the event type and the channel pick the entry on display. Save sends the changed
// records in that order and has the recorder keep them once at the end.
#pragma once

#include "device/AlarmRecords.h"
#include "pages/alarms/AlarmLinkageControls.h"
#include "pages/common/EntrySwitch.h"
#include "pages/common/SettingsPage.h"

class CVideoDetectDlg : public pages::SettingsPage, private pages::EntryView {
  public:
    CVideoDetectDlg();

    // The event types in the order of the list.
    enum EventType { kVideoLoss, kCameraMask, kMotion, kEventTypes };

  protected:
    void SetUpControls() override;
    void LoadDefaults() override;
    void LoadAllDefaults() override;
    void CopyEntry() override;
    bool PasteEntry() override;
    bool OnCommand(int id, int code) override;

  private:
    // Entries are numbered by type, then channel; -1 when none is shown.
    int Channels() const;
    int Index(int type, int channel) const { return type * Channels() + channel; }
    int ShownType() const;
    int ShownChannel() const;

    // Runs action(entry, clipboard) on the entry of the type and channel in its working copy.
    template <typename Action>
    auto WithEntry(int type, int channel, Action action);

    // A record shown on the controls after it was fetched, and built from them for Save.
    template <typename Record>
    void LoadRecord(int type, Record& working, const Record& record);
    template <typename Record>
    void StoreRecord(Record& record, const Record& working);

    // Controls from entry `index` of the working copies, and back.
    void ShowEntry(int index) override;
    void TakeEntry(int index) override;
    std::span<std::uint8_t> EntryBytes(int index) override;
    template <typename Entry>
    void TakeInto(Entry& entry) const;
    void ShowSensitivity(bool shown);

    // Called when the event type or the channel list changes.
    void SwitchEntry();
    // Called when Setting is clicked: the PTZ linkage of the shown entry.
    void EditPtz();

    pages::TypedRecord<device::VideoLostRecord> lostRecord_;
    pages::TypedRecord<device::VideoCoverRecord> coverRecord_;
    pages::TypedRecord<device::VideoMotionRecord> motionRecord_;
    device::VideoLostRecord lost_{};
    device::VideoCoverRecord cover_{};
    device::VideoMotionRecord motion_{};
    pages::EntrySwitch entries_{*this, *this};
    pages::Clipboard<device::VideoLostEntry> lostClipboard_;
    pages::Clipboard<device::VideoCoverEntry> coverClipboard_;
    pages::Clipboard<device::VideoMotionEntry> motionClipboard_;
    AlarmLinkageControls linkage_{*this};
};
