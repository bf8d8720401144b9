// The PTZ linkage dialog: for each channel the PTZ action an alarm starts, none or going to one
// of the channel's defined presets. It edits a copy of 16 entries of an alarm's linkage and
// writes them back only when the operator confirms with Save.
#pragma once

#include "device/AlarmRecords.h"
#include "pages/common/PageDialog.h"

class CPTZLinkDlg : public pages::PageDialog {
  public:
    // target: the 16 entries inside the calling page's working copy.
    explicit CPTZLinkDlg(device::PtzLinkEntry (&target)[device::kMaxChannels]);

  protected:
    void InitPage() override;
    bool OnCommand(int id, int code) override;

  private:
    // Called when Save is clicked: the lists into the entries, all of them to the target.
    void Confirm();
    // Called when the action of channel c changes: its preset list is shown for "Preset".
    void OnActionChanged(int channel);

    device::PtzLinkEntry (&target_)[device::kMaxChannels];
    device::PtzLinkEntry entries_[device::kMaxChannels];
};
