// The channel name dialog, run modally from the Display page: the names the recorder shows on
// the live picture, one edit per channel it has. Save sends the cached record with the edited
// names and leaves the dialog open; Cancel closes it.
#pragma once

#include "device/InfoRecords.h"
#include "device/Limits.h"
#include "pages/common/SettingsPage.h"
#include "ui/CMyEdit.h"

class CChanNameDlg : public pages::RecordPage<device::ChanNameRecord> {
  public:
    // Text of a name as typed here: 30 UTF-8 bytes and the terminator.
    static constexpr int kNameLimit = 31;

    CChanNameDlg();

  protected:
    void SetUpControls() override;
    void Load(const device::ChanNameRecord& names) override;
    void Store(device::ChanNameRecord& names) override;
    void LoadDefaults() override;

  private:
    ui::CMyEdit edits_[device::kMaxChannels];
};
