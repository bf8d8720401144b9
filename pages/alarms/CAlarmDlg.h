// The Alarm page: per alarm input its contact type and the recorder's reaction when it fires.
// Edits of every input collect in a working copy of the AlarmIn record and reach the recorder
// together.
#pragma once

#include "device/AlarmRecords.h"
#include "pages/alarms/AlarmLinkageControls.h"
#include "pages/common/EntrySwitch.h"
#include "pages/common/SettingsPage.h"

class CAlarmDlg : public pages::RecordPage<device::AlarmInRecord>, private pages::EntryView {
  public:
    CAlarmDlg();

  protected:
    void SetUpControls() override;
    void Load(const device::AlarmInRecord& alarmIn) override;
    void Store(device::AlarmInRecord& alarmIn) override;
    void LoadDefaults() override;
    void LoadAllDefaults() override;
    void CopyEntry() override;
    bool PasteEntry() override;
    bool OnCommand(int id, int code) override;

  private:
    device::AlarmInEntry& Input(int index) { return working_.inputs[index]; }

    // Controls from input `index` of the working copy, and back.
    void ShowEntry(int index) override;
    void TakeEntry(int index) override { TakeInto(Input(index)); }
    std::span<std::uint8_t> EntryBytes(int index) override { return pages::BytesOf(Input(index)); }
    void TakeInto(device::AlarmInEntry& entry) const;

    // Called when Setting is clicked: the PTZ linkage of the shown input.
    void EditPtz();

    static device::AlarmInEntry DefaultEntry(int index);

    device::AlarmInRecord working_{};
    pages::EntrySwitch inputs_{*this, *this};
    pages::Clipboard<device::AlarmInEntry> clipboard_;
    AlarmLinkageControls linkage_{*this};
};
