// The Detect page.
#include "pages/alarms/CVideoDetectDlg.h"

#include <algorithm>
#include <type_traits>

#include "records/SessionState.h"
#include "pages/common/PageText.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/Styles.h"

using device::VideoCoverEntry;
using device::VideoCoverRecord;
using device::VideoLostEntry;
using device::VideoLostRecord;
using device::VideoMotionEntry;
using device::VideoMotionRecord;

namespace {

// The sensitivity a default entry gets: the list's "3".
constexpr std::uint8_t kDefaultSensitivity = 2;

template <typename Entry>
constexpr bool kHasSensitivity = requires(Entry entry) {
    entry.sensitivity;
};

template <typename Entry>
Entry DefaultEntry(int channel) {
    // All zeros, the motion area included; "Used" stays off.
    Entry entry{};
    if constexpr (kHasSensitivity<Entry>)
        entry.sensitivity = kDefaultSensitivity;
    entry.linkage = AlarmLinkageControls::Defaults(channel);
    return entry;
}

}  // namespace

CVideoDetectDlg::CVideoDetectDlg()
    : SettingsPage(IDD_VIDEODETECT, text::kTextDetect, SavePolicy::OnceAtEnd),
      lostRecord_(records::RecordId::VideoLost),
      coverRecord_(records::RecordId::VideoCover),
      motionRecord_(records::RecordId::VideoMotion) {
    lostRecord_.SetEditor({
        [this](const VideoLostRecord& r) { LoadRecord(kVideoLoss, lost_, r); },
        [this](VideoLostRecord& r) { StoreRecord(r, lost_); },
        {},
    });
    coverRecord_.SetEditor({
        [this](const VideoCoverRecord& r) { LoadRecord(kCameraMask, cover_, r); },
        [this](VideoCoverRecord& r) { StoreRecord(r, cover_); },
        {},
    });
    motionRecord_.SetEditor({
        [this](const VideoMotionRecord& r) { LoadRecord(kMotion, motion_, r); },
        [this](VideoMotionRecord& r) { StoreRecord(r, motion_); },
        {},
    });
    AddRecord(lostRecord_);
    AddRecord(coverRecord_);
    AddRecord(motionRecord_);
}

int CVideoDetectDlg::Channels() const {
    return std::clamp(records::ChannelCount, 0, device::kMaxChannels);
}

int CVideoDetectDlg::ShownType() const {
    return entries_.HasShown() ? entries_.Shown() / Channels() : -1;
}

int CVideoDetectDlg::ShownChannel() const {
    return entries_.HasShown() ? entries_.Shown() % Channels() : -1;
}

template <typename Action>
auto CVideoDetectDlg::WithEntry(int type, int channel, Action action) {
    switch (type) {
        case kCameraMask:
            return action(cover_.channels[channel], coverClipboard_);
        case kMotion:
            return action(motion_.channels[channel], motionClipboard_);
        default:
            return action(lost_.channels[channel], lostClipboard_);
    }
}

void CVideoDetectDlg::SetUpControls() {
    pages::SetCaptions(*this, {
                                  {IDC_DETECT_EVENT_LABEL, text::kTextEventType},
                                  {IDC_DETECT_CHANNEL_LABEL, text::kTextCam},
                                  {IDC_DETECT_USED, text::kTextUsed},
                                  {IDC_DETECT_SELECT, text::kTextSelect},
                                  {IDC_DETECT_SENSITIVITY_LABEL, text::kTextSensitivity},
                              });
    linkage_.SetUp();
    // The motion area has no editor here: its button never shows.
    GetWindow().ShowControl(IDC_DETECT_SELECT, false);

    ui::ComboBox events = GetComboBox(IDC_DETECT_EVENT);
    for (std::uint32_t id : {text::kTextVideoLoss, text::kTextCameraMask, text::kTextMotionDetect})
        events.AddString(pages::Text(id));
    events.SetCurSel(kVideoLoss);

    ui::ComboBox sensitivity = GetComboBox(IDC_DETECT_SENSITIVITY);
    for (std::uint32_t id : {text::kTextLevel1, text::kTextLevel2, text::kTextLevel3,
                             text::kTextLevel4, text::kTextLevel5})
        sensitivity.AddString(pages::Text(id));

    ui::ComboBox channels = GetComboBox(IDC_DETECT_CHANNEL);
    for (int c = 1; c <= Channels(); ++c)
        channels.AddString(pages::NumberedText(text::kTextCam, c));
    channels.SetCurSel(0);

    entries_.Reset(kEventTypes * Channels());
    ShowSensitivity(false);
}

template <typename Record>
void CVideoDetectDlg::LoadRecord(int type, Record& working, const Record& record) {
    working = record;
    // The controls change only when they show this record: the edits of an entry whose
    // record could not be fetched stay on screen.
    if (ShownType() == type)
        entries_.ShowCurrent();
}

template <typename Record>
void CVideoDetectDlg::StoreRecord(Record& record, const Record& working) {
    // Without any channel the working copies go as they are.
    entries_.TakeCurrent();
    record = working;
}

void CVideoDetectDlg::ShowEntry(int index) {
    const int type = index / Channels();
    const int channel = index % Channels();
    ShowSensitivity(type != kVideoLoss);
    WithEntry(type, channel, [this](auto& entry, auto&) {
        GetButton(IDC_DETECT_USED).SetCheck(entry.enable != 0);
        if constexpr (kHasSensitivity<std::remove_cvref_t<decltype(entry)>>)
            GetComboBox(IDC_DETECT_SENSITIVITY).SelectIndex(entry.sensitivity);
        linkage_.Load(entry.linkage);
    });
}

void CVideoDetectDlg::TakeEntry(int index) {
    WithEntry(index / Channels(), index % Channels(),
              [this](auto& entry, auto&) { TakeInto(entry); });
}

std::span<std::uint8_t> CVideoDetectDlg::EntryBytes(int index) {
    return WithEntry(index / Channels(), index % Channels(),
                     [](auto& entry, auto&) { return pages::BytesOf(entry); });
}

template <typename Entry>
void CVideoDetectDlg::TakeInto(Entry& entry) const {
    entry.enable = GetButton(IDC_DETECT_USED).IsChecked() ? 1 : 0;
    // A sensitivity the list cannot show leaves it without a selection and keeps the byte.
    if constexpr (kHasSensitivity<Entry>) {
        if (const auto selected = GetComboBox(IDC_DETECT_SENSITIVITY).Selection())
            entry.sensitivity = static_cast<std::uint8_t>(*selected);
    }
    linkage_.Store(entry.linkage);
}

void CVideoDetectDlg::ShowSensitivity(bool shown) {
    GetWindow().ShowControl(IDC_DETECT_SENSITIVITY_LABEL, shown);
    GetWindow().ShowControl(IDC_DETECT_SENSITIVITY, shown);
}

void CVideoDetectDlg::LoadDefaults() {
    if (!entries_.HasShown())
        return;
    const int channel = ShownChannel();
    WithEntry(ShownType(), channel, [channel](auto& entry, auto&) {
        entry = DefaultEntry<std::remove_cvref_t<decltype(entry)>>(channel);
    });
    entries_.ShowCurrent();
}

void CVideoDetectDlg::LoadAllDefaults() {
    for (int c = 0; c < Channels(); ++c) {
        lost_.channels[c] = DefaultEntry<VideoLostEntry>(c);
        cover_.channels[c] = DefaultEntry<VideoCoverEntry>(c);
        motion_.channels[c] = DefaultEntry<VideoMotionEntry>(c);
    }
    entries_.ShowCurrent();
}

void CVideoDetectDlg::CopyEntry() {
    if (!entries_.HasShown())
        return;
    WithEntry(ShownType(), ShownChannel(), [this](auto& entry, auto& clipboard) {
        // The working copy's entry gives the bytes the controls do not show: the reserved
        // bytes, the motion area, hidden channels and the PTZ linkage.
        auto copy = entry;
        TakeInto(copy);
        clipboard.Copy(copy);
    });
}

bool CVideoDetectDlg::PasteEntry() {
    if (!entries_.HasShown())
        return false;
    const bool pasted = WithEntry(ShownType(), ShownChannel(), [](auto& entry, auto& clipboard) {
        return clipboard.PasteInto(entry);
    });
    if (pasted)
        entries_.ShowCurrent();
    return pasted;
}

bool CVideoDetectDlg::OnCommand(int id, int code) {
    if ((id == IDC_DETECT_EVENT || id == IDC_DETECT_CHANNEL) && code == ui::kCbnSelChange) {
        SwitchEntry();
        return true;
    }
    if (id == IDC_SETTING && code == ui::kBnClicked) {
        EditPtz();
        return true;
    }
    return SettingsPage::OnCommand(id, code);
}

void CVideoDetectDlg::SwitchEntry() {
    const int type = GetComboBox(IDC_DETECT_EVENT).GetCurSel();
    const int channel = GetComboBox(IDC_DETECT_CHANNEL).GetCurSel();
    if (type < 0 || type >= kEventTypes)
        return;
    if (!entries_.HasShown()) {
        // No channel to show: the sensitivity still follows the event type.
        ShowSensitivity(type != kVideoLoss);
        return;
    }
    if (channel >= 0 && channel < Channels())
        entries_.SwitchTo(Index(type, channel));
}

void CVideoDetectDlg::EditPtz() {
    // The controls hold no PTZ data, so nothing is taken from them first.
    if (!entries_.HasShown())
        return;
    WithEntry(ShownType(), ShownChannel(),
              [this](auto& entry, auto&) { linkage_.EditPtz(entry.linkage.ptz); });
}
