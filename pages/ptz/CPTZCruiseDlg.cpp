// The tours of one channel's camera.
#include "pages/ptz/CPTZCruiseDlg.h"

#include "records/SessionState.h"
#include "pages/common/PageText.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/Format.h"
#include "ui/NumberText.h"
#include "ui/Styles.h"

using device::CruisePatrol;

const int CPTZCruiseDlg::kSlotIds[device::kCruiseSlots] = {
    IDC_CRUISE_SLOT1,  IDC_CRUISE_SLOT2,  IDC_CRUISE_SLOT3,  IDC_CRUISE_SLOT4,
    IDC_CRUISE_SLOT5,  IDC_CRUISE_SLOT6,  IDC_CRUISE_SLOT7,  IDC_CRUISE_SLOT8,
    IDC_CRUISE_SLOT9,  IDC_CRUISE_SLOT10, IDC_CRUISE_SLOT11, IDC_CRUISE_SLOT12,
    IDC_CRUISE_SLOT13, IDC_CRUISE_SLOT14, IDC_CRUISE_SLOT15, IDC_CRUISE_SLOT16,
};

namespace {

constexpr int kNoPreset = 0;  // the "None" entry, first in every slot

}  // namespace

CPTZCruiseDlg::CPTZCruiseDlg(int channel)
    : SettingsPage(IDD_PTZCRUISE, text::kTextCruise),
      channel_(channel),
      record_(records::RecordId::PtzCruise, channel_) {
    record_.SetEditor({
        [this](const device::PtzCruiseRecord& cruise) {
            working_ = cruise;
            patrols_.ShowCurrent();
        },
        [this](device::PtzCruiseRecord& cruise) {
            patrols_.TakeCurrent();
            cruise = working_;
        },
        {},
    });
    AddRecord(record_);
}

void CPTZCruiseDlg::SetUpControls() {
    pages::SetCaptions(*this, {
                                  {IDC_CRUISE_PATROL_LABEL, text::kTextPatrolNumber},
                                  {IDC_CRUISE_USED, text::kTextUsed},
                                  {IDC_CRUISE_INTERVAL_LABEL, text::kTextCruiseInterval},
                                  {IDC_CRUISE_SECONDS_LABEL, text::kTextSeconds},
                                  {IDC_CRUISE_ORDER_LABEL, text::kTextOrder},
                                  {ui::kIdCancel, text::kTextCancel},
                              });
    intervalEdit_.SetNumeric(5, 60);
    intervalEdit_.Attach(*this, IDC_CRUISE_INTERVAL);

    ui::ComboBox patrols = GetComboBox(IDC_CRUISE_PATROL);
    for (int p = 1; p <= device::kCruisePatrols; ++p)
        patrols.AddString(ui::Format("%d", p));
    patrols.SetCurSel(0);
    patrols_.Reset(device::kCruisePatrols);
    FillSlots();
}

void CPTZCruiseDlg::FillSlots() {
    // The channel's presets as the cache holds them; none for a channel the recorder lacks.
    const bool hasChannel = channel_ >= 0 && channel_ < records::ChannelCount;
    const device::PtzPointRecord* points =
        hasChannel ? &records::ConfigCache.ptzPoint[channel_] : nullptr;
    for (int id : kSlotIds) {
        ui::ComboBox slot = GetComboBox(id);
        // Up to 256 entries in each of sixteen lists: drawn once, when all are there.
        slot.SetRedraw(false);
        slot.AddString(pages::Text(text::kTextNone), kNoPreset);
        for (int k = 0; points && k < device::kPresetSlots; ++k) {
            if (points->slots[k].used != 0)
                slot.AddString(ui::Format("%d", k), k);
        }
        slot.SetRedraw(true);
    }
}

void CPTZCruiseDlg::ShowEntry(int patrol) {
    const CruisePatrol& shown = working_.patrols[patrol];
    GetButton(IDC_CRUISE_USED).SetCheck(shown.used == 1);
    interval_ = ui::Format("%d", shown.intervalSeconds);
    for (int j = 0; j < device::kCruiseSlots; ++j) {
        ui::ComboBox slot = GetComboBox(kSlotIds[j]);
        // A preset that is not defined matches no entry: the slot shows none and keeps it.
        const int preset = shown.slots[j].preset;
        if (preset == kNoPreset)
            slot.SetCurSel(0);
        else
            slot.SelectIndex(slot.FindData(preset));
    }
}

void CPTZCruiseDlg::TakeEntry(int patrol) {
    CruisePatrol& taken = working_.patrols[patrol];
    taken.used = GetButton(IDC_CRUISE_USED).IsChecked() ? 1 : 0;
    taken.intervalSeconds = static_cast<std::int16_t>(ui::IntegerFromText(interval_));
    for (int j = 0; j < device::kCruiseSlots; ++j) {
        const ui::ComboBox slot = GetComboBox(kSlotIds[j]);
        const std::optional<int> entry = slot.Selection();
        if (!entry)
            continue;  // an undefined preset: its bytes stay
        taken.slots[j].preset = static_cast<std::uint8_t>(slot.GetItemData(*entry));
        // "None" leaves the set byte as it was.
        if (*entry != 0)
            taken.slots[j].set = 1;
    }
}

void CPTZCruiseDlg::DoDataExchange(ui::DataExchange& dx) {
    dx.Text(IDC_CRUISE_INTERVAL, interval_);
}

bool CPTZCruiseDlg::OnCommand(int id, int code) {
    if (code == ui::kCbnSelChange && id == IDC_CRUISE_PATROL) {
        patrols_.SwitchTo(GetComboBox(IDC_CRUISE_PATROL).GetCurSel());
        return true;
    }
    return SettingsPage::OnCommand(id, code);
}
