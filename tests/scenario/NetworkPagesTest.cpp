// The Network and Alarm Center pages as the recorder and the operator see them: what is sent
// on Save, the restart question after a port change, Refresh, Default and the shared record.
#include <gtest/gtest.h>

#include <cstring>

#include "app/Entries.h"
#include "app/Session.h"
#include "device/Ipv4.h"
#include "device/NetworkRecords.h"
#include "device/ZelDisp.h"
#include "res/resource.h"
#include "text/LangText.h"
#include "text/TextIds.h"
#include "tests/support/ScenarioTest.h"
#include "ui/Styles.h"

namespace {

using device::Ipv4FromOctets;
using testsupport::ExpectMessage;
using testsupport::Operator;
using testsupport::ScenarioTest;

device::NetRecord AsNet(const std::vector<std::uint8_t>& bytes) {
    device::NetRecord net{};
    EXPECT_EQ(bytes.size(), sizeof net);
    std::memcpy(&net, bytes.data(), std::min(bytes.size(), sizeof net));
    return net;
}

class NetworkPages : public ScenarioTest {
  protected:
    void SetUp() override {
        ScenarioTest::SetUp();
        ASSERT_GE(zelDispHisiNewMenuNetGet(recorder.handle(), &fetched), 0);
        recorder.ClearLog();
    }

    // The Net records the recorder received.
    std::vector<device::NetRecord> Sent() const {
        std::vector<device::NetRecord> sent;
        for (const auto& call : Calls("zelDispHisiNewMenuNetSet"))
            sent.push_back(AsNet(call.bytes));
        return sent;
    }

    device::NetRecord fetched{};  // what the recorder holds before the session
};

const std::u16string kRebootQuestion = text::LongText(2, text::kTextRebootQuestion);

TEST_F(NetworkPages, test_gateway_change_is_sent_without_restart_question) {
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"Network");
        op.EnterAddress(IDC_NET_GATEWAY, Ipv4FromOctets(10, 1, 2, 3));
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    device::NetRecord expected = fetched;
    expected.gateway = Ipv4FromOctets(10, 1, 2, 3);
    EXPECT_EQ(std::memcmp(&sent[0], &expected, sizeof expected), 0)
        << "only the gateway changed; bytes 32 to 43 as cached";
    EXPECT_EQ(CallCount("zelDispSaveMenu"), 2) << "after the Set and on closing";
    EXPECT_EQ(CallCount("zelDispRebootDVR"), 0);
}

TEST_F(NetworkPages, test_port_change_answered_no_keeps_recorder_running) {
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"Network");
        op.Type(IDC_NET_HTTP_PORT, u"8080");
        op.Click(IDC_SAVE);
        const auto question = op.OpenMessageBox();
        ASSERT_TRUE(question.has_value());
        EXPECT_TRUE(question->ownedByDesktop) << "the question does not block the window";
        ExpectMessage(op, kRebootQuestion, ui::kIdNo);
        ExpectMessage(op, u"Succeed");
    });
    ASSERT_EQ(Sent().size(), 1u);
    EXPECT_EQ(Sent()[0].httpPort, 8080);
    EXPECT_EQ(app::ConfigCache.net.httpPort, 8080) << "the cache holds what was sent";
    EXPECT_EQ(CallCount("zelDispRebootDVR"), 0);
    EXPECT_EQ(CallCount("zelDispSaveMenu"), 2);
    EXPECT_EQ(app::RebootIssued, 0u);
}

TEST_F(NetworkPages, test_port_change_answered_yes_restarts_and_skips_later_saves) {
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"Network");
        op.Type(IDC_NET_TALK_PORT, u"4000");
        op.Click(IDC_SAVE);
        ExpectMessage(op, kRebootQuestion, ui::kIdYes);
        ExpectMessage(op, u"Succeed");
        op.Close();
    });
    std::vector<std::string> sends;
    for (const std::string& name : recorder.LoggedFunctions()) {
        if (!name.ends_with("Get"))
            sends.push_back(name);
    }
    EXPECT_EQ(sends, (std::vector<std::string>{"zelDispHisiNewMenuNetSet", "zelDispSaveMenu",
                                               "zelDispSaveMenu", "zelDispRebootDVR"}))
        << "no save when the window closes after the restart";
    EXPECT_EQ(app::ConfigCache.net.talkPort, 4000);
    EXPECT_EQ(app::RebootIssued, 1u);

    recorder.ClearLog();
    RunSession([](Operator& op) { op.Close(); });
    EXPECT_EQ(CallCount("zelDispSaveMenu"), 0) << "nor in a later session of the library";
}

TEST_F(NetworkPages, test_refresh_replaces_edits_with_the_recorder_values) {
    device::NetRecord changed = fetched;
    changed.cmdPort = 7001;
    changed.dhcp = 1;
    changed.alarmCenter2 = Ipv4FromOctets(172, 16, 0, 9);
    RunSession([&](Operator& op) {
        op.SelectTreeItem(u"Network");
        op.Type(IDC_NET_CMD_PORT, u"1234");
        // Someone else changes the recorder meanwhile.
        ASSERT_GE(zelDispHisiNewMenuNetSet(recorder.handle(), &changed), 0);
        op.Click(IDC_REFRESH);
        EXPECT_FALSE(op.OpenMessageBox().has_value()) << "no message on success";
        EXPECT_EQ(op.Text(IDC_NET_CMD_PORT), u"7001");
        EXPECT_TRUE(op.IsChecked(IDC_NET_DHCP));
        EXPECT_FALSE(op.IsEnabled(IDC_NET_GATEWAY));
    });
    EXPECT_EQ(std::memcmp(&app::ConfigCache.net, &changed, sizeof changed), 0);
}

TEST_F(NetworkPages, test_dhcp_greys_addresses_which_are_still_sent) {
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"Network");
        EXPECT_TRUE(op.IsEnabled(IDC_NET_IP));
        op.Click(IDC_NET_DHCP);
        for (int id : {IDC_NET_IP, IDC_NET_MASK, IDC_NET_GATEWAY}) {
            EXPECT_FALSE(op.IsEnabled(id)) << id;
        }
        for (int id : {IDC_NET_DNS1, IDC_NET_DNS2, IDC_NET_CMD_PORT, IDC_NET_TALK_PORT}) {
            EXPECT_TRUE(op.IsEnabled(id)) << id;
        }
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    ASSERT_EQ(Sent().size(), 1u);
    EXPECT_EQ(Sent()[0].dhcp, 1u);
    EXPECT_EQ(Sent()[0].ip, fetched.ip);
    EXPECT_EQ(Sent()[0].gateway, fetched.gateway);
}

TEST_F(NetworkPages, test_default_clears_dhcp_and_frees_the_addresses) {
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"Network");
        op.Click(IDC_NET_DHCP);
        op.Click(IDC_DEFAULT);
        EXPECT_FALSE(op.OpenMessageBox().has_value());
        EXPECT_FALSE(op.IsChecked(IDC_NET_DHCP));
        EXPECT_TRUE(op.IsEnabled(IDC_NET_IP));
        EXPECT_EQ(op.Address(IDC_NET_IP), Ipv4FromOctets(192, 168, 1, 100));
    });
    EXPECT_EQ(CallCount("zelDispHisiNewMenuNetSet"), 0) << "nothing is sent until Save";
}

TEST_F(NetworkPages, test_cleared_port_shows_zero_and_saves_zero) {
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"Network");
        op.Paste(IDC_NET_DATA_PORT, u"");
        EXPECT_EQ(op.Text(IDC_NET_DATA_PORT), u"0");
        op.Click(IDC_SAVE);
        ExpectMessage(op, kRebootQuestion, ui::kIdNo);
        ExpectMessage(op, u"Succeed");
    });
    ASSERT_EQ(Sent().size(), 1u);
    EXPECT_EQ(Sent()[0].dataPort, 0);
}

struct PortEditCase {
    const char* name;
    bool paste;
    std::u16string input;
    std::u16string shown;
};

class PortEdits : public NetworkPages, public testing::WithParamInterface<PortEditCase> {};

TEST_P(PortEdits, test_port_edit_keeps_a_number_in_range) {
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"Network");
        const PortEditCase& c = GetParam();
        if (c.paste) {
            op.Paste(IDC_NET_CMD_PORT, c.input);
        } else {
            op.Type(IDC_NET_CMD_PORT, c.input);
        }
        const std::u16string shown = op.Text(IDC_NET_CMD_PORT);
        EXPECT_EQ(std::string(shown.begin(), shown.end()),
                  std::string(c.shown.begin(), c.shown.end()))
            << c.name;
    });
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, PortEdits,
    testing::Values(PortEditCase{"typed_above_maximum", false, u"70000", u"65535"},
                    PortEditCase{"typed_maximum", false, u"65535", u"65535"},
                    PortEditCase{"typed_letters_refused", false, u"8a0", u"80"},
                    PortEditCase{"pasted_above_maximum", true, u"99999999999999", u"65535"},
                    PortEditCase{"pasted_cleared", true, u"", u"0"},
                    PortEditCase{"pasted_text", true, u"abc", u"0"}),
    [](const testing::TestParamInfo<PortEditCase>& info) { return std::string(info.param.name); });

TEST_F(NetworkPages, test_alarm_centers_are_stored_and_shared_with_the_network_page) {
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"Alarm Center");
        EXPECT_EQ(op.Text(IDC_ALARMCENTER_1_LABEL), u"Alarm Center1");
        EXPECT_EQ(op.Text(IDC_ALARMCENTER_2_LABEL), u"Alarm Center2");
        op.EnterAddress(IDC_ALARMCENTER_1, Ipv4FromOctets(10, 0, 0, 5));
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
        op.SelectTreeItem(u"Network");
        op.EnterAddress(IDC_NET_GATEWAY, Ipv4FromOctets(10, 0, 0, 1));
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].alarmCenter1, Ipv4FromOctets(10, 0, 0, 5));
    EXPECT_EQ(sent[0].gateway, fetched.gateway) << "the network page's fields as cached";
    EXPECT_EQ(sent[1].alarmCenter1, Ipv4FromOctets(10, 0, 0, 5)) << "from the cache";
    EXPECT_EQ(sent[1].gateway, Ipv4FromOctets(10, 0, 0, 1));
    const auto calls = Calls("zelDispHisiNewMenuNetSet");
    EXPECT_EQ(calls[0].bytes[0x24], 5) << "the octets lie in reverse order";
    EXPECT_EQ(calls[0].bytes[0x27], 10);
}

TEST_F(NetworkPages, test_alarm_center_default_sends_zeros) {
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"Alarm Center");
        op.Click(IDC_DEFAULT);
        EXPECT_EQ(op.Address(IDC_ALARMCENTER_1), 0u);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    ASSERT_EQ(Sent().size(), 1u);
    EXPECT_EQ(Sent()[0].alarmCenter1, 0u);
    EXPECT_EQ(Sent()[0].alarmCenter2, 0u);
    EXPECT_EQ(Sent()[0].httpPort, fetched.httpPort);
}

}  // namespace
