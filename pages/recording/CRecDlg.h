// The recording Schedule page: per channel and weekday up to six periods in which the recorder
// records on its timer, the pre-record time, and a painted week timeline of the shown channel.
// Edits collect in a working copy of the RecTimer record and reach the recorder together.
#pragma once

#include <string>

#include "device/RecordingRecords.h"
#include "pages/common/EntrySwitch.h"
#include "pages/common/SettingsPage.h"
#include "ui/CMyEdit.h"

class CRecDlg : public pages::RecordPage<device::RecTimerRecord>, private pages::EntryView {
  public:
    CRecDlg();

  protected:
    void SetUpControls() override;
    void Load(const device::RecTimerRecord& recTimer) override;
    void Store(device::RecTimerRecord& recTimer) override;
    void LoadDefaults() override;
    void CopyEntry() override;
    bool PasteEntry() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    bool OnCommand(int id, int code) override;
    bool OnNotify(int id, int code) override;
    void OnPaint(int id, ui::Painter& painter) override;

  private:
    // The channel's schedule on the rows; the rows are in the working copy at every change.
    void ShowEntry(int) override { ShowDay(); }
    void TakeEntry(int) override {}
    std::span<std::uint8_t> EntryBytes(int channel) override {
        return pages::BytesOf(Schedule(channel));
    }

    // The weekday picked in the list; -1 when there is none.
    int ShownDay() const;
    device::ChannelSchedule& Schedule(int channel) { return working_.channels[channel]; }

    // Fills the rows from the shown channel's periods of the shown day.
    void ShowDay();
    // Takes the rows into the working copy: the day's periods move to the lowest free entries.
    void ApplyRows();
    void InvalidateTimeline();

    device::RecTimerRecord working_{};
    pages::EntrySwitch channels_{*this, *this};
    pages::Clipboard<device::ChannelSchedule> clipboard_;
    ui::CMyEdit preRecordEdit_;
    std::u16string preRecord_;
};
