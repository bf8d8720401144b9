// The tours of one channel's camera: sixteen patrols, each switched on or off, with a dwell
// time and up to sixteen presets visited in turn. Edits of every patrol collect in a working
// copy of the channel's PTZCruise record, which Save sends; the dialog stays open after Save
// and Cancel drops what was not saved. The presets offered are those the channel had defined
// when the dialog opened.
#pragma once

#include <optional>
#include <string>

#include "device/PtzRecords.h"
#include "pages/common/EntrySwitch.h"
#include "pages/common/PageRecord.h"
#include "pages/common/SettingsPage.h"
#include "ui/CMyEdit.h"

class CPTZCruiseDlg : public pages::SettingsPage, private pages::EntryView {
  public:
    // The order slots, from the first point visited to the last.
    static const int kSlotIds[device::kCruiseSlots];

    // channel: 0-based, of the channels the recorder has.
    explicit CPTZCruiseDlg(int channel);

  protected:
    void SetUpControls() override;
    void DoDataExchange(ui::DataExchange& dx) override;
    bool OnCommand(int id, int code) override;

  private:
    // "None", then the channel's defined presets, in every slot.
    void FillSlots();

    // Controls from patrol `patrol` of the working copy, and back.
    void ShowEntry(int patrol) override;
    void TakeEntry(int patrol) override;
    std::span<std::uint8_t> EntryBytes(int patrol) override {
        return pages::BytesOf(working_.patrols[patrol]);
    }

    const int channel_;
    device::PtzCruiseRecord working_{};
    pages::TypedRecord<device::PtzCruiseRecord> record_;
    pages::EntrySwitch patrols_{*this, *this};
    ui::CMyEdit intervalEdit_;
    std::u16string interval_;
};
