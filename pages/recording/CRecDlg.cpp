// The recording Schedule page.
#include "pages/recording/CRecDlg.h"

#include <algorithm>
#include <cstring>

#include "records/SessionState.h"
#include "device/NetworkOrder.h"
#include "pages/common/PageText.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/Format.h"
#include "ui/NumberText.h"
#include "ui/Styles.h"

using device::ScheduleEntry;

namespace {

constexpr int kDays = 7;
constexpr int kMinutesPerDay = 24 * 60;
constexpr ui::Color kBlack = ui::Rgb(0, 0, 0);
constexpr ui::Color kRed = ui::Rgb(255, 0, 0);

struct Row {
    int check;
    int start;
    int end;
};

// In the order the page fills and reads them: left and right column alternate.
constexpr Row kRows[] = {
    {IDC_REC_ROW1_CHECK, IDC_REC_ROW1_START, IDC_REC_ROW1_END},
    {IDC_REC_ROW2_CHECK, IDC_REC_ROW2_START, IDC_REC_ROW2_END},
    {IDC_REC_ROW3_CHECK, IDC_REC_ROW3_START, IDC_REC_ROW3_END},
    {IDC_REC_ROW4_CHECK, IDC_REC_ROW4_START, IDC_REC_ROW4_END},
    {IDC_REC_ROW5_CHECK, IDC_REC_ROW5_START, IDC_REC_ROW5_END},
    {IDC_REC_ROW6_CHECK, IDC_REC_ROW6_START, IDC_REC_ROW6_END},
};

constexpr std::uint32_t kDayTexts[kDays] = {
    text::kTextMonday, text::kTextTuesday,  text::kTextWednesday, text::kTextThursday,
    text::kTextFriday, text::kTextSaturday, text::kTextSunday,
};

bool InUse(const ScheduleEntry& entry) {
    return entry.kind == device::kSchedulePeriodInUse;
}

int StartMinutes(const ScheduleEntry& entry) {
    return entry.startHour * 60 + device::NetworkToHost16(entry.startMinuteBE);
}

int EndMinutes(const ScheduleEntry& entry) {
    return entry.endHour * 60 + device::NetworkToHost16(entry.endMinuteBE);
}

bool IsTimeOfDay(int hour, int minute) {
    return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59;
}

// Whether both ends of a period can be shown on a picker.
bool Showable(const ScheduleEntry& entry) {
    return IsTimeOfDay(entry.startHour, device::NetworkToHost16(entry.startMinuteBE)) &&
           IsTimeOfDay(entry.endHour, device::NetworkToHost16(entry.endMinuteBE));
}

ui::DateTimeValue TimeOfDay(int hour, int minute) {
    return ui::DateTimeValue{2000, 1, 1, hour, minute, 0};
}

}  // namespace

CRecDlg::CRecDlg() : RecordPage(IDD_REC, text::kTextSchedule, records::RecordId::RecTimer) {}

void CRecDlg::SetUpControls() {
    pages::SetCaptions(*this, {
                                  {IDC_REC_CHANNEL_LABEL, text::kTextCam},
                                  {IDC_REC_WEEK_LABEL, text::kTextWeek},
                                  {IDC_REC_PRERECORD_LABEL, text::kTextPreRecord},
                                  {IDC_REC_SECONDS_LABEL, text::kTextSeconds},
                              });

    preRecordEdit_.SetNumeric(0, 60);
    preRecordEdit_.Attach(*this, IDC_REC_PRERECORD);

    // The record holds 16 schedules, whatever the recorder counts.
    const int channelCount =
        std::clamp(std::int32_t{records::ChannelCount}, 0, device::kMaxChannels);
    ui::ComboBox channels = GetComboBox(IDC_REC_CHANNEL);
    for (int c = 1; c <= channelCount; ++c)
        channels.AddString(pages::NumberedText(text::kTextCam, c));
    channels.SetCurSel(0);
    channels_.Reset(channelCount);

    ui::ComboBox days = GetComboBox(IDC_REC_DAY);
    for (int d = 0; d < kDays; ++d) {
        const std::u16string name = std::u16string(pages::Text(text::kTextWeek)) +
                                    std::u16string(pages::Text(kDayTexts[d]));
        days.AddString(name);
        SetDlgItemText(IDC_REC_MON_LABEL + d, name);
    }
    days.SetCurSel(0);
}

void CRecDlg::Load(const device::RecTimerRecord& recTimer) {
    working_ = recTimer;
    preRecord_ = ui::Format("%d", int{working_.preRecordSeconds});
    ShowDay();
}

void CRecDlg::Store(device::RecTimerRecord& recTimer) {
    working_.preRecordSeconds = std::int16_t(ui::IntegerFromText(preRecord_));
    recTimer = working_;
}

void CRecDlg::LoadDefaults() {
    const int channel = channels_.Shown();
    const int day = ShownDay();
    if (channel < 0 || day < 0)
        return;
    for (ScheduleEntry& entry : Schedule(channel).entries) {
        if (InUse(entry) && entry.weekday == day)
            entry.kind = 0;
    }
    ShowDay();
}

void CRecDlg::CopyEntry() {
    if (channels_.HasShown())
        clipboard_.Copy(Schedule(channels_.Shown()));
}

bool CRecDlg::PasteEntry() {
    if (!channels_.HasShown() || !clipboard_.PasteInto(Schedule(channels_.Shown())))
        return false;
    ShowDay();
    return true;
}

void CRecDlg::DoDataExchange(ui::DataExchange& dx) {
    dx.Text(IDC_REC_PRERECORD, preRecord_);
}

bool CRecDlg::OnCommand(int id, int code) {
    if (code == ui::kCbnSelChange && id == IDC_REC_CHANNEL) {
        channels_.SwitchTo(GetComboBox(IDC_REC_CHANNEL).GetCurSel());
        return true;
    }
    if (code == ui::kCbnSelChange && id == IDC_REC_DAY) {
        ShowDay();
        return true;
    }
    if (code == ui::kEnChange && id == IDC_REC_PRERECORD) {
        // Kept at once, so that a reload of the rows never puts back an older number.
        preRecord_ = GetEdit(IDC_REC_PRERECORD).Text();
        return true;
    }
    if (code == ui::kBnClicked) {
        for (const Row& row : kRows) {
            if (id == row.check) {
                ApplyRows();
                return true;
            }
        }
    }
    return RecordPage::OnCommand(id, code);
}

bool CRecDlg::OnNotify(int id, int code) {
    if (code != ui::kDtnDateTimeChange)
        return false;
    for (const Row& row : kRows) {
        if (id == row.start || id == row.end) {
            ApplyRows();
            return true;
        }
    }
    return false;
}

int CRecDlg::ShownDay() const {
    const int picked = GetComboBox(IDC_REC_DAY).GetCurSel();
    return picked >= 0 && picked < kDays ? picked : -1;
}

void CRecDlg::ShowDay() {
    for (const Row& row : kRows) {
        GetButton(row.check).SetCheck(false);
        GetDateTimePicker(row.start).SetTime(TimeOfDay(0, 0));
        GetDateTimePicker(row.end).SetTime(TimeOfDay(0, 0));
    }
    const int channel = channels_.Shown();
    const int day = ShownDay();
    if (channel >= 0 && day >= 0) {
        std::size_t next = 0;
        for (const ScheduleEntry& entry : Schedule(channel).entries) {
            if (next == std::size(kRows))
                break;
            if (!InUse(entry) || entry.weekday != day)
                continue;
            const Row& row = kRows[next++];
            // A time no picker can hold leaves its row unchecked: an edit of the day frees it.
            if (!Showable(entry))
                continue;
            GetButton(row.check).SetCheck(true);
            GetDateTimePicker(row.start).SetTime(
                TimeOfDay(entry.startHour, device::NetworkToHost16(entry.startMinuteBE)));
            GetDateTimePicker(row.end).SetTime(
                TimeOfDay(entry.endHour, device::NetworkToHost16(entry.endMinuteBE)));
        }
    }
    // Showing a day leaves the working copy as it is; the rows go into it when they change.
    InvalidateTimeline();
}

void CRecDlg::ApplyRows() {
    const int channel = channels_.Shown();
    const int day = ShownDay();
    if (channel >= 0 && day >= 0) {
        auto& entries = Schedule(channel).entries;
        for (ScheduleEntry& entry : entries) {
            if (InUse(entry) && entry.weekday == day)
                entry.kind = 0;
        }
        for (const Row& row : kRows) {
            if (!GetButton(row.check).IsChecked())
                continue;
            const auto free = std::find_if(std::begin(entries), std::end(entries),
                                           [](const ScheduleEntry& e) { return !InUse(e); });
            if (free == std::end(entries))
                break;  // no room: the row is not stored
            const ui::DateTimeValue start = GetDateTimePicker(row.start).GetTime();
            const ui::DateTimeValue end = GetDateTimePicker(row.end).GetTime();
            free->kind = device::kSchedulePeriodInUse;
            free->weekday = static_cast<std::int8_t>(day);
            free->startMinuteBE = device::HostToNetwork16(static_cast<std::uint16_t>(start.minute));
            free->startHour = static_cast<std::int16_t>(start.hour);
            free->endMinuteBE = device::HostToNetwork16(static_cast<std::uint16_t>(end.minute));
            free->endHour = static_cast<std::int16_t>(end.hour);
        }
    }
    InvalidateTimeline();
}

void CRecDlg::InvalidateTimeline() {
    for (int d = 0; d < kDays; ++d)
        GetWindow().Invalidate(IDC_REC_MON_BAR + d);
}

void CRecDlg::OnPaint(int id, ui::Painter& painter) {
    const int day = id - IDC_REC_MON_BAR;
    if (day < 0 || day >= kDays)
        return;
    const ui::Rect bar = painter.ClientRect();
    const int w = bar.Width();
    const int h = bar.Height();
    painter.Rectangle({0, 0, w, h}, kBlack, kBlack);
    const int channel = channels_.Shown();
    if (channel < 0)
        return;
    for (const ScheduleEntry& entry : Schedule(channel).entries) {
        if (!InUse(entry) || entry.weekday != day)
            continue;
        const int start = StartMinutes(entry);
        const int end = EndMinutes(entry);
        if (end <= start)
            continue;  // also a period across midnight: kept, not drawn
        const int x1 = static_cast<int>(double(start) * w / kMinutesPerDay);
        const int x2 = static_cast<int>(double(end) * w / kMinutesPerDay);
        painter.Rectangle({x1, 0, x2, h}, kRed, kRed);
    }
}
