// The Network and Alarm Center pages as the recorder and the operator see them: what is sent
// on Save, the restart question after a port change, DHCP, Default and the shared record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dll/Entries.h"
#include "records/SessionState.h"
#include "device/Ipv4.h"
#include "device/NetworkRecords.h"
#include "res/resource.h"
#include "tests/support/PageTest.h"
#include "ui/Styles.h"

namespace {

using device::Ipv4FromOctets;
using namespace testsupport;

class NetworkPages : public PageTest<device::NetRecord> {
  protected:
    NetworkPages()
        : PageTest(u"Network", "Net", zelDispHisiNewMenuNetGet, "zelDispHisiNewMenuNetSet") {}
};

TEST_F(NetworkPages, test_gateway_and_dhcp_are_sent_without_restart_question) {
    Open([](Operator& op) {
        op.EnterAddress(IDC_NET_GATEWAY, Ipv4FromOctets(10, 1, 2, 3));
        op.Click(IDC_NET_DHCP);
        for (int id : {IDC_NET_IP, IDC_NET_MASK, IDC_NET_GATEWAY})
            EXPECT_FALSE(op.IsEnabled(id)) << "greyed by DHCP, and still sent: " << id;
        for (int id : {IDC_NET_DNS1, IDC_NET_DNS2, IDC_NET_CMD_PORT, IDC_NET_TALK_PORT})
            EXPECT_TRUE(op.IsEnabled(id)) << id;
        SaveAndSucceed(op);
    });
    device::NetRecord expected = stored;
    expected.gateway = Ipv4FromOctets(10, 1, 2, 3);
    expected.dhcp = 1;
    ExpectSentOnce(expected, "bytes 32 to 43 as cached");
    EXPECT_EQ(CallCount("zelDispRebootDVR"), 0);
}

TEST_F(NetworkPages, test_port_change_answered_no_keeps_recorder_running) {
    Open([](Operator& op) {
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
    EXPECT_EQ(CallCount("zelDispRebootDVR"), 0);
    EXPECT_EQ(records::RebootIssued, 0u);
}

TEST_F(NetworkPages, test_port_change_answered_yes_restarts_and_skips_later_saves) {
    Open([](Operator& op) {
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
    EXPECT_EQ(records::ConfigCache.net.talkPort, 4000);
    EXPECT_EQ(records::RebootIssued, 1u);

    recorder.ClearLog();
    RunSession([](Operator& op) { op.Close(); });
    EXPECT_EQ(CallCount("zelDispSaveMenu"), 0) << "nor in a later session of the library";
}

TEST_F(NetworkPages, test_default_clears_dhcp_and_frees_the_addresses) {
    Open([](Operator& op) {
        op.Click(IDC_NET_DHCP);
        op.Click(IDC_DEFAULT);
        EXPECT_FALSE(op.OpenMessageBox().has_value());
        EXPECT_FALSE(op.IsChecked(IDC_NET_DHCP));
        EXPECT_TRUE(op.IsEnabled(IDC_NET_IP));
        EXPECT_EQ(op.Address(IDC_NET_IP), Ipv4FromOctets(192, 168, 1, 100));
    });
    EXPECT_EQ(CallCount("zelDispHisiNewMenuNetSet"), 0) << "nothing is sent until Save";
}

TEST_F(NetworkPages, test_alarm_centers_are_stored_and_shared_with_the_network_page) {
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"Alarm Center");
        op.EnterAddress(IDC_ALARMCENTER_1, Ipv4FromOctets(10, 0, 0, 5));
        SaveAndSucceed(op);
        op.SelectTreeItem(u"Network");
        op.EnterAddress(IDC_NET_GATEWAY, Ipv4FromOctets(10, 0, 0, 1));
        SaveAndSucceed(op);
        op.SelectTreeItem(u"Alarm Center");
        op.Click(IDC_DEFAULT);
        EXPECT_EQ(op.Address(IDC_ALARMCENTER_1), 0u);
        SaveAndSucceed(op);
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[0].alarmCenter1, Ipv4FromOctets(10, 0, 0, 5));
    EXPECT_EQ(sent[0].gateway, stored.gateway) << "the network page's fields as cached";
    EXPECT_EQ(sent[1].alarmCenter1, Ipv4FromOctets(10, 0, 0, 5)) << "from the cache";
    EXPECT_EQ(sent[1].gateway, Ipv4FromOctets(10, 0, 0, 1));
    device::NetRecord defaults = sent[1];
    defaults.alarmCenter1 = defaults.alarmCenter2 = 0;
    EXPECT_EQ(Differences(sent[2], defaults), "") << "Default clears the alarm centers only";
}

// Closes the window, which must ask nothing: no page holds edits.
void CloseWithoutQuestion(Operator& op) {
    op.Close();
    const auto question = op.OpenMessageBox();
    EXPECT_FALSE(question.has_value()) << "closing asked about unsent edits";
    if (question)
        op.AnswerMessageBox(ui::kIdYes);
    EXPECT_EQ(op.WindowCaption(), u"");
}

TEST_F(NetworkPages, test_each_page_of_the_net_record_sees_the_others_save_and_keeps_its_edits) {
    using Nodes = std::vector<std::u16string>;
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"Network");
        op.EnterAddress(IDC_NET_GATEWAY, Ipv4FromOctets(10, 0, 0, 1));
        op.SelectTreeItem(u"Alarm Center");
        op.EnterAddress(IDC_ALARMCENTER_1, Ipv4FromOctets(10, 0, 0, 5));
        SaveAndSucceed(op);
        EXPECT_EQ(op.BoldNodes(), Nodes{u"Network"}) << "its own edit, and only that, is pending";
        op.SelectTreeItem(u"Network");
        SaveAndSucceed(op);
        EXPECT_EQ(op.BoldNodes(), Nodes{});
        op.SelectTreeItem(u"Alarm Center");
        EXPECT_EQ(op.Address(IDC_ALARMCENTER_1), Ipv4FromOctets(10, 0, 0, 5));
        CloseWithoutQuestion(op);
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].gateway, stored.gateway) << "the other page's edit is not sent";
    EXPECT_EQ(sent[1].alarmCenter1, Ipv4FromOctets(10, 0, 0, 5)) << "the first Save stands";
    EXPECT_EQ(sent[1].gateway, Ipv4FromOctets(10, 0, 0, 1));
    EXPECT_EQ(CallCount("zelDispSaveMenu"), 3) << "two Saves and the close, with no question";
}

TEST_F(NetworkPages, test_refresh_of_one_page_reaches_the_other_without_marking_it) {
    using Nodes = std::vector<std::u16string>;
    device::NetRecord changed = stored;
    changed.gateway = Ipv4FromOctets(10, 9, 9, 9);
    changed.alarmCenter2 = Ipv4FromOctets(10, 9, 9, 8);
    RunSession([this, &changed](Operator& op) {
        op.SelectTreeItem(u"Alarm Center");
        op.EnterAddress(IDC_ALARMCENTER_1, Ipv4FromOctets(10, 0, 0, 5));
        op.SelectTreeItem(u"Network");
        ASSERT_EQ(zsimSetRecord(recorder.handle(), "Net", &changed, sizeof changed), 0);
        op.Click(IDC_REFRESH);
        EXPECT_EQ(op.Address(IDC_NET_GATEWAY), Ipv4FromOctets(10, 9, 9, 9));
        EXPECT_EQ(op.BoldNodes(), Nodes{u"Alarm Center"}) << "its edit stays, and nothing else";
        op.SelectTreeItem(u"Alarm Center");
        SaveAndSucceed(op);
        EXPECT_EQ(op.BoldNodes(), Nodes{});
        CloseWithoutQuestion(op);
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    device::NetRecord expected = changed;
    expected.alarmCenter1 = Ipv4FromOctets(10, 0, 0, 5);
    expected.alarmCenter2 = stored.alarmCenter2;  // the page shows what it loaded
    EXPECT_EQ(Differences(sent[0], expected), "");
}

}  // namespace
