// The NTP Server page: whether the recorder sets its clock from a time server, the server, the
// recorder's time zone, how often it synchronises and at what time of day it starts.
#pragma once

#include <string>

#include "device/NetworkRecords.h"
#include "pages/common/SettingsPage.h"
#include "pages/common/TextField.h"
#include "res/resource.h"
#include "ui/CMyEdit.h"

class CNTPDlg : public pages::RecordPage<device::NtpRecord> {
  public:
    CNTPDlg();

  protected:
    void SetUpControls() override;
    void Load(const device::NtpRecord& ntp) override;
    void Store(device::NtpRecord& ntp) override;
    void DoDataExchange(ui::DataExchange& dx) override;
    bool OnNotify(int id, int code) override;

  private:
    pages::TextField server_{IDC_NTP_SERVER, pages::kNameEditSize};
    ui::CMyEdit periodEdit_;
    std::u16string period_;
    int used_ = 0;
    // Whether the picker shows the record's start time, or the operator's; a start time the
    // picker cannot show is kept as the recorder has it.
    bool startTimeShown_ = false;
};
