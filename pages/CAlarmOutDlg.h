// The Alarm Out page: for every alarm output of the recorder its working mode, Auto (driven by
// alarms), Manual or Stop, one column of radio buttons per output, and an "All Sel." button
// per mode.
#pragma once

#include "device/AlarmRecords.h"
#include "pages/common/SettingsPage.h"

class CAlarmOutDlg : public pages::RecordPage<device::AlarmOutRecord> {
  public:
    CAlarmOutDlg();

  protected:
    void SetUpControls() override;
    void Load(const device::AlarmOutRecord& alarmOut) override;
    void Store(device::AlarmOutRecord& alarmOut) override;
    void DoDataExchange(ui::DataExchange& dx) override;
    bool OnCommand(int id, int code) override;

  private:
    // Puts every shown output into one mode (0 Stop, 1 Manual, 2 Auto).
    void SelectAll(int mode);

    // Position of the checked button in each output's column, from Stop; -1 for none.
    int modes_[device::kMaxAlarmOutputs] = {};
};
