// The record management page: for every channel the recording mode of the recorder, Auto (by
// the schedule), Manual or Stop, one column of radio buttons per channel, and an "All Sel."
// button per mode.
#pragma once

#include "device/RecordingRecords.h"
#include "ui/SettingsPage.h"

class CRecAdminDlg : public ui::SettingsPage {
  public:
    CRecAdminDlg();

  protected:
    void SetUpControls() override;
    void LoadControls(int record, std::span<const std::uint8_t> bytes) override;
    void StoreControls(int record, std::span<std::uint8_t> bytes) override;
    void DoDataExchange(ui::DataExchange& dx) override;
    bool OnCommand(int id, int code) override;

  private:
    // Puts every shown channel into one mode (0 Stop, 1 Manual, 2 Auto).
    void SelectAll(int mode);

    ui::CachedRecord<device::RecAdminRecord> recAdmin_;
    // Position of the checked button in each channel's column, from Stop; -1 for none.
    int modes_[device::kMaxChannels] = {};
};
