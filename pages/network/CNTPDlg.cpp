// The NTP Server page.
#include "pages/network/CNTPDlg.h"

#include "records/SessionState.h"
#include "pages/common/PageText.h"
#include "text/TextIds.h"
#include "ui/Format.h"
#include "ui/NumberText.h"
#include "ui/Styles.h"

namespace {

// The time zones in list order, with their offset from GMT in minutes; the same texts in
// every language.
constexpr struct {
    const char16_t* name;
    int minutes;
} kTimeZones[] = {
    {u"GMT+00:00", 0},    {u"GMT+01:00", 60},   {u"GMT+02:00", 120},  {u"GMT+03:00", 180},
    {u"GMT+03:30", 210},  {u"GMT+04:00", 240},  {u"GMT+04:30", 270},  {u"GMT+05:00", 300},
    {u"GMT+05:30", 330},  {u"GMT+05:45", 345},  {u"GMT+06:00", 360},  {u"GMT+06:30", 390},
    {u"GMT+07:00", 420},  {u"GMT+08:00", 480},  {u"GMT+09:00", 540},  {u"GMT+09:30", 570},
    {u"GMT+10:00", 600},  {u"GMT+11:00", 660},  {u"GMT+12:00", 720},  {u"GMT+13:00", 780},
    {u"GMT-01:00", -60},  {u"GMT-02:00", -120}, {u"GMT-03:00", -180}, {u"GMT-03:30", -210},
    {u"GMT-04:00", -240}, {u"GMT-05:00", -300}, {u"GMT-06:00", -360}, {u"GMT-07:00", -420},
    {u"GMT-08:00", -480}, {u"GMT-09:00", -540}, {u"GMT-10:00", -600}, {u"GMT-11:00", -660},
};

constexpr int kMaxPeriodMinutes = 1440;

// The picker shows the start time on a fixed date.
ui::DateTimeValue StartTime(int hour, int minute) {
    return ui::DateTimeValue{2000, 1, 1, hour, minute, 0};
}

}  // namespace

CNTPDlg::CNTPDlg()
    : RecordPage(IDD_NTP, text::kTextNtpServer, records::RecordId::Ntp, pages::Build::FromZeros) {}

void CNTPDlg::SetUpControls() {
    pages::SetCaptions(*this, {
                                  {IDC_NTP_SERVER_LABEL, text::kTextServerIp},
                                  {IDC_NTP_ZONE_LABEL, text::kTextTimeZone},
                                  {IDC_NTP_PERIOD_LABEL, text::kTextUpdateEvery},
                                  {IDC_NTP_MINUTES_LABEL, text::kTextMinutes},
                                  {IDC_NTP_START_LABEL, text::kTextNtpStartTime},
                                  {IDC_NTP_USED, text::kTextUsed},
                              });
    ui::ComboBox zones = GetComboBox(IDC_NTP_ZONE);
    for (const auto& zone : kTimeZones)
        zones.AddString(zone.name, zone.minutes);
    server_.Attach(*this);
    periodEdit_.SetNumeric(0, kMaxPeriodMinutes);
    periodEdit_.Attach(*this, IDC_NTP_PERIOD);
    // Hours and minutes only: the record keeps no seconds, and the picker is narrow.
    ui::DateTimePicker start = GetDateTimePicker(IDC_NTP_START);
    start.SetFormat(u"HH:mm");
    start.SetTime(StartTime(0, 0));
}

void CNTPDlg::Load(const device::NtpRecord& ntp) {
    server_.Load(ntp.server);
    GetComboBox(IDC_NTP_ZONE).SelectData(ntp.timeZoneMinutes);
    period_ = ui::Format("%d", int(ntp.periodMinutes));
    const int hour = (ntp.startTime >> 8) & 0xFF;
    const int minute = ntp.startTime & 0xFF;
    startTimeShown_ = hour <= 23 && minute <= 59;
    if (startTimeShown_)
        GetDateTimePicker(IDC_NTP_START).SetTime(StartTime(hour, minute));
    used_ = ntp.used != 0;
}

void CNTPDlg::Store(device::NtpRecord& ntp) {
    // The record is built from zeros; what the controls cannot show keeps the cached value.
    const device::NtpRecord& cached = CachedRecord();
    ntp.used = used_ ? 1 : 0;
    server_.Store(ntp.server);
    const std::optional<ui::ItemData> zone = GetComboBox(IDC_NTP_ZONE).SelectedData();
    ntp.timeZoneMinutes = zone ? std::int32_t(*zone) : cached.timeZoneMinutes;
    ntp.periodMinutes = ui::IntegerFromText(period_, 0, kMaxPeriodMinutes);
    if (startTimeShown_) {
        const ui::DateTimeValue start = GetDateTimePicker(IDC_NTP_START).GetTime();
        ntp.startTime = std::uint32_t(start.hour * 256 + start.minute);
    } else {
        ntp.startTime = cached.startTime;
    }
}

void CNTPDlg::DoDataExchange(ui::DataExchange& dx) {
    server_.Exchange(dx);
    dx.Text(IDC_NTP_PERIOD, period_);
    dx.Check(IDC_NTP_USED, used_);
}

bool CNTPDlg::OnNotify(int id, int code) {
    // Called when the operator sets the start time: from now on the picker's time is sent.
    if (id == IDC_NTP_START && code == ui::kDtnDateTimeChange) {
        startTimeShown_ = true;
        return true;
    }
    return RecordPage::OnNotify(id, code);
}
