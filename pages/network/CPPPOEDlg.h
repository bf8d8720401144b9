// The dial-up page: the kind of link (PPPoE or mobile data), the account's user name and
// password, and when the recorder dials.
#pragma once

#include "device/NetworkRecords.h"
#include "pages/common/SettingsPage.h"
#include "pages/common/TextField.h"
#include "res/resource.h"

class CPPPOEDlg : public pages::RecordPage<device::DialRecord> {
  public:
    CPPPOEDlg();

  protected:
    void SetUpControls() override;
    void Load(const device::DialRecord& dial) override;
    void Store(device::DialRecord& dial) override;
    void DoDataExchange(ui::DataExchange& dx) override;

  private:
    pages::TextField user_{IDC_PPPOE_USER, pages::kNameEditSize};
    pages::TextField password_{IDC_PPPOE_PASSWORD, pages::kPasswordEditSize};
};
