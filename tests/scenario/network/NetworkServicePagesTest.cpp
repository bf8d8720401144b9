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
#include "tests/support/RecordBytes.h"
#include "tests/support/ScenarioTest.h"

namespace {

using namespace testsupport;
using ui::DateTimeValue;

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
};

TEST_F(NetworkServicePages, test_ntp_page_shows_each_field_and_sends_the_edited_record) {
    device::NtpRecord ntp{};
    ntp.used = 0;
    Put(ntp.server, "ntp1.example.net");
    ntp.timeZoneMinutes = -210;
    ntp.periodMinutes = 720;
    ntp.startTime = 0x0E1E;
    ntp.zero[1] = 0x7E;  // sent as zero
    Prepare("NTP", ntp);
    RunSession([](Operator& op) {
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

TEST_F(NetworkServicePages, test_ntp_zone_and_start_time_the_controls_cannot_show_are_kept) {
    device::NtpRecord ntp{};
    ASSERT_GE(zelDispHisiNewMenuNTPGet(recorder.handle(), &ntp), 0);
    RunSession([&](Operator& op) {
        op.SelectTreeItem(u"NTP Server");
        EXPECT_EQ(op.DateTime(IDC_NTP_START).hour, 3);
        // The recorder gets a zone the list lacks and a start time no picker shows.
        ntp.timeZoneMinutes = 765;  // GMT+12:45
        ntp.startTime = 0x0A3C;     // 10:60
        ASSERT_GE(zelDispHisiNewMenuNTPSet(recorder.handle(), &ntp), 0);
        op.Click(IDC_REFRESH);
        EXPECT_EQ(op.Selection(IDC_NTP_ZONE), -1) << "the earlier zone does not stand for it";
        EXPECT_EQ(op.DateTime(IDC_NTP_START).hour, 3) << "the picker stays as it was";
        op.Type(IDC_NTP_PERIOD, u"15");
        SaveAndSucceed(op);
        op.Pick(IDC_NTP_ZONE, 0);
        op.EnterDateTime(IDC_NTP_START, Time(6, 15));
        SaveAndSucceed(op);
    });
    const auto sent = Decoded<device::NtpRecord>(Calls("zelDispHisiNewMenuNTPSet"));
    ASSERT_EQ(sent.size(), 3u) << "the recorder's own change and the page's two";
    EXPECT_EQ(sent[1].timeZoneMinutes, 765);
    EXPECT_EQ(sent[1].startTime, 0x0A3Cu) << "not the 03:00 the picker still showed";
    EXPECT_EQ(sent[2].timeZoneMinutes, 0);
    EXPECT_EQ(sent[2].startTime, 0x060Fu);
}

TEST_F(NetworkServicePages, test_dial_up_page_shows_each_field_and_sends_the_edited_record) {
    device::DialRecord dial{};
    dial.dialMode = 2;
    dial.networkType = 4;                           // no list entry
    Put(dial.user, "\xE7\x94\xA8\xE6\x88\xB7-01");  // 用户-01
    dial.user[20] = 'Z';                            // after the terminator: sent as zero
    Put(dial.password, "abcdefghijklmnopq");        // fills the field, no terminator
    Prepare("Dial", dial);
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"PPPOE");
        EXPECT_EQ(op.Selection(IDC_PPPOE_MODE), 2);
        EXPECT_EQ(op.Selection(IDC_PPPOE_TYPE), -1);
        EXPECT_EQ(op.Text(IDC_PPPOE_USER), u"用户-01");
        EXPECT_EQ(op.Text(IDC_PPPOE_PASSWORD), u"abcdefghijklmn") << "as much as the edit keeps";

        op.Pick(IDC_PPPOE_MODE, 1);
        op.Type(IDC_PPPOE_PASSWORD, u"new-secret");
        SaveAndSucceed(op);
    });
    device::DialRecord expected{};
    expected.dialMode = 1;
    expected.networkType = 4;  // kept without a selection
    Put(expected.user, "\xE7\x94\xA8\xE6\x88\xB7-01");
    Put(expected.password, "new-secret");
    EXPECT_EQ(Sent("zelDispHisiNewMenuDialSet"), std::vector<Bytes>{BytesOf(expected)});
}

TEST_F(NetworkServicePages, test_ddns_unchecking_used_keeps_the_other_fields) {
    device::DdnsRecord ddns{};
    ddns.used = 1;
    ddns.provider = 5;  // no list entry
    Put(ddns.server, "freedns.afraid.org");
    Put(ddns.user, "owner");
    Put(ddns.password, "pw");
    ddns.password[10] = 'Q';                 // after the terminator: sent as zero
    Put(ddns.domain, std::string(33, 'x'));  // the record's last field, unterminated
    Prepare("DDNS", ddns);
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"DDNS Server");
        EXPECT_EQ(op.Selection(IDC_DDNS_TYPE), -1);
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
    Put(expected.password, "pw");
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
    smtp.unused[15] = 0x5A;  // sent as zero
    Prepare("SMTP", smtp);
    RunSession([](Operator& op) {
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
    expected.unused[15] = 0;
    EXPECT_EQ(Sent("zelDispHisiNewMenuSMTPSet"), std::vector<Bytes>{BytesOf(expected)});
}

}  // namespace
