// The Email page: the account the recorder sends its alarm e-mails with: the SMTP server, the
// sender, the recipient and a copy recipient, and the server login.
#pragma once

#include "device/NetworkRecords.h"
#include "pages/common/SettingsPage.h"
#include "pages/common/TextField.h"
#include "res/resource.h"

class CMailDlg : public pages::RecordPage<device::SmtpRecord> {
  public:
    CMailDlg();

  protected:
    void SetUpControls() override;
    void Load(const device::SmtpRecord& smtp) override;
    void Store(device::SmtpRecord& smtp) override;
    void DoDataExchange(ui::DataExchange& dx) override;

  private:
    pages::TextField server_{IDC_MAIL_SERVER, pages::kNameEditSize};
    pages::TextField from_{IDC_MAIL_FROM, pages::kNameEditSize};
    pages::TextField to_{IDC_MAIL_TO, pages::kNameEditSize};
    pages::TextField cc_{IDC_MAIL_CC, pages::kNameEditSize};
    pages::TextField user_{IDC_MAIL_USER, pages::kNameEditSize};
    pages::TextField password_{IDC_MAIL_PASSWORD, pages::kPasswordEditSize};
};
