// The Network page: the recorder's addresses, DHCP and ports. A change of a port needs a
// restart of the recorder.
#pragma once

#include <string>

#include "device/NetworkRecords.h"
#include "ui/CMyEdit.h"
#include "ui/SettingsPage.h"

class CNetDlg : public ui::SettingsPage {
  public:
    CNetDlg();

  protected:
    void SetUpControls() override;
    void LoadControls(int record, std::span<const std::uint8_t> bytes) override;
    void StoreControls(int record, std::span<std::uint8_t> bytes) override;
    bool KeySettingsChanged(int record, std::span<const std::uint8_t> sent,
                            std::span<const std::uint8_t> cached) override;
    void LoadDefaults() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    bool OnCommand(int id, int code) override;

  private:
    // With DHCP the address, mask and gateway are the recorder's to obtain.
    void ApplyEnableRule(bool dhcp);

    ui::CachedRecord<device::NetRecord> net_;
    ui::CMyEdit cmdPortEdit_;
    ui::CMyEdit httpPortEdit_;
    ui::CMyEdit dataPortEdit_;
    ui::CMyEdit talkPortEdit_;
    int dhcp_ = 0;
    std::u16string cmdPort_;
    std::u16string httpPort_;
    std::u16string dataPort_;
    std::u16string talkPort_;
};
