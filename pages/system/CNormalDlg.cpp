// The General page.
#include "pages/system/CNormalDlg.h"

#include <cstring>

#include "records/Recorder.h"
#include "records/SessionState.h"
#include "device/ClockWords.h"
#include "device/Utf8Field.h"
#include "pages/common/PageText.h"
#include "pages/common/RebootPrompt.h"
#include "res/resource.h"
#include "text/TextIds.h"
#include "ui/Format.h"
#include "ui/Backend.h"
#include "ui/NumberText.h"
#include "ui/Styles.h"

namespace {

// The menu languages in list order, with the code the record stores. The first two come from
// the text table; the others read the same in every UI language.
struct MenuLanguage {
    const char16_t* name;  // null: from the text table
    std::uint32_t textId;
    int code;
};

constexpr MenuLanguage kMenuLanguages[] = {
    {nullptr, text::kTextSimplifiedChinese, 0},
    {nullptr, text::kTextEnglish, 2},
    {u"繁體中文", 0, 1},
    {u"Nederlands", 0, 3},
    {u"Magyar", 0, 4},
    {u"Français", 0, 5},
    {u"danske", 0, 6},
    {u"Türk", 0, 7},
    {u"italiano", 0, 8},
    {u"español", 0, 9},
    {u"Česky", 0, 10},
    {u"Русский", 0, 11},
    {u"Português", 0, 12},
    {u"Język polski", 0, 13},
    {u"Korean", 0, 14},
    {u"Ελληνικά", 0, 15},
    {u"Kata-kata Indon.", 0, 16},
    {u"Tiếng Việt", 0, 17},
    {u"ภาษาไทย", 0, 18},
    {u"Deutsch", 0, 19},
    {u"日本語", 0, 20},
    {u"Slovensko", 0, 21},
    {u"\uFBFD\uFEB3\uFEAD\uFE8E\uFED3", 0, 22},  // Persian, in presentation forms
    {u"Србија", 0, 23},
};

// The lists whose index is the stored byte, with the byte they show and its default.
constexpr struct {
    int id;
    std::uint8_t device::NormalRecord::*field;
    int defaultIndex;
} kIndexLists[] = {
    {IDC_NORMAL_DATE_FORMAT, &device::NormalRecord::dateFormat, 0},
    {IDC_NORMAL_DATE_SEP, &device::NormalRecord::dateSeparator, 1},
    {IDC_NORMAL_TIME_FORMAT, &device::NormalRecord::timeFormat, 0},
    {IDC_NORMAL_HDD_FULL, &device::NormalRecord::hddFull, 0},
    {IDC_NORMAL_STANDARD, &device::NormalRecord::videoStandard, 0},  // PAL
};

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// A clock the pickers can show.
bool Showable(const device::DateTime& t) {
    return t.year >= 1900 && t.year <= 9999 && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
           t.day <= DaysInMonth(t.year, t.month) && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 &&
           t.minute <= 59 && t.second >= 0 && t.second <= 59;
}

// The time picker shows its time on a fixed date.
ui::DateTimeValue TimeOnFixedDate(int hour, int minute, int second) {
    return ui::DateTimeValue{2000, 1, 1, hour, minute, second};
}

}  // namespace

CNormalDlg::CNormalDlg()
    : RecordPage(IDD_NORMAL, text::kTextGeneral, records::RecordId::Normal,
                 pages::Build::FromZeros) {}

void CNormalDlg::SetUpControls() {
    pages::SetCaptions(*this, {
                                  {IDC_NORMAL_TIME_LABEL, text::kTextSystemTime},
                                  {IDC_NORMAL_CLOCK_SAVE, text::kTextSave},
                                  {IDC_NORMAL_CLOCK_SYNC, text::kTextSync},
                                  {IDC_NORMAL_DATE_FORMAT_LABEL, text::kTextDateFormat},
                                  {IDC_NORMAL_DATE_SEP_LABEL, text::kTextDateSeparator},
                                  {IDC_NORMAL_TIME_FORMAT_LABEL, text::kTextTimeFormat},
                                  {IDC_NORMAL_LANGUAGE_LABEL, text::kTextLanguage},
                                  {IDC_NORMAL_HDD_FULL_LABEL, text::kTextHddFull},
                                  {IDC_NORMAL_PACK_LABEL, text::kTextPackEvery},
                                  {IDC_NORMAL_PACK_UNIT, text::kTextMinutes},
                                  {IDC_NORMAL_DVR_NO_LABEL, text::kTextDvrNumber},
                                  {IDC_NORMAL_STANDARD_LABEL, text::kTextVideoStandard},
                                  {IDC_NORMAL_LOGOUT_LABEL, text::kTextAutoLogout},
                                  {IDC_NORMAL_LOGOUT_UNIT, text::kTextMinutes},
                                  {IDC_NORMAL_REBOOT, text::kTextReboot},
                              });

    packEdit_.SetNumeric(0, 1440);
    packEdit_.Attach(*this, IDC_NORMAL_PACK);
    logoutEdit_.SetNumeric(0, 255);
    logoutEdit_.Attach(*this, IDC_NORMAL_LOGOUT);
    // 15 bytes of text and the terminator.
    dvrNumberEdit_.SetTextLimit(16);
    dvrNumberEdit_.Attach(*this, IDC_NORMAL_DVR_NO);
    FillLists();

    std::uint32_t dateWord = 0;
    std::uint32_t timeWord = 0;
    if (records::ReadClock(dateWord, timeWord)) {
        ShowClock(dateWord, timeWord);
    }
    SetTimer(kClockTimer, kClockPeriod);
}

void CNormalDlg::FillLists() {
    const std::u16string year(pages::Text(text::kTextYear));
    const std::u16string month(pages::Text(text::kTextMonth));
    const std::u16string day(pages::Text(text::kTextDay));
    ui::ComboBox dateFormat = GetComboBox(IDC_NORMAL_DATE_FORMAT);
    dateFormat.AddString(year + u" " + month + u" " + day);
    dateFormat.AddString(month + u" " + day + u" " + year);
    dateFormat.AddString(day + u" " + month + u" " + year);

    ui::ComboBox separator = GetComboBox(IDC_NORMAL_DATE_SEP);
    for (const char16_t* entry : {u".", u"-", u"/"})
        separator.AddString(entry);

    const std::u16string hour(pages::Text(text::kTextHour));
    ui::ComboBox timeFormat = GetComboBox(IDC_NORMAL_TIME_FORMAT);
    timeFormat.AddString(u"24" + hour);
    timeFormat.AddString(u"12" + hour);

    ui::ComboBox language = GetComboBox(IDC_NORMAL_LANGUAGE);
    for (const MenuLanguage& entry : kMenuLanguages) {
        language.AddString(entry.name ? std::u16string_view(entry.name) : pages::Text(entry.textId),
                           entry.code);
    }

    ui::ComboBox hddFull = GetComboBox(IDC_NORMAL_HDD_FULL);
    hddFull.AddString(pages::Text(text::kTextOverwrite));
    hddFull.AddString(pages::Text(text::kTextStopHddFull));

    ui::ComboBox standard = GetComboBox(IDC_NORMAL_STANDARD);
    standard.AddString(u"PAL");
    standard.AddString(u"NTSC");
}

void CNormalDlg::Load(const device::NormalRecord& normal) {
    for (const auto& list : kIndexLists)
        GetComboBox(list.id).SelectIndex(normal.*list.field);
    SelectLanguage(normal.language);
    pack_ = ui::Format("%d", normal.packMinutes);
    logout_ = ui::Format("%d", normal.autoLogoutMinutes);
    dvrNumber_ = device::DecodeUtf8Field(normal.dvrNumber).substr(0, 32);
}

void CNormalDlg::SelectLanguage(int code) {
    GetComboBox(IDC_NORMAL_LANGUAGE).SelectData(code);
}

void CNormalDlg::Store(device::NormalRecord& normal) {
    // The record is built from zeros; a list without a selection keeps the cached byte.
    const device::NormalRecord& cached = CachedRecord();
    for (const auto& list : kIndexLists) {
        const std::optional<int> index = GetComboBox(list.id).Selection();
        normal.*list.field = index ? std::uint8_t(*index) : cached.*list.field;
    }
    const std::optional<ui::ItemData> language = GetComboBox(IDC_NORMAL_LANGUAGE).SelectedData();
    normal.language = language ? std::uint8_t(*language) : cached.language;
    normal.packMinutes = std::int16_t(ui::IntegerFromText(pack_));
    normal.autoLogoutMinutes = std::int16_t(ui::IntegerFromText(logout_));
    // Whole characters only: a DVR number never ends in half a UTF-8 sequence.
    const std::string dvrNumber = device::EncodeUtf8(dvrNumber_, sizeof normal.dvrNumber);
    std::memset(normal.dvrNumber, 0, sizeof normal.dvrNumber);
    std::memcpy(normal.dvrNumber, dvrNumber.data(), dvrNumber.size());
    normal.terminator = 0;
}

bool CNormalDlg::KeySettingsChanged(const device::NormalRecord& sent,
                                    const device::NormalRecord& cached) {
    return sent.language != cached.language || sent.videoStandard != cached.videoStandard;
}

void CNormalDlg::LoadDefaults() {
    for (const auto& list : kIndexLists)
        GetComboBox(list.id).SetCurSel(list.defaultIndex);
    GetComboBox(IDC_NORMAL_LANGUAGE).SetCurSel(0);
    // Whole strings moved in: GCC 12 warns wrongly on assigning short literals here.
    pack_ = std::u16string(u"60");
    logout_ = std::u16string(u"10");
    dvrNumber_ = std::u16string(u"8");
}

void CNormalDlg::DoDataExchange(ui::DataExchange& dx) {
    dx.Text(IDC_NORMAL_PACK, pack_);
    dx.Text(IDC_NORMAL_DVR_NO, dvrNumber_);
    dx.Text(IDC_NORMAL_LOGOUT, logout_);
}

bool CNormalDlg::OnCommand(int id, int code) {
    if (code == ui::kBnClicked) {
        switch (id) {
            case IDC_NORMAL_CLOCK_SAVE:
                SaveClock();
                return true;
            case IDC_NORMAL_CLOCK_SYNC:
                SynchroniseClock();
                return true;
            case IDC_NORMAL_REBOOT:
                pages::RebootPrompt();
                return true;
            default:
                break;
        }
    }
    return RecordPage::OnCommand(id, code);
}

bool CNormalDlg::OnNotify(int id, int code) {
    if (id != IDC_NORMAL_TIME)
        return false;
    // The clock stands still while the operator edits the time.
    if (code == ui::kNmSetFocus) {
        KillTimer(kClockTimer);
        return true;
    }
    if (code == ui::kNmKillFocus) {
        SetTimer(kClockTimer, kClockPeriod);
        return true;
    }
    return false;
}

void CNormalDlg::OnTimer(int) {
    UpdateData(ui::Direction::FromControls);
    ui::DateTimePicker picker = GetDateTimePicker(IDC_NORMAL_TIME);
    ui::DateTimeValue time = picker.GetTime();
    // Only the time of day runs on; the date pickers are left alone.
    int seconds = (time.hour * 60 + time.minute) * 60 + time.second + 1;
    seconds %= 24 * 60 * 60;
    time.hour = seconds / 3600;
    time.minute = seconds / 60 % 60;
    time.second = seconds % 60;
    picker.SetTime(time);
}

void CNormalDlg::ShowClock(std::uint32_t dateWord, std::uint32_t timeWord) {
    const device::DateTime clock = device::ClockFromWords(dateWord, timeWord);
    if (!Showable(clock))
        return;
    GetDateTimePicker(IDC_NORMAL_DATE).SetTime({clock.year, clock.month, clock.day, 0, 0, 0});
    GetDateTimePicker(IDC_NORMAL_TIME)
        .SetTime(TimeOnFixedDate(clock.hour, clock.minute, clock.second));
}

void CNormalDlg::SaveClock() {
    UpdateData(ui::Direction::FromControls);
    const ui::DateTimeValue date = GetDateTimePicker(IDC_NORMAL_DATE).GetTime();
    const ui::DateTimeValue time = GetDateTimePicker(IDC_NORMAL_TIME).GetTime();
    const std::int32_t result =
        records::SetClock(device::ClockDateWord(date.year, date.month, date.day),
                          device::ClockTimeWord(time.hour, time.minute, time.second));
    ShowResult(result >= 0);
}

void CNormalDlg::SynchroniseClock() {
    const ui::DateTimeValue now = ui::CurrentBackend().LocalNow();
    const std::int32_t result =
        records::SetClock(device::ClockDateWord(now.year, now.month, now.day),
                          device::ClockTimeWord(now.hour, now.minute, now.second));
    if (result < 0) {
        ShowResult(false);
        return;
    }
    GetDateTimePicker(IDC_NORMAL_DATE).SetTime({now.year, now.month, now.day, 0, 0, 0});
    GetDateTimePicker(IDC_NORMAL_TIME).SetTime(TimeOnFixedDate(now.hour, now.minute, now.second));
    ShowResult(true);
}
