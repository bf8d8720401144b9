// The DDNS Server page: whether the recorder registers its address with a dynamic-DNS
// service, which one, the server, the account and the domain name kept up to date.
#pragma once

#include "device/NetworkRecords.h"
#include "pages/common/SettingsPage.h"
#include "pages/common/TextField.h"
#include "res/resource.h"

class CDDNSDlg : public pages::RecordPage<device::DdnsRecord> {
  public:
    CDDNSDlg();

  protected:
    void SetUpControls() override;
    void Load(const device::DdnsRecord& ddns) override;
    void Store(device::DdnsRecord& ddns) override;
    void DoDataExchange(ui::DataExchange& dx) override;

  private:
    pages::TextField server_{IDC_DDNS_SERVER, pages::kNameEditSize};
    pages::TextField user_{IDC_DDNS_USER, pages::kNameEditSize};
    pages::TextField password_{IDC_DDNS_PASSWORD, pages::kPasswordEditSize};
    pages::TextField domain_{IDC_DDNS_DOMAIN, pages::kNameEditSize};
    int used_ = 0;
};
