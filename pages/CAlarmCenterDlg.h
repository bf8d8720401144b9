// The Alarm Center page: the addresses of the two alarm centers, kept in the Net record
// beside the network page's fields.
#pragma once

#include "device/NetworkRecords.h"
#include "ui/SettingsPage.h"

class CAlarmCenterDlg : public ui::SettingsPage {
  public:
    CAlarmCenterDlg();

  protected:
    void SetUpControls() override;
    void LoadControls(int record, std::span<const std::uint8_t> bytes) override;
    void StoreControls(int record, std::span<std::uint8_t> bytes) override;
    void LoadDefaults() override;

  private:
    ui::CachedRecord<device::NetRecord> net_;
};
