// The Network page: the recorder's addresses, DHCP and ports. A change of a port needs a
// restart of the recorder.
#pragma once

#include <string>

#include "device/NetworkRecords.h"
#include "pages/common/SettingsPage.h"
#include "ui/CMyEdit.h"

class CNetDlg : public pages::RecordPage<device::NetRecord> {
  public:
    CNetDlg();

  protected:
    void SetUpControls() override;
    void Load(const device::NetRecord& net) override;
    void Store(device::NetRecord& net) override;
    bool KeySettingsChanged(const device::NetRecord& sent,
                            const device::NetRecord& cached) override;
    void LoadDefaults() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    bool OnCommand(int id, int code) override;

  private:
    // With DHCP the address, mask and gateway are the recorder's to obtain.
    void ApplyEnableRule(bool dhcp);

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
