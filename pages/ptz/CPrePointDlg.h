// The preset list of one channel's camera: the defined presets by number with their names,
// added, renamed and deleted in a working copy of the channel's PTZPoint record, which Save
// sends. The dialog stays open after Save; Cancel drops what was not saved.
#pragma once

#include <optional>

#include "device/PtzRecords.h"
#include "pages/common/PageRecord.h"
#include "pages/common/SettingsPage.h"

class CPrePointDlg : public pages::SettingsPage {
  public:
    // channel: 0-based, of the channels the recorder has.
    explicit CPrePointDlg(int channel);

  protected:
    void SetUpControls() override;
    bool OnCommand(int id, int code) override;

  private:
    // Lists the working copy's defined presets in ascending number.
    void FillList();
    // The preset of the first selected row; none without a selection.
    std::optional<int> SelectedPreset() const;

    // Called when Add, Modify or Delete is clicked.
    void AddPreset();
    void ModifyPreset();
    void DeletePreset();

    const int channel_;
    device::PtzPointRecord working_{};
    pages::TypedRecord<device::PtzPointRecord> record_;
};
