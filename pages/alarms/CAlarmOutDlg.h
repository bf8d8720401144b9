// The Alarm Out page: for every alarm output of the recorder its working mode, Auto (driven by
// alarms), Manual or Stop, one column of radio buttons per output, and an "All Sel." button
// per mode.
#pragma once

#include "device/AlarmRecords.h"
#include "pages/common/ModeColumns.h"
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
    pages::ModeColumns columns_;
};
