// The Display page: the recorder's local monitor output (resolution, transparency, time and
// channel name display) and its tour through single, quad, 8-split and 16-split views. A change
// of the resolution needs a restart of the recorder. Its "Setting" button opens the channel
// names.
#pragma once

#include <string>

#include "device/InfoRecords.h"
#include "pages/common/SettingsPage.h"
#include "ui/CMyEdit.h"

class CVideoOutDlg : public pages::RecordPage<device::VideoOutRecord> {
  public:
    CVideoOutDlg();

  protected:
    void SetUpControls() override;
    void Load(const device::VideoOutRecord& videoOut) override;
    void Store(device::VideoOutRecord& videoOut) override;
    bool KeySettingsChanged(const device::VideoOutRecord& sent,
                            const device::VideoOutRecord& cached) override;
    void LoadDefaults() override;
    void RefreshCompanions() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    bool OnCommand(int id, int code) override;

  private:
    // The working copy on the controls; the tour's check boxes of the recorder's views only.
    void ShowWorkingCopy();

    device::VideoOutRecord working_{};
    ui::CMyEdit transparencyEdit_;
    ui::CMyEdit intervalEdit_;
    std::u16string transparency_;
    std::u16string interval_;
};
