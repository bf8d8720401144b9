// The Abnormality page: for each of the recorder's eight abnormalities (disk, network, video)
// whether it raises an alarm and the reaction: alarm outputs with latch, message, buzzer,
// upload and e-mail, and recording for a network disconnection. Tour and PTZ actions are not
// offered; their bytes go back as fetched.
#pragma once

#include "device/AlarmRecords.h"
#include "pages/alarms/AlarmLinkageControls.h"
#include "pages/common/EntrySwitch.h"
#include "pages/common/SettingsPage.h"

class CExceptionDlg : public pages::RecordPage<device::EventRecord>, private pages::EntryView {
  public:
    CExceptionDlg();

  protected:
    void SetUpControls() override;
    void Load(const device::EventRecord& event) override;
    void Store(device::EventRecord& event) override;
    void LoadDefaults() override;
    bool OnCommand(int id, int code) override;

  private:
    device::EventEntry& Entry(int index) { return working_.events[index]; }

    // Controls from abnormality `index` of the working copy, and back.
    void ShowEntry(int index) override;
    void TakeEntry(int index) override;
    std::span<std::uint8_t> EntryBytes(int index) override { return pages::BytesOf(Entry(index)); }
    // The recording rows belong to a network disconnection only.
    void ShowRecording(bool shown);

    static device::EventEntry DefaultEntry(int index);

    device::EventRecord working_{};
    pages::EntrySwitch events_{*this, *this};
    AlarmLinkageControls linkage_{*this};
};
