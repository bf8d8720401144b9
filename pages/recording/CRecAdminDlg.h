// The record management page: for every channel the recording mode of the recorder, Auto (by
// the schedule), Manual or Stop, one column of radio buttons per channel, and an "All Sel."
// button per mode.
#pragma once

#include "device/RecordingRecords.h"
#include "pages/common/ModeColumns.h"
#include "pages/common/SettingsPage.h"

class CRecAdminDlg : public pages::RecordPage<device::RecAdminRecord> {
  public:
    CRecAdminDlg();

  protected:
    void SetUpControls() override;
    void Load(const device::RecAdminRecord& recAdmin) override;
    void Store(device::RecAdminRecord& recAdmin) override;
    void DoDataExchange(ui::DataExchange& dx) override;
    bool OnCommand(int id, int code) override;

  private:
    pages::ModeColumns columns_;
};
