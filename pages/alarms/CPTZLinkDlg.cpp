// The PTZ linkage dialog.
#include "pages/alarms/CPTZLinkDlg.h"

#include <algorithm>
#include <cstring>

#include "records/SessionState.h"
#include "pages/common/PageText.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/Format.h"
#include "ui/Styles.h"

using device::kMaxChannels;
using device::PtzLinkEntry;

namespace {

constexpr int kActionNone = 0;
constexpr int kActionPreset = 1;

static_assert(IDC_PTZLINK_CH16_LABEL == IDC_PTZLINK_CH1_LABEL + kMaxChannels - 1);
static_assert(IDC_PTZLINK_PRESET16 == IDC_PTZLINK_ACTION1 + 2 * kMaxChannels - 1);

int LabelId(int channel) {
    return IDC_PTZLINK_CH1_LABEL + channel;
}
int ActionId(int channel) {
    return IDC_PTZLINK_ACTION1 + 2 * channel;
}
int PresetId(int channel) {
    return IDC_PTZLINK_PRESET1 + 2 * channel;
}

int Channels() {
    return std::clamp(records::ChannelCount, 0, kMaxChannels);
}

}  // namespace

CPTZLinkDlg::CPTZLinkDlg(PtzLinkEntry (&target)[kMaxChannels])
    : PageDialog(IDD_PTZLINK, text::kTextPtzActivation), target_(target) {
    std::memcpy(entries_, target_, sizeof entries_);
}

void CPTZLinkDlg::InitPage() {
    pages::SetCaptions(*this,
                       {{IDC_SAVE, text::kTextSave}, {IDC_PTZLINK_CANCEL, text::kTextCancel}});
    for (int c = 0; c < kMaxChannels; ++c)
        SetDlgItemText(LabelId(c), pages::NumberedText(text::kTextCam, c + 1));

    for (int c = 0; c < Channels(); ++c) {
        GetStatic(LabelId(c)).Show(true);
        GetComboBox(ActionId(c)).AddString(pages::Text(text::kTextNone));
        GetComboBox(ActionId(c)).Show(true);
    }
    for (int c = 0; c < Channels(); ++c) {
        // The channel's defined presets by their slot numbers; an entry stores a position.
        ui::ComboBox presets = GetComboBox(PresetId(c));
        for (int j = 0; j < device::kPresetSlots; ++j) {
            if (records::ConfigCache.ptzPoint[c].slots[j].used != 0)
                presets.AddString(ui::Format("%d", j));
        }
        ui::ComboBox action = GetComboBox(ActionId(c));
        if (presets.GetCount() > 0) {
            action.AddString(pages::Text(text::kTextPreset));
            presets.SelectIndex(entries_[c].number);
        }
        // Values the lists do not hold leave them without a selection.
        action.SelectIndex(static_cast<std::int8_t>(entries_[c].action));
        presets.Show(entries_[c].action != kActionNone);
    }
}

bool CPTZLinkDlg::OnCommand(int id, int code) {
    if (id == IDC_SAVE && code == ui::kBnClicked) {
        Confirm();
        return true;
    }
    if (code == ui::kCbnSelChange) {
        for (int c = 0; c < Channels(); ++c) {
            if (id == ActionId(c)) {
                OnActionChanged(c);
                return true;
            }
        }
    }
    return PageDialog::OnCommand(id, code);
}

void CPTZLinkDlg::OnActionChanged(int channel) {
    GetComboBox(PresetId(channel))
        .Show(GetComboBox(ActionId(channel)).GetCurSel() == kActionPreset);
}

void CPTZLinkDlg::Confirm() {
    for (int c = 0; c < Channels(); ++c) {
        // A list without a selection keeps what the entry held.
        if (const auto action = GetComboBox(ActionId(c)).Selection())
            entries_[c].action = static_cast<std::uint8_t>(*action);
        if (const auto position = GetComboBox(PresetId(c)).Selection())
            entries_[c].number = static_cast<std::int16_t>(*position);
    }
    std::memcpy(target_, entries_, sizeof entries_);
    EndDialog(ui::kIdOk);
}
