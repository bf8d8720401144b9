// The NTP, dial-up, DDNS and e-mail pages as the recorder and the operator see them: every field
// shown from its place in the record, the record Save builds from the controls, values the lists
// or the time picker cannot show, and damaged texts from the recorder.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "device/NetworkRecords.h"
#include "device/ZelDisp.h"
#include "res/resource.h"
#include "tests/support/ScenarioTest.h"

namespace {

using testsupport::ExpectMessage;
using testsupport::Operator;
using testsupport::ScenarioTest;
using ui::DateTimeValue;

using Bytes = std::vector<std::uint8_t>;

template <typename Record>
Bytes BytesOf(const Record& record) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
    return Bytes(bytes, bytes + sizeof record);
}

// Writes text into a field as the recorder may: without a terminator when it fills the field.
template <std::size_t N>
void Put(char (&field)[N], std::string_view text) {
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), std::min(text.size(), N));
}

DateTimeValue Time(int hour, int minute) {
    return DateTimeValue{2000, 1, 1, hour, minute, 0};
}

class NetworkServicePages : public ScenarioTest {
  protected:
    // Makes the recorder hold the record (name as the simulator knows it).
    template <typename Record>
    void Prepare(const char* name, const Record& record) {
        ASSERT_EQ(zsimSetRecord(recorder.handle(), name, &record, sizeof record), 0);
    }

    // The records the recorder received through the Set function.
    std::vector<Bytes> Sent(const std::string& setFunction) const {
        std::vector<Bytes> sent;
        for (const auto& call : Calls(setFunction))
            sent.push_back(call.bytes);
        return sent;
    }

    void SaveAndSucceed(Operator& op) {
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    }
};

TEST_F(NetworkServicePages, test_ntp_page_shows_each_field_and_sends_the_edited_record) {
    device::NtpRecord ntp{};
    ntp.used = 0;
    Put(ntp.server, "ntp1.example.net");
    ntp.timeZoneMinutes = -210;
    ntp.periodMinutes = 720;
    ntp.startTime = 0x0E1E;
    Prepare("NTP", ntp);
    RunSession([this](Operator& op) {
        op.SelectTreeItem(u"NTP Server");
        EXPECT_EQ(op.Text(IDC_NTP_SERVER), u"ntp1.example.net");
        EXPECT_EQ(op.Selection(IDC_NTP_ZONE), 23) << "GMT-03:30";
        EXPECT_EQ(op.Text(IDC_NTP_PERIOD), u"720");
        EXPECT_EQ(op.DateTime(IDC_NTP_START).hour, 14);
        EXPECT_EQ(op.DateTime(IDC_NTP_START).minute, 30);
        EXPECT_FALSE(op.IsChecked(IDC_NTP_USED));

        op.Type(IDC_NTP_SERVER, u"时间.example.cn");
        op.Pick(IDC_NTP_ZONE, 9);
        op.Type(IDC_NTP_PERIOD, u"1500");
        EXPECT_EQ(op.Text(IDC_NTP_PERIOD), u"1440") << "at most a day";
        op.EnterDateTime(IDC_NTP_START, DateTimeValue{2000, 1, 1, 23, 59, 42});
        op.Click(IDC_NTP_USED);
        SaveAndSucceed(op);
    });
    device::NtpRecord expected{};
    expected.used = 1;
    Put(expected.server, "\xE6\x97\xB6\xE9\x97\xB4.example.cn");
    expected.timeZoneMinutes = 345;  // GMT+05:45
    expected.periodMinutes = 1440;
    expected.startTime = 0x173B;  // 23:59, seconds dropped
    EXPECT_EQ(Sent("zelDispHisiNewMenuNTPSet"), std::vector<Bytes>{BytesOf(expected)});
}

TEST_F(NetworkServicePages, test_ntp_zone_the_list_lacks_shows_nothing_and_is_kept) {
    device::NtpRecord ntp{};
    ASSERT_GE(zelDispHisiNewMenuNTPGet(recorder.handle(), &ntp), 0);
    ntp.timeZoneMinutes = 765;  // GMT+12:45
    Prepare("NTP", ntp);
    RunSession([&](Operator& op) {
        op.SelectTreeItem(u"NTP Server");
        EXPECT_EQ(op.Selection(IDC_NTP_ZONE), -1);
        op.Type(IDC_NTP_PERIOD, u"30");
        SaveAndSucceed(op);

        // The operator picks a zone; meanwhile the recorder got another one the list lacks.
        op.Pick(IDC_NTP_ZONE, 1);
        ntp.timeZoneMinutes = -570;  // GMT-09:30
        ASSERT_GE(zelDispHisiNewMenuNTPSet(recorder.handle(), &ntp), 0);
        op.Click(IDC_REFRESH);
        EXPECT_EQ(op.Selection(IDC_NTP_ZONE), -1) << "no earlier pick stands for the recorder's";
        op.Type(IDC_NTP_PERIOD, u"45");
        SaveAndSucceed(op);
    });
    const auto sent = Sent("zelDispHisiNewMenuNTPSet");
    ASSERT_EQ(sent.size(), 3u) << "the page's two and the recorder's own";
    device::NtpRecord first{}, last{};
    std::memcpy(&first, sent[0].data(), sizeof first);
    std::memcpy(&last, sent[2].data(), sizeof last);
    EXPECT_EQ(first.timeZoneMinutes, 765);
    EXPECT_EQ(first.periodMinutes, 30);
    EXPECT_EQ(last.timeZoneMinutes, -570);
    EXPECT_EQ(last.periodMinutes, 45);
}

TEST_F(NetworkServicePages, test_ntp_start_time_the_picker_cannot_show_is_kept_until_set) {
    for (std::uint32_t word : {0x183Bu, 0x0A3Cu}) {  // 24:59 and 10:60
        recorder.ClearLog();
        device::NtpRecord ntp{};
        ASSERT_GE(zelDispHisiNewMenuNTPGet(recorder.handle(), &ntp), 0);
        ntp.periodMinutes = 60;
        ntp.startTime = 0x0300;
        Prepare("NTP", ntp);
        RunSession([&](Operator& op) {
            op.SelectTreeItem(u"NTP Server");
            EXPECT_EQ(op.DateTime(IDC_NTP_START).hour, 3);
            ntp.startTime = word;
            ASSERT_GE(zelDispHisiNewMenuNTPSet(recorder.handle(), &ntp), 0);
            op.Click(IDC_REFRESH);
            EXPECT_EQ(op.DateTime(IDC_NTP_START).hour, 3) << "the picker stays as it was";
            op.Type(IDC_NTP_PERIOD, u"15");
            SaveAndSucceed(op);
            op.EnterDateTime(IDC_NTP_START, Time(6, 15));
            SaveAndSucceed(op);
        });
        const auto sent = Sent("zelDispHisiNewMenuNTPSet");
        ASSERT_EQ(sent.size(), 3u);
        device::NtpRecord kept{}, set{};
        std::memcpy(&kept, sent[1].data(), sizeof kept);
        std::memcpy(&set, sent[2].data(), sizeof set);
        EXPECT_EQ(kept.startTime, word) << "not the 03:00 the picker still showed";
        EXPECT_EQ(set.startTime, 0x060Fu);
    }
}

TEST_F(NetworkServicePages, test_dial_up_page_shows_each_field_and_sends_the_edited_record) {
    device::DialRecord dial{};
    dial.dialMode = 2;
    dial.networkType = 3;
    Put(dial.user, "\xE7\x94\xA8\xE6\x88\xB7-01");  // 用户-01
    Put(dial.password, "abcdefghijklmnopq");        // fills the field, no terminator
    Prepare("Dial", dial);
    RunSession([this](Operator& op) {
        op.SelectTreeItem(u"PPPOE");
        EXPECT_EQ(op.Selection(IDC_PPPOE_MODE), 2);
        EXPECT_EQ(op.Selection(IDC_PPPOE_TYPE), 3);
        EXPECT_EQ(op.Text(IDC_PPPOE_USER), u"用户-01");
        EXPECT_EQ(op.Text(IDC_PPPOE_PASSWORD), u"abcdefghijklmn") << "as much as the edit keeps";

        op.Pick(IDC_PPPOE_TYPE, 1);
        op.Pick(IDC_PPPOE_MODE, 1);
        op.Type(IDC_PPPOE_PASSWORD, u"new-secret");
        SaveAndSucceed(op);
    });
    device::DialRecord expected{};
    expected.dialMode = 1;
    expected.networkType = 1;
    Put(expected.user, "\xE7\x94\xA8\xE6\x88\xB7-01");
    Put(expected.password, "new-secret");
    EXPECT_EQ(Sent("zelDispHisiNewMenuDialSet"), std::vector<Bytes>{BytesOf(expected)});
}

TEST_F(NetworkServicePages, test_ddns_unchecking_used_keeps_the_other_fields) {
    device::DdnsRecord ddns{};
    ddns.used = 1;
    ddns.provider = 4;
    Put(ddns.server, "freedns.afraid.org");
    Put(ddns.user, "owner");
    Put(ddns.password, "pw");
    Put(ddns.domain, std::string(33, 'x'));  // the record's last field, unterminated
    Prepare("DDNS", ddns);
    RunSession([this](Operator& op) {
        op.SelectTreeItem(u"DDNS Server");
        EXPECT_EQ(op.Selection(IDC_DDNS_TYPE), 4);
        EXPECT_EQ(op.Text(IDC_DDNS_SERVER), u"freedns.afraid.org");
        EXPECT_EQ(op.Text(IDC_DDNS_USER), u"owner");
        EXPECT_EQ(op.Text(IDC_DDNS_PASSWORD), u"pw");
        EXPECT_EQ(op.Text(IDC_DDNS_DOMAIN), std::u16string(30, u'x'));
        EXPECT_TRUE(op.IsChecked(IDC_DDNS_USED));
        op.Click(IDC_DDNS_USED);
        SaveAndSucceed(op);
    });
    device::DdnsRecord expected = ddns;
    expected.used = 0;
    Put(expected.domain, std::string(30, 'x'));
    EXPECT_EQ(Sent("zelDispHisiNewMenuDDNSSet"), std::vector<Bytes>{BytesOf(expected)});
}

TEST_F(NetworkServicePages, test_mail_page_shows_each_field_and_sends_the_edited_record) {
    device::SmtpRecord smtp{};
    Put(smtp.from, "from@example.com");
    Put(smtp.to, "to@example.com");
    Put(smtp.cc, "cc@example.com");
    Put(smtp.server, "mail.example.com");
    Put(smtp.user, "login");
    Put(smtp.password, "secret");
    Prepare("SMTP", smtp);
    RunSession([this](Operator& op) {
        op.SelectTreeItem(u"Email");
        EXPECT_EQ(op.Text(IDC_MAIL_SERVER_LABEL), u"SMTPSERVER");
        EXPECT_EQ(op.Text(IDC_MAIL_SERVER), u"mail.example.com");
        EXPECT_EQ(op.Text(IDC_MAIL_FROM), u"from@example.com");
        EXPECT_EQ(op.Text(IDC_MAIL_TO), u"to@example.com");
        EXPECT_EQ(op.Text(IDC_MAIL_CC), u"cc@example.com");
        EXPECT_EQ(op.Text(IDC_MAIL_USER), u"login");
        EXPECT_EQ(op.Text(IDC_MAIL_PASSWORD), u"secret");
        op.Type(IDC_MAIL_TO, u"\b");
        op.Type(IDC_MAIL_SERVER, u"smtp.example.org");
        SaveAndSucceed(op);
    });
    device::SmtpRecord expected = smtp;
    Put(expected.to, "");
    Put(expected.server, "smtp.example.org");
    EXPECT_EQ(Sent("zelDispHisiNewMenuSMTPSet"), std::vector<Bytes>{BytesOf(expected)});
}

// A list value no entry has: nothing is selected, and a Save of another edit keeps it.
struct UnlistedCase {
    const char* name;
    const char16_t* node;
    const char* record;
    const char* setFunction;
    std::size_t offset;
    std::uint8_t value;
    int list;
    int edit;  // another field the operator changes
};

class UnlistedValues : public NetworkServicePages,
                       public testing::WithParamInterface<UnlistedCase> {};

TEST_P(UnlistedValues, test_value_no_entry_has_selects_nothing_and_is_kept) {
    const UnlistedCase& c = GetParam();
    Bytes record(std::string_view(c.record) == "Dial" ? sizeof(device::DialRecord)
                                                      : sizeof(device::DdnsRecord));
    record[c.offset] = c.value;
    ASSERT_EQ(
        zsimSetRecord(recorder.handle(), c.record, record.data(), std::int32_t(record.size())), 0);
    RunSession([&](Operator& op) {
        op.SelectTreeItem(c.node);
        EXPECT_EQ(op.Selection(c.list), -1);
        op.Type(c.edit, u"someone");
        SaveAndSucceed(op);
    });
    const auto sent = Sent(c.setFunction);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0][c.offset], c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, UnlistedValues,
    testing::Values(UnlistedCase{"dial_type_4", u"PPPOE", "Dial", "zelDispHisiNewMenuDialSet", 1, 4,
                                 IDC_PPPOE_TYPE, IDC_PPPOE_USER},
                    UnlistedCase{"dial_mode_none", u"PPPOE", "Dial", "zelDispHisiNewMenuDialSet", 0,
                                 0xFF, IDC_PPPOE_MODE, IDC_PPPOE_USER},
                    UnlistedCase{"ddns_provider_5", u"DDNS Server", "DDNS",
                                 "zelDispHisiNewMenuDDNSSet", 1, 5, IDC_DDNS_TYPE, IDC_DDNS_USER},
                    UnlistedCase{"ddns_provider_none", u"DDNS Server", "DDNS",
                                 "zelDispHisiNewMenuDDNSSet", 1, 0xFF, IDC_DDNS_TYPE,
                                 IDC_DDNS_DOMAIN}),
    [](const testing::TestParamInfo<UnlistedCase>& info) { return std::string(info.param.name); });

// Bytes the pages do not edit, non-zero on the recorder: the first Save sends the record without
// them although nothing was edited, and a second Save has nothing to send.
struct PaddingCase {
    const char* name;
    const char16_t* node;
    const char* record;
    const char* setFunction;
    Bytes (*fetch)(ZelHandle);
    std::size_t offset;  // a byte Save sends as zero
};

class Padding : public NetworkServicePages, public testing::WithParamInterface<PaddingCase> {};

TEST_P(Padding, test_first_save_sends_zeros_where_the_page_edits_nothing) {
    const PaddingCase& c = GetParam();
    const Bytes fetched = c.fetch(recorder.handle());
    ASSERT_EQ(fetched[c.offset], 0);
    Bytes damaged = fetched;
    damaged[c.offset] = 0x5A;
    ASSERT_EQ(
        zsimSetRecord(recorder.handle(), c.record, damaged.data(), std::int32_t(damaged.size())),
        0);
    RunSession([&](Operator& op) {
        op.SelectTreeItem(c.node);
        SaveAndSucceed(op);
        SaveAndSucceed(op);
    });
    EXPECT_EQ(Sent(c.setFunction), std::vector<Bytes>{fetched});
}

template <typename Record, std::int32_t(ZEL_CALL* Get)(ZelHandle, Record*)>
Bytes Fetch(ZelHandle handle) {
    Record record{};
    EXPECT_GE(Get(handle, &record), 0);
    return BytesOf(record);
}

INSTANTIATE_TEST_SUITE_P(
    Records, Padding,
    testing::Values(PaddingCase{"ntp_bytes_34_35", u"NTP Server", "NTP", "zelDispHisiNewMenuNTPSet",
                                Fetch<device::NtpRecord, zelDispHisiNewMenuNTPGet>,
                                offsetof(device::NtpRecord, zero) + 1},
                    PaddingCase{"dial_after_the_password", u"PPPOE", "Dial",
                                "zelDispHisiNewMenuDialSet",
                                Fetch<device::DialRecord, zelDispHisiNewMenuDialGet>,
                                offsetof(device::DialRecord, password) + 15},
                    PaddingCase{"ddns_after_the_server", u"DDNS Server", "DDNS",
                                "zelDispHisiNewMenuDDNSSet",
                                Fetch<device::DdnsRecord, zelDispHisiNewMenuDDNSGet>,
                                offsetof(device::DdnsRecord, server) + 31},
                    PaddingCase{"mail_last_16_bytes", u"Email", "SMTP", "zelDispHisiNewMenuSMTPSet",
                                Fetch<device::SmtpRecord, zelDispHisiNewMenuSMTPGet>,
                                offsetof(device::SmtpRecord, unused) + 15}),
    [](const testing::TestParamInfo<PaddingCase>& info) { return std::string(info.param.name); });

}  // namespace
