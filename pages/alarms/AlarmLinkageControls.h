// The controls of an alarm's reaction, as every page that edits an AlarmLinkage has them under
// the same ids: the eight enables, the record-channel and tour boxes, the record delay, the
// alarm-output boxes, the latch and the Setting button of the PTZ linkage.
//
// A page makes one, calls SetUp once while it sets up its controls, then Load and Store as it
// shows and takes back an entry. Boxes of channels and outputs the recorder does not have are
// hidden, and the bytes behind hidden channels are kept; a template without some of these
// controls keeps the bytes behind them too. The PTZ part is edited only by EditPtz.
#pragma once

#include "device/AlarmRecords.h"
#include "ui/CMyEdit.h"

namespace ui {
class Dialog;
}

class AlarmLinkageControls {
  public:
    explicit AlarmLinkageControls(ui::Dialog& dialog) : dialog_(dialog) {}

    // Captions, the 0 to 600 limits of the two edits, and the boxes beyond ChannelCount and
    // AlarmOutCount hidden.
    void SetUp();

    // The controls show the linkage.
    void Load(const device::AlarmLinkage& linkage);
    // The controls into the linkage: channel bytes of hidden channels stay, output bits of
    // outputs the recorder does not have are cleared, the PTZ part is not touched.
    void Store(device::AlarmLinkage& linkage) const;

    // Runs the PTZ linkage dialog over the 16 entries, which it changes only when the
    // operator confirms.
    void EditPtz(device::PtzLinkEntry (&entries)[device::kMaxChannels]);

    // The built-in reaction to alarm source `source` (an input or a channel, from 0): that
    // channel records for 10 s, the output of the same number switches and holds 10 s, the
    // channel is toured, and nothing else happens.
    static device::AlarmLinkage Defaults(int source);

  private:
    bool Has(int id) const;
    void SetCheck(int id, bool checked);
    bool IsChecked(int id) const;

    ui::Dialog& dialog_;
    ui::CMyEdit delayEdit_;
    ui::CMyEdit latchEdit_;
};
