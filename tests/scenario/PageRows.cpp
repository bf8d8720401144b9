// One row per settings page for the suites that drive every page alike.
#include "tests/scenario/PageRows.h"

#include "records/SessionState.h"
#include "res/resource.h"
#include "tests/support/RecordBytes.h"
#include "ui/Format.h"

namespace testsupport {
namespace {

std::u16string CheckState(Operator& op, int id) {
    return op.IsChecked(id) ? u"checked" : u"unchecked";
}

const PageRow kPages[] = {
    {
        "Network",
        u"Network",
        "zelDispHisiNewMenuNetSet",
        "zelDispHisiNewMenuNetGet",
        [] { return BytesOf(records::ConfigCache.net); },
        [](Operator& op) { op.EnterAddress(IDC_NET_DNS1, 0x0A010203); },
        [](Operator& op) { return ui::Format("%08x", unsigned(op.Address(IDC_NET_DNS1))); },
        true,
    },
    {
        "AlarmCenter",
        u"Alarm Center",
        "zelDispHisiNewMenuNetSet",
        "zelDispHisiNewMenuNetGet",
        [] { return BytesOf(records::ConfigCache.net); },
        [](Operator& op) { op.EnterAddress(IDC_ALARMCENTER_2, 0xC0A80007); },
        [](Operator& op) { return ui::Format("%08x", unsigned(op.Address(IDC_ALARMCENTER_2))); },
        true,
    },
    {
        "Ntp",
        u"NTP Server",
        "zelDispHisiNewMenuNTPSet",
        "zelDispHisiNewMenuNTPGet",
        [] { return BytesOf(records::ConfigCache.ntp); },
        [](Operator& op) { op.Type(IDC_NTP_PERIOD, u"90"); },
        [](Operator& op) { return op.Text(IDC_NTP_PERIOD); },
        false,
    },
    {
        "DialUp",
        u"PPPOE",
        "zelDispHisiNewMenuDialSet",
        "zelDispHisiNewMenuDialGet",
        [] { return BytesOf(records::ConfigCache.dial); },
        [](Operator& op) { op.Type(IDC_PPPOE_USER, u"account-2"); },
        [](Operator& op) { return op.Text(IDC_PPPOE_USER); },
        false,
    },
    {
        "Ddns",
        u"DDNS Server",
        "zelDispHisiNewMenuDDNSSet",
        "zelDispHisiNewMenuDDNSGet",
        [] { return BytesOf(records::ConfigCache.ddns); },
        [](Operator& op) { op.Click(IDC_DDNS_USED); },
        [](Operator& op) { return CheckState(op, IDC_DDNS_USED); },
        false,
    },
    {
        "Email",
        u"Email",
        "zelDispHisiNewMenuSMTPSet",
        "zelDispHisiNewMenuSMTPGet",
        [] { return BytesOf(records::ConfigCache.smtp); },
        [](Operator& op) { op.Type(IDC_MAIL_CC, u"night-shift@example.com"); },
        [](Operator& op) { return op.Text(IDC_MAIL_CC); },
        false,
    },
    {
        "General",
        u"General",
        "zelDispHisiNewMenuNormalSet",
        "zelDispHisiNewMenuNormalGet",
        [] { return BytesOf(records::ConfigCache.normal); },
        [](Operator& op) { op.Type(IDC_NORMAL_LOGOUT, u"42"); },
        [](Operator& op) { return op.Text(IDC_NORMAL_LOGOUT); },
        true,
    },
    {
        "Encode",
        u"Encode",
        "zelDispHisiNewMenuCodeSet",
        "zelDispHisiNewMenuCodeGet",
        [] { return BytesOf(records::ConfigCache.code); },
        [](Operator& op) { op.Click(IDC_CODE_MAIN_AUDIO); },
        [](Operator& op) { return CheckState(op, IDC_CODE_MAIN_AUDIO); },
        true,
        IDC_CODE_CHANNEL,
        offsetof(device::CodeRecord, channels),
        sizeof(device::CodeChannel),
    },
    {
        "Schedule",
        u"Schedule",
        "zelDispHisiNewMenuRecTimerSet",
        "zelDispHisiNewMenuRecTimerGet",
        [] { return BytesOf(records::ConfigCache.recTimer); },
        [](Operator& op) { op.Click(IDC_REC_ROW6_CHECK); },
        [](Operator& op) { return CheckState(op, IDC_REC_ROW6_CHECK); },
        true,
        IDC_REC_CHANNEL,
        offsetof(device::RecTimerRecord, channels),
        sizeof(device::ChannelSchedule),
    },
    {
        "Serial",
        u"RS232",
        "zelDispHisiNewMenuSerialsSet",
        "zelDispHisiNewMenuSerialsGet",
        [] { return BytesOf(records::ConfigCache.serials); },
        [](Operator& op) { op.Pick(IDC_SERIAL_FUNCTION, 4); },
        [](Operator& op) { return ui::Format("%d", op.Selection(IDC_SERIAL_FUNCTION)); },
        true,
    },
    {
        "Display",
        u"Display",
        "zelDispHisiNewMenuVideoOutSet",
        "zelDispHisiNewMenuVideoOutGet",
        [] { return BytesOf(records::ConfigCache.videoOut); },
        [](Operator& op) { op.Click(IDC_VIDEOOUT_TIME); },
        [](Operator& op) { return CheckState(op, IDC_VIDEOOUT_TIME); },
        true,
    },
    {
        "Detect",
        u"Detect",
        "zelDispHisiNewMenuVideoLostSet",
        "zelDispHisiNewMenuVideoLostGet",
        [] { return BytesOf(records::ConfigCache.videoLost); },
        [](Operator& op) { op.Click(IDC_LINKAGE_BUZZER); },
        [](Operator& op) { return CheckState(op, IDC_LINKAGE_BUZZER); },
        true,
        IDC_DETECT_CHANNEL,
        offsetof(device::VideoLostRecord, channels),
        sizeof(device::VideoLostEntry),
        4,
        true,
    },
    {
        "PanTiltZoom",
        u"Pan/Tilt/Zoom",
        "zelDispHisiNewMenuPTZSet",
        "zelDispHisiNewMenuPTZGet",
        [] { return BytesOf(records::ConfigCache.ptz); },
        [](Operator& op) { op.Type(IDC_PTZ_SPEED, u"42"); },
        [](Operator& op) { return op.Text(IDC_PTZ_SPEED); },
        true,
    },
    {
        "Abnormality",
        u"Abnormality",
        "zelDispHisiNewMenuEventSet",
        "zelDispHisiNewMenuEventGet",
        [] { return BytesOf(records::ConfigCache.event); },
        [](Operator& op) { op.Click(IDC_LINKAGE_BUZZER); },
        [](Operator& op) { return CheckState(op, IDC_LINKAGE_BUZZER); },
        true,
    },
    {
        "AlarmOut",
        u"Alarm Out",
        "zelDispHisiNewMenuAlarmOutSet",
        "zelDispHisiNewMenuAlarmOutGet",
        [] { return BytesOf(records::ConfigCache.alarmOut); },
        [](Operator& op) { op.Click(IDC_ALARMOUT_STOP1); },
        [](Operator& op) { return CheckState(op, IDC_ALARMOUT_STOP1); },
        false,
    },
    {
        "ManageRecord",
        u"Manage Record",
        "zelDispHisiNewMenuRecAdminSet",
        "zelDispHisiNewMenuRecAdminGet",
        [] { return BytesOf(records::ConfigCache.recAdmin); },
        [](Operator& op) { op.Click(IDC_RECADMIN_STOP1); },
        [](Operator& op) { return CheckState(op, IDC_RECADMIN_STOP1); },
        false,
    },
    // Its Copy and Paste are the Alarm page's own test.
    {
        "Alarm",
        u"Alarm",
        "zelDispHisiNewMenuAlarmInSet",
        "zelDispHisiNewMenuAlarmInGet",
        [] { return BytesOf(records::ConfigCache.alarmIn); },
        [](Operator& op) { op.Click(IDC_LINKAGE_BUZZER); },
        [](Operator& op) { return CheckState(op, IDC_LINKAGE_BUZZER); },
        true,
    },
};

}  // namespace

std::span<const PageRow> PageRows() {
    return kPages;
}

namespace {

const DialogRow kDialogs[] = {
    {"Presets", u"Pan/Tilt/Zoom", IDC_PTZ_PRESET, "zelDispHisiNewMenuPTZPointSet",
     [](Operator& op) {
         // The first preset goes; a channel without presets gets one.
         if (!op.Rows(IDC_PREPOINT_LIST).empty()) {
             op.SelectRow(IDC_PREPOINT_LIST, 0);
             op.Click(IDC_PREPOINT_DELETE);
             return;
         }
         op.Click(IDC_PREPOINT_ADD);
         op.Type(IDC_POINT_NUMBER, u"1");
         op.Type(IDC_POINT_NAME, u"Gate");
         op.Click(IDC_SAVE);
     }},
    {"Tour", u"Pan/Tilt/Zoom", IDC_PTZ_TOUR, "zelDispHisiNewMenuPTZCruiseSet",
     [](Operator& op) { op.Click(IDC_CRUISE_USED); }},
    {"ChannelNames", u"Display", IDC_SETTING, "zelDispHisiNewMenuChanNameSet",
     [](Operator& op) { op.Type(IDC_CHANNAME_EDIT1, u"Gate"); }},
};

}  // namespace

std::span<const DialogRow> DialogRows() {
    return kDialogs;
}

}  // namespace testsupport
