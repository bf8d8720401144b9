// The common buttons as every settings page answers them, one row per page: Save sends only a
// changed record and keeps it, a failing Set or Refresh changes nothing, Refresh discards the
// operator's edits, Default stays on the screen, and Copy/Paste move one entry to another.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "app/Session.h"
#include "res/resource.h"
#include "tests/support/ScenarioTest.h"
#include "ui/Format.h"

namespace {

using testsupport::ExpectMessage;
using testsupport::Operator;
using testsupport::ScenarioTest;

using Bytes = std::vector<std::uint8_t>;

template <typename Record>
Bytes BytesOf(const Record& record) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
    return Bytes(bytes, bytes + sizeof record);
}

std::u16string CheckState(Operator& op, int id) {
    return op.IsChecked(id) ? u"checked" : u"unchecked";
}

struct PageRow {
    const char* name;
    const char16_t* node;  // the page's tree node
    const char* setFunction;
    const char* getFunction;
    Bytes (*cached)();  // the page's record in the cache
    // One edit of a setting that needs no restart, and what its control then shows.
    void (*edit)(Operator&);
    std::u16string (*shown)(Operator&);
    bool hasDefault;
    // Pages that edit one entry at a time: the list that picks it, and where entries lie in
    // the record. No list: the page has no Copy and Paste.
    int entryList = 0;
    std::size_t firstEntry = 0;
    std::size_t entrySize = 0;
    int pasteEntry = 4;               // the entry Copy/Paste pastes into
    bool savesWithoutChange = false;  // the recorder keeps its settings on every Save
};

const PageRow kPages[] = {
    {
        "Network",
        u"Network",
        "zelDispHisiNewMenuNetSet",
        "zelDispHisiNewMenuNetGet",
        [] { return BytesOf(app::ConfigCache.net); },
        [](Operator& op) { op.EnterAddress(IDC_NET_GATEWAY, 0x0A010203); },
        [](Operator& op) { return ui::Format("%08x", unsigned(op.Address(IDC_NET_GATEWAY))); },
        true,
    },
    {
        "AlarmCenter",
        u"Alarm Center",
        "zelDispHisiNewMenuNetSet",
        "zelDispHisiNewMenuNetGet",
        [] { return BytesOf(app::ConfigCache.net); },
        [](Operator& op) { op.EnterAddress(IDC_ALARMCENTER_2, 0xC0A80007); },
        [](Operator& op) { return ui::Format("%08x", unsigned(op.Address(IDC_ALARMCENTER_2))); },
        true,
    },
    {
        "Ntp",
        u"NTP Server",
        "zelDispHisiNewMenuNTPSet",
        "zelDispHisiNewMenuNTPGet",
        [] { return BytesOf(app::ConfigCache.ntp); },
        [](Operator& op) { op.Type(IDC_NTP_PERIOD, u"90"); },
        [](Operator& op) { return op.Text(IDC_NTP_PERIOD); },
        false,
    },
    {
        "DialUp",
        u"PPPOE",
        "zelDispHisiNewMenuDialSet",
        "zelDispHisiNewMenuDialGet",
        [] { return BytesOf(app::ConfigCache.dial); },
        [](Operator& op) { op.Type(IDC_PPPOE_USER, u"account-2"); },
        [](Operator& op) { return op.Text(IDC_PPPOE_USER); },
        false,
    },
    {
        "Ddns",
        u"DDNS Server",
        "zelDispHisiNewMenuDDNSSet",
        "zelDispHisiNewMenuDDNSGet",
        [] { return BytesOf(app::ConfigCache.ddns); },
        [](Operator& op) { op.Click(IDC_DDNS_USED); },
        [](Operator& op) { return CheckState(op, IDC_DDNS_USED); },
        false,
    },
    {
        "Email",
        u"Email",
        "zelDispHisiNewMenuSMTPSet",
        "zelDispHisiNewMenuSMTPGet",
        [] { return BytesOf(app::ConfigCache.smtp); },
        [](Operator& op) { op.Type(IDC_MAIL_CC, u"night-shift@example.com"); },
        [](Operator& op) { return op.Text(IDC_MAIL_CC); },
        false,
    },
    {
        "General",
        u"General",
        "zelDispHisiNewMenuNormalSet",
        "zelDispHisiNewMenuNormalGet",
        [] { return BytesOf(app::ConfigCache.normal); },
        [](Operator& op) { op.Type(IDC_NORMAL_LOGOUT, u"42"); },
        [](Operator& op) { return op.Text(IDC_NORMAL_LOGOUT); },
        true,
    },
    {
        "Encode",
        u"Encode",
        "zelDispHisiNewMenuCodeSet",
        "zelDispHisiNewMenuCodeGet",
        [] { return BytesOf(app::ConfigCache.code); },
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
        [] { return BytesOf(app::ConfigCache.recTimer); },
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
        [] { return BytesOf(app::ConfigCache.serials); },
        [](Operator& op) { op.Pick(IDC_SERIAL_FUNCTION, 4); },
        [](Operator& op) { return ui::Format("%d", op.Selection(IDC_SERIAL_FUNCTION)); },
        true,
    },
    {
        "Display",
        u"Display",
        "zelDispHisiNewMenuVideoOutSet",
        "zelDispHisiNewMenuVideoOutGet",
        [] { return BytesOf(app::ConfigCache.videoOut); },
        [](Operator& op) { op.Click(IDC_VIDEOOUT_TIME); },
        [](Operator& op) { return CheckState(op, IDC_VIDEOOUT_TIME); },
        true,
    },
    {
        "PanTiltZoom",
        u"Pan/Tilt/Zoom",
        "zelDispHisiNewMenuPTZSet",
        "zelDispHisiNewMenuPTZGet",
        [] { return BytesOf(app::ConfigCache.ptz); },
        [](Operator& op) { op.Type(IDC_PTZ_SPEED, u"42"); },
        [](Operator& op) { return op.Text(IDC_PTZ_SPEED); },
        true,
    },
    {
        "ManageRecord",
        u"Manage Record",
        "zelDispHisiNewMenuRecAdminSet",
        "zelDispHisiNewMenuRecAdminGet",
        [] { return BytesOf(app::ConfigCache.recAdmin); },
        [](Operator& op) { op.Click(IDC_RECADMIN_STOP1); },
        [](Operator& op) { return CheckState(op, IDC_RECADMIN_STOP1); },
        false,
    },
    {
        "Alarm", u"Alarm", "zelDispHisiNewMenuAlarmInSet", "zelDispHisiNewMenuAlarmInGet",
        [] { return BytesOf(app::ConfigCache.alarmIn); },
        [](Operator& op) { op.Click(IDC_LINKAGE_BUZZER); },
        [](Operator& op) { return CheckState(op, IDC_LINKAGE_BUZZER); }, true, IDC_ALARM_INPUT,
        offsetof(device::AlarmInRecord, inputs), sizeof(device::AlarmInEntry),
        3,  // the recorder has four inputs
    },
    {
        "Detect",
        u"Detect",
        "zelDispHisiNewMenuVideoLostSet",
        "zelDispHisiNewMenuVideoLostGet",
        [] { return BytesOf(app::ConfigCache.videoLost); },
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
        "Abnormality",
        u"Abnormality",
        "zelDispHisiNewMenuEventSet",
        "zelDispHisiNewMenuEventGet",
        [] { return BytesOf(app::ConfigCache.event); },
        [](Operator& op) { op.Click(IDC_LINKAGE_BUZZER); },
        [](Operator& op) { return CheckState(op, IDC_LINKAGE_BUZZER); },
        true,
    },
    {
        "AlarmOut",
        u"Alarm Out",
        "zelDispHisiNewMenuAlarmOutSet",
        "zelDispHisiNewMenuAlarmOutGet",
        [] { return BytesOf(app::ConfigCache.alarmOut); },
        [](Operator& op) { op.Click(IDC_ALARMOUT_STOP1); },
        [](Operator& op) { return CheckState(op, IDC_ALARMOUT_STOP1); },
        false,
    },
};

class Protocol : public ScenarioTest, public testing::WithParamInterface<PageRow> {
  protected:
    // Opens the row's page and runs the scenario on it, with the cache as fetched at hand; the
    // call log starts when the page is shown.
    void OnPage(const std::function<void(Operator&)>& scenario) {
        RunSession([&](Operator& op) {
            op.SelectTreeItem(GetParam().node);
            fetched = GetParam().cached();
            recorder.ClearLog();
            scenario(op);
        });
    }

    std::vector<Bytes> Sent() const {
        std::vector<Bytes> sent;
        for (const auto& call : Calls(GetParam().setFunction))
            sent.push_back(call.bytes);
        return sent;
    }

    Bytes Entry(const Bytes& record, int index) const {
        const PageRow& row = GetParam();
        const auto first = record.begin() + std::ptrdiff_t(row.firstEntry + index * row.entrySize);
        return Bytes(first, first + std::ptrdiff_t(row.entrySize));
    }

    Bytes fetched;  // the record as the cache held it when the page opened
};

TEST_P(Protocol, test_save_without_change_makes_no_call_and_succeeds) {
    OnPage([](Operator& op) {
        for (int i = 0; i < 2; ++i) {
            op.Click(IDC_SAVE);
            ExpectMessage(op, u"Succeed");
        }
    });
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(CallCount("zelDispSaveMenu"), GetParam().savesWithoutChange ? 3 : 1)
        << "the one when the window closes, and one per Save where every Save keeps";
}

TEST_P(Protocol, test_changed_save_sends_saves_and_keeps_the_record) {
    OnPage([](Operator& op) {
        GetParam().edit(op);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_NE(sent[0], fetched);
    EXPECT_EQ(GetParam().cached(), sent[0]) << "the cache holds what the recorder accepted";
    std::vector<std::string> calls;
    for (const std::string& name : recorder.LoggedFunctions()) {
        if (!name.ends_with("Get"))
            calls.push_back(name);
    }
    EXPECT_EQ(calls, (std::vector<std::string>{GetParam().setFunction, "zelDispSaveMenu",
                                               "zelDispSaveMenu"}))
        << "a save after the Set and one on closing";
}

TEST_P(Protocol, test_failing_set_keeps_cache_and_edits_and_save_tries_again) {
    zsimFail(recorder.handle(), GetParam().setFunction, 1, -1);
    OnPage([this](Operator& op) {
        GetParam().edit(op);
        const std::u16string edited = GetParam().shown(op);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Failed");
        EXPECT_EQ(GetParam().shown(op), edited) << "the edit stays";
        EXPECT_EQ(GetParam().cached(), fetched);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0], sent[1]);
    EXPECT_EQ(GetParam().cached(), sent[1]);
    EXPECT_EQ(CallCount("zelDispSaveMenu"), 2) << "none after the failed Set";
}

TEST_P(Protocol, test_failing_refresh_changes_nothing_even_when_the_buffer_was_scribbled) {
    OnPage([this](Operator& op) {
        GetParam().edit(op);
        const std::u16string edited = GetParam().shown(op);
        zsimFail(recorder.handle(), GetParam().getFunction, 1, 0x5A);
        op.Click(IDC_REFRESH);
        ExpectMessage(op, u"Failed");
        EXPECT_EQ(GetParam().shown(op), edited) << "the edit stays";
        EXPECT_EQ(GetParam().cached(), fetched);
    });
    EXPECT_TRUE(Sent().empty());
}

TEST_P(Protocol, test_refresh_discards_edits_without_a_message) {
    OnPage([this](Operator& op) {
        const std::u16string before = GetParam().shown(op);
        GetParam().edit(op);
        EXPECT_NE(GetParam().shown(op), before);
        op.Click(IDC_REFRESH);
        EXPECT_FALSE(op.OpenMessageBox().has_value());
        EXPECT_EQ(GetParam().shown(op), before);
        EXPECT_EQ(GetParam().cached(), fetched);
    });
    EXPECT_EQ(CallCount(GetParam().getFunction), 1);
    EXPECT_TRUE(Sent().empty());
}

// The pages with a Default button.
class ProtocolDefault : public Protocol {};

TEST_P(ProtocolDefault, test_default_calls_nothing_and_shows_no_message) {
    OnPage([](Operator& op) {
        op.Click(IDC_DEFAULT);
        EXPECT_FALSE(op.OpenMessageBox().has_value());
    });
    EXPECT_EQ(recorder.LoggedFunctions(), (std::vector<std::string>{"zelDispSaveMenu"}))
        << "nothing reaches the recorder until Save";
}

// The pages that edit one entry at a time, with Copy and Paste.
class ProtocolCopy : public Protocol {};

TEST_P(ProtocolCopy, test_copy_and_paste_move_one_entry_and_paste_needs_a_copy) {
    const PageRow& row = GetParam();
    OnPage([&row](Operator& op) {
        op.Pick(row.entryList, row.pasteEntry);
        op.Click(IDC_PASTE);
        EXPECT_FALSE(op.OpenMessageBox().has_value());
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");

        op.Pick(row.entryList, 0);
        row.edit(op);
        op.Click(IDC_COPY);
        op.Pick(row.entryList, row.pasteEntry);
        op.Click(IDC_PASTE);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u) << "a paste before any copy changed nothing";
    EXPECT_NE(Entry(sent[0], 0), Entry(fetched, 0));
    EXPECT_EQ(Entry(sent[0], row.pasteEntry), Entry(sent[0], 0))
        << "the pasted entry is the edited first";
}

std::vector<PageRow> Rows(bool (*wanted)(const PageRow&)) {
    std::vector<PageRow> rows;
    for (const PageRow& row : kPages) {
        if (wanted(row))
            rows.push_back(row);
    }
    return rows;
}

std::string RowName(const testing::TestParamInfo<PageRow>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Pages, Protocol, testing::ValuesIn(kPages), RowName);
INSTANTIATE_TEST_SUITE_P(Pages, ProtocolDefault,
                         testing::ValuesIn(Rows([](const PageRow& row) { return row.hasDefault; })),
                         RowName);
INSTANTIATE_TEST_SUITE_P(Pages, ProtocolCopy, testing::ValuesIn(Rows([](const PageRow& row) {
                             return row.entryList != 0;
                         })),
                         RowName);

}  // namespace
