// The record management page as the recorder and the operator see them: the columns of the
// channels the recorder has, what Save sends, "All Sel." and Refresh.
#include <gtest/gtest.h>

#include <cstring>

#include "app/Session.h"
#include "device/RecordingRecords.h"
#include "device/ZelDisp.h"
#include "res/resource.h"
#include "tests/support/ScenarioTest.h"

namespace {

using testsupport::ExpectMessage;
using testsupport::Operator;
using testsupport::ScenarioTest;

// Stop, Manual and Auto button of each channel.
constexpr int kButtons[device::kMaxChannels][3] = {
    {IDC_RECADMIN_STOP1, IDC_RECADMIN_MANUAL1, IDC_RECADMIN_AUTO1},
    {IDC_RECADMIN_STOP2, IDC_RECADMIN_MANUAL2, IDC_RECADMIN_AUTO2},
    {IDC_RECADMIN_STOP3, IDC_RECADMIN_MANUAL3, IDC_RECADMIN_AUTO3},
    {IDC_RECADMIN_STOP4, IDC_RECADMIN_MANUAL4, IDC_RECADMIN_AUTO4},
    {IDC_RECADMIN_STOP5, IDC_RECADMIN_MANUAL5, IDC_RECADMIN_AUTO5},
    {IDC_RECADMIN_STOP6, IDC_RECADMIN_MANUAL6, IDC_RECADMIN_AUTO6},
    {IDC_RECADMIN_STOP7, IDC_RECADMIN_MANUAL7, IDC_RECADMIN_AUTO7},
    {IDC_RECADMIN_STOP8, IDC_RECADMIN_MANUAL8, IDC_RECADMIN_AUTO8},
    {IDC_RECADMIN_STOP9, IDC_RECADMIN_MANUAL9, IDC_RECADMIN_AUTO9},
    {IDC_RECADMIN_STOP10, IDC_RECADMIN_MANUAL10, IDC_RECADMIN_AUTO10},
    {IDC_RECADMIN_STOP11, IDC_RECADMIN_MANUAL11, IDC_RECADMIN_AUTO11},
    {IDC_RECADMIN_STOP12, IDC_RECADMIN_MANUAL12, IDC_RECADMIN_AUTO12},
    {IDC_RECADMIN_STOP13, IDC_RECADMIN_MANUAL13, IDC_RECADMIN_AUTO13},
    {IDC_RECADMIN_STOP14, IDC_RECADMIN_MANUAL14, IDC_RECADMIN_AUTO14},
    {IDC_RECADMIN_STOP15, IDC_RECADMIN_MANUAL15, IDC_RECADMIN_AUTO15},
    {IDC_RECADMIN_STOP16, IDC_RECADMIN_MANUAL16, IDC_RECADMIN_AUTO16},
};

// The position of the checked button of a channel's column (0 Stop, 1 Manual, 2 Auto), -1 for
// none; -2 when more than one is checked.
int CheckedMode(Operator& op, int channel) {
    int mode = -1;
    for (int m = 0; m < 3; ++m) {
        if (op.IsChecked(kButtons[channel][m]))
            mode = mode == -1 ? m : -2;
    }
    return mode;
}

class RecordManagementPage : public ScenarioTest {
  protected:
    // A recorder with four channels whose record holds a mode for all sixteen.
    void SetUp() override {
        ScenarioTest::SetUp();
        stored.unused = 0x5a;
        const std::uint8_t modes[] = {2, 1, 0, 2, 1, 1, 0, 0, 2, 2, 1, 1, 0, 0, 2, 2};
        std::memcpy(stored.mode, modes, sizeof modes);
        ASSERT_EQ(zsimSetCounts(recorder.handle(), 4, 4, 2), 0);
        ASSERT_EQ(zsimSetRecord(recorder.handle(), "RecAdmin", &stored, sizeof stored), 0);
    }

    std::vector<device::RecAdminRecord> Sent() const {
        std::vector<device::RecAdminRecord> sent;
        for (const auto& call : Calls("zelDispHisiNewMenuRecAdminSet")) {
            device::RecAdminRecord record{};
            EXPECT_EQ(call.bytes.size(), sizeof record);
            std::memcpy(&record, call.bytes.data(), std::min(call.bytes.size(), sizeof record));
            sent.push_back(record);
        }
        return sent;
    }

    static void Open(Operator& op) { op.SelectTreeItem(u"Manage Record"); }

    device::RecAdminRecord stored{};
};

TEST_F(RecordManagementPage, test_only_present_channels_are_shown_and_saved) {
    RunSession([](Operator& op) {
        Open(op);
        const int numbers[] = {IDC_RECADMIN_CH1_LABEL, IDC_RECADMIN_CH4_LABEL,
                               IDC_RECADMIN_CH5_LABEL, IDC_RECADMIN_CH16_LABEL};
        EXPECT_TRUE(op.IsVisible(numbers[0]) && op.IsVisible(numbers[1]));
        EXPECT_FALSE(op.IsVisible(numbers[2]) || op.IsVisible(numbers[3]));
        for (int c = 0; c < device::kMaxChannels; ++c) {
            for (int id : kButtons[c])
                EXPECT_EQ(op.IsVisible(id), c < 4) << "channel " << c + 1;
        }
        EXPECT_EQ(op.Text(IDC_RECADMIN_CH4_LABEL), u"4");
        EXPECT_EQ(op.Text(IDC_RECADMIN_ALL_STOP), u"All Sel.");
        EXPECT_EQ(CheckedMode(op, 0), 2);
        EXPECT_EQ(CheckedMode(op, 1), 1);
        EXPECT_EQ(CheckedMode(op, 2), 0);

        op.Click(IDC_RECADMIN_MANUAL3);
        EXPECT_EQ(CheckedMode(op, 2), 1) << "one button per column";
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    device::RecAdminRecord expected = stored;
    expected.mode[2] = 1;
    EXPECT_EQ(std::memcmp(&sent[0], &expected, sizeof expected), 0);
    EXPECT_EQ(std::memcmp(&app::ConfigCache.recAdmin, &expected, sizeof expected), 0);
    EXPECT_EQ(CallCount("zelDispSaveMenu"), 2) << "after the Set and on closing";
}

TEST_F(RecordManagementPage, test_all_select_stop_stops_every_shown_channel) {
    RunSession([](Operator& op) {
        Open(op);
        op.Click(IDC_RECADMIN_ALL_STOP);
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(CheckedMode(op, c), 0) << "channel " << c + 1;
        EXPECT_FALSE(op.OpenMessageBox().has_value());
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    device::RecAdminRecord expected = stored;
    std::memset(expected.mode, 0, 4);
    EXPECT_EQ(std::memcmp(&sent[0], &expected, sizeof expected), 0)
        << "byte 0 and the channels beyond the fourth as fetched";
}

TEST_F(RecordManagementPage, test_unknown_mode_is_kept_and_save_without_change_sends_nothing) {
    stored.mode[1] = 7;
    ASSERT_EQ(zsimSetRecord(recorder.handle(), "RecAdmin", &stored, sizeof stored), 0);
    RunSession([](Operator& op) {
        Open(op);
        EXPECT_EQ(CheckedMode(op, 1), -1) << "no button stands for mode 7";
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
        op.Click(IDC_RECADMIN_AUTO4);
        op.Click(IDC_RECADMIN_STOP1);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u) << "the first Save had nothing to send";
    EXPECT_EQ(sent[0].mode[0], 0);
    EXPECT_EQ(sent[0].mode[1], 7) << "the column without a checked button keeps its byte";
    EXPECT_EQ(sent[0].mode[3], 2);
}

TEST_F(RecordManagementPage, test_refresh_shows_modes_changed_on_the_recorder) {
    device::RecAdminRecord changed = stored;
    changed.mode[0] = 0;
    changed.mode[3] = 1;
    changed.mode[9] = 0;
    RunSession([&](Operator& op) {
        Open(op);
        ASSERT_GE(zelDispHisiNewMenuRecAdminSet(recorder.handle(), &changed), 0);
        EXPECT_EQ(CheckedMode(op, 0), 2) << "the page shows what it fetched until Refresh";
        op.Click(IDC_REFRESH);
        EXPECT_FALSE(op.OpenMessageBox().has_value()) << "no message on success";
        EXPECT_EQ(CheckedMode(op, 0), 0);
        EXPECT_EQ(CheckedMode(op, 3), 1);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    EXPECT_EQ(std::memcmp(&app::ConfigCache.recAdmin, &changed, sizeof changed), 0);
    EXPECT_EQ(CallCount("zelDispHisiNewMenuRecAdminSet"), 1) << "only the recorder's own change";
}

}  // namespace
