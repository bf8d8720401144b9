// The record management page as the recorder and the operator see them: the columns of the
// channels the recorder has, what Save sends, "All Sel." and modes no button stands for.
#include <gtest/gtest.h>

#include <cstring>

#include "records/SessionState.h"
#include "device/RecordingRecords.h"
#include "res/resource.h"
#include "tests/support/PageTest.h"

namespace {

using namespace testsupport;

// Stop, Manual and Auto button of the first five channels' columns.
constexpr int kButtons[5][3] = {
    {IDC_RECADMIN_STOP1, IDC_RECADMIN_MANUAL1, IDC_RECADMIN_AUTO1},
    {IDC_RECADMIN_STOP2, IDC_RECADMIN_MANUAL2, IDC_RECADMIN_AUTO2},
    {IDC_RECADMIN_STOP3, IDC_RECADMIN_MANUAL3, IDC_RECADMIN_AUTO3},
    {IDC_RECADMIN_STOP4, IDC_RECADMIN_MANUAL4, IDC_RECADMIN_AUTO4},
    {IDC_RECADMIN_STOP5, IDC_RECADMIN_MANUAL5, IDC_RECADMIN_AUTO5},
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

class RecordManagementPage : public PageTest<device::RecAdminRecord> {
  protected:
    RecordManagementPage()
        : PageTest(u"Manage Record", "RecAdmin", zelDispHisiNewMenuRecAdminGet,
                   "zelDispHisiNewMenuRecAdminSet") {}

    // A recorder with four channels whose record holds a mode for all sixteen.
    void SetUp() override {
        PageTest::SetUp();
        stored.unused = 0x5a;
        const std::uint8_t modes[] = {2, 1, 0, 2, 1, 1, 0, 0, 2, 2, 1, 1, 0, 0, 2, 2};
        std::memcpy(stored.mode, modes, sizeof modes);
        ASSERT_EQ(zsimSetCounts(recorder.handle(), 4, 4, 2), 0);
    }
};

TEST_F(RecordManagementPage, test_only_present_channels_are_shown_and_all_select_stops_them) {
    Open([this](Operator& op) {
        EXPECT_TRUE(op.IsVisible(IDC_RECADMIN_CH1_LABEL) && op.IsVisible(IDC_RECADMIN_CH4_LABEL));
        EXPECT_FALSE(op.IsVisible(IDC_RECADMIN_CH5_LABEL) || op.IsVisible(IDC_RECADMIN_CH16_LABEL));
        for (int c = 0; c < 5; ++c) {
            for (int id : kButtons[c])
                EXPECT_EQ(op.IsVisible(id), c < 4) << "channel " << c + 1;
        }
        EXPECT_FALSE(op.IsVisible(IDC_RECADMIN_AUTO16));
        EXPECT_EQ(op.Text(IDC_RECADMIN_CH4_LABEL), u"4");
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(CheckedMode(op, c), stored.mode[c]) << "channel " << c + 1;
        op.Click(IDC_RECADMIN_MANUAL3);
        EXPECT_EQ(CheckedMode(op, 2), 1) << "one button per column";
        op.Click(IDC_RECADMIN_ALL_STOP);
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(CheckedMode(op, c), 0) << "channel " << c + 1;
        SaveAndSucceed(op);
    });
    device::RecAdminRecord expected = stored;
    std::memset(expected.mode, 0, 4);
    ExpectSentOnce(expected, "byte 0 and the channels beyond the fourth as fetched");
}

TEST_F(RecordManagementPage, test_unknown_mode_is_kept_and_save_without_change_sends_nothing) {
    stored.mode[1] = 7;
    Open([](Operator& op) {
        EXPECT_EQ(CheckedMode(op, 1), -1) << "no button stands for mode 7";
        SaveAndSucceed(op);
        op.Click(IDC_RECADMIN_AUTO4);
        op.Click(IDC_RECADMIN_STOP1);
        SaveAndSucceed(op);
    });
    device::RecAdminRecord expected = stored;
    expected.mode[0] = 0;
    expected.mode[3] = 2;
    ExpectSentOnce(expected,
                   "the first Save had nothing to send; the column without a checked button kept");
}

}  // namespace
