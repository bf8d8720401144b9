// The Alarm Center page: the addresses of the two alarm centers, kept in the Net record
// beside the network page's fields.
#pragma once

#include "device/NetworkRecords.h"
#include "pages/common/SettingsPage.h"

class CAlarmCenterDlg : public pages::RecordPage<device::NetRecord> {
  public:
    CAlarmCenterDlg();

  protected:
    void SetUpControls() override;
    void Load(const device::NetRecord& net) override;
    void Store(device::NetRecord& net) override;
    void LoadDefaults() override;
};
