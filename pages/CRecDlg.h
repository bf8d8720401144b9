// The recording Schedule page: per channel and weekday up to six periods in which the recorder
// records on its timer, the pre-record time, and a painted week timeline of the shown channel.
// Edits collect in a working copy of the RecTimer record and reach the recorder together.
#pragma once

#include <string>

#include "device/RecordingRecords.h"
#include "ui/CMyEdit.h"
#include "ui/SettingsPage.h"

class CRecDlg : public ui::SettingsPage {
  public:
    CRecDlg();

  protected:
    void SetUpControls() override;
    void LoadControls(int record, std::span<const std::uint8_t> bytes) override;
    void StoreControls(int record, std::span<std::uint8_t> bytes) override;
    void LoadDefaults() override;
    std::span<std::uint8_t> ShownEntry() override;
    void StoreShownEntry() override {}  // the rows are in the working copy at every change
    void LoadShownEntry() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    bool OnCommand(int id, int code) override;
    bool OnNotify(int id, int code) override;
    void OnPaint(int id, ui::Painter& painter) override;

  private:
    // The channel and weekday picked in the lists; -1 when there is none.
    int ShownChannel() const;
    int ShownDay() const;
    device::ChannelSchedule& Schedule(int channel) { return working_.channels[channel]; }

    // Fills the rows from the shown channel's periods of the shown day, then applies them.
    void ShowDay();
    // Takes the rows into the working copy: the day's periods move to the lowest free entries.
    void ApplyRows();
    void InvalidateTimeline();

    ui::CachedRecord<device::RecTimerRecord> recTimer_;
    device::RecTimerRecord working_{};
    int channels_ = 0;
    ui::CMyEdit preRecordEdit_;
    std::u16string preRecord_;
};
