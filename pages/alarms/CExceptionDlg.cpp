// The Abnormality page.
#include "pages/alarms/CExceptionDlg.h"

#include <algorithm>

#include "records/SessionState.h"
#include "pages/common/PageText.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/Styles.h"

using device::Abnormality;
using device::EventEntry;
using device::EventRecord;

namespace {

constexpr int kAbnormalities = static_cast<int>(Abnormality::Count);

// The list's texts, in the order of the record's entries.
constexpr std::uint32_t kAbnormalityTexts[kAbnormalities] = {
    text::kTextHddFullEvent,       text::kTextHddError,
    text::kTextIpConflicted,       text::kTextDisconnection,
    text::kTextUnauthorizedAccess, text::kTextPalNtscUnmatched,
    text::kTextVideoAbnormity,     text::kTextNoHdd,
};

}  // namespace

CExceptionDlg::CExceptionDlg()
    : RecordPage(IDD_EXCEPTION, text::kTextAbnormality, records::RecordId::Event) {}

void CExceptionDlg::SetUpControls() {
    pages::SetCaptions(*this, {
                                  {IDC_EXCEPTION_EVENT_LABEL, text::kTextEventType},
                                  {IDC_EXCEPTION_USED, text::kTextUsed},
                              });
    linkage_.SetUp();

    ui::ComboBox events = GetComboBox(IDC_EXCEPTION_EVENT);
    for (std::uint32_t id : kAbnormalityTexts)
        events.AddString(pages::Text(id));
    events.SetCurSel(0);
    events_.Reset(kAbnormalities);
}

void CExceptionDlg::Load(const EventRecord& event) {
    working_ = event;
    events_.ShowCurrent();
}

void CExceptionDlg::Store(EventRecord& event) {
    events_.TakeCurrent();
    event = working_;
}

void CExceptionDlg::ShowEntry(int index) {
    const EventEntry& entry = Entry(index);
    ShowRecording(index == static_cast<int>(Abnormality::Disconnection));
    GetButton(IDC_EXCEPTION_USED).SetCheck(entry.enable != 0);
    // Hidden rows are loaded too, so that their values go back unchanged.
    linkage_.Load(entry.linkage);
}

void CExceptionDlg::TakeEntry(int index) {
    EventEntry& entry = Entry(index);
    entry.enable = GetButton(IDC_EXCEPTION_USED).IsChecked() ? 1 : 0;
    // The template has no tour and PTZ controls: those bytes stay.
    linkage_.Store(entry.linkage);
}

void CExceptionDlg::ShowRecording(bool shown) {
    ui::Window& window = GetWindow();
    for (int id :
         {IDC_LINKAGE_RECORD, IDC_LINKAGE_DELAY_LABEL, IDC_LINKAGE_DELAY, IDC_LINKAGE_DELAY_UNIT})
        window.ShowControl(id, shown);
    const int channels = std::clamp(records::ChannelCount, 0, device::kMaxChannels);
    for (int c = 0; c < channels; ++c) {
        window.ShowControl(IDC_LINKAGE_CH1_LABEL + c, shown);
        window.ShowControl(IDC_LINKAGE_RECORD1 + c, shown);
    }
}

EventEntry CExceptionDlg::DefaultEntry(int index) {
    EventEntry entry{};
    entry.linkage.recordDelaySeconds = 10;
    entry.linkage.latchSeconds = 10;
    switch (static_cast<Abnormality>(index)) {
        case Abnormality::HddFull:
            entry.linkage.alarmOutMask = 1;  // output 1, its enable left off
            break;
        case Abnormality::Disconnection:
            entry.linkage.recordEnable = 1;
            entry.linkage.recordChannels[3] = 1;  // channel 4
            break;
        default:
            break;
    }
    return entry;
}

void CExceptionDlg::LoadDefaults() {
    if (!events_.HasShown())
        return;
    Entry(events_.Shown()) = DefaultEntry(events_.Shown());
    events_.ShowCurrent();
}

bool CExceptionDlg::OnCommand(int id, int code) {
    if (id == IDC_EXCEPTION_EVENT && code == ui::kCbnSelChange) {
        events_.SwitchTo(GetComboBox(IDC_EXCEPTION_EVENT).GetCurSel());
        return true;
    }
    return RecordPage::OnCommand(id, code);
}
