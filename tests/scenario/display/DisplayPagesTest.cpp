// The Display page and its channel name dialog as the recorder and the operator see them: the
// tour's check boxes for the recorder's channels, the restart question after a new resolution,
// Default, Refresh with the channel names, and the names as typed, defaulted, cut and sent.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "records/SessionState.h"
#include "device/InfoRecords.h"
#include "res/resource.h"
#include "tests/support/PageTest.h"
#include "ui/Styles.h"

namespace {

using namespace testsupport;

class DisplayPage : public PageTest<device::VideoOutRecord> {
  protected:
    DisplayPage()
        : PageTest(u"Display", "VideoOut", zelDispHisiNewMenuVideoOutGet,
                   "zelDispHisiNewMenuVideoOutSet") {}
};

// The tour's rows: the first check box and the label of single, quad, 8-split, 16-split views.
constexpr int kTourRows[4][2] = {{IDC_VIDEOOUT_VIEW1_1, IDC_VIDEOOUT_VIEW1_LABEL},
                                 {IDC_VIDEOOUT_VIEW4_1, IDC_VIDEOOUT_VIEW4_LABEL},
                                 {IDC_VIDEOOUT_VIEW8_1, IDC_VIDEOOUT_VIEW8_LABEL},
                                 {IDC_VIDEOOUT_VIEW16, IDC_VIDEOOUT_VIEW16_LABEL}};
constexpr int kRowSize[4] = {16, 4, 2, 1};

struct TourCase {
    int channels;
    int shown[4];  // visible boxes per row
};

class DisplayTour : public DisplayPage, public testing::WithParamInterface<TourCase> {};

TEST_P(DisplayTour, test_boxes_of_the_recorders_views_show_and_hidden_bytes_are_kept) {
    const TourCase& tour = GetParam();
    ASSERT_EQ(zsimSetCounts(recorder.handle(), tour.channels, 4, 1), 0);
    std::memset(&stored.view16, 7, sizeof stored - offsetof(device::VideoOutRecord, view16));
    Open([&tour](Operator& op) {
        for (int row = 0; row < 4; ++row) {
            int visible = 0;
            for (int k = 0; k < kRowSize[row]; ++k) {
                const int id = kTourRows[row][0] + k;
                if (op.IsVisible(id)) {
                    ++visible;
                    EXPECT_TRUE(op.IsChecked(id)) << "box " << id;
                    op.Click(id);
                }
            }
            EXPECT_EQ(visible, tour.shown[row]) << "row " << row;
            EXPECT_EQ(op.IsVisible(kTourRows[row][1]), row == 0 || visible > 0) << "row " << row;
        }
        SaveAndSucceed(op);
    });
    device::VideoOutRecord expected = stored;
    std::memset(expected.view1, 0, tour.shown[0]);
    std::memset(expected.view4, 0, tour.shown[1]);
    std::memset(expected.view8, 0, tour.shown[2]);
    std::memset(&expected.view16, 0, tour.shown[3]);
    ExpectSentOnce(expected, "the bytes of hidden boxes as they were");
}

INSTANTIATE_TEST_SUITE_P(Channels, DisplayTour,
                         testing::Values(TourCase{4, {4, 1, 0, 0}}, TourCase{8, {8, 2, 1, 0}},
                                         TourCase{16, {16, 4, 2, 1}}),
                         [](const auto& info) { return std::to_string(info.param.channels); });

TEST_F(DisplayPage, test_restart_question_follows_only_a_written_resolution_change) {
    stored.vgaResolution = 7;  // no entry stands for it
    Open([this](Operator& op) {
        EXPECT_EQ(op.Selection(IDC_VIDEOOUT_RESOLUTION), -1);
        op.Type(IDC_VIDEOOUT_TRANSPARENCY, u"120");
        SaveAndSucceed(op);

        op.Pick(IDC_VIDEOOUT_RESOLUTION, 2);
        zsimFail(recorder.handle(), "zelDispHisiNewMenuVideoOutSet", 1, -1);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Failed");
        op.Click(IDC_SAVE);
        EXPECT_EQ(CallCount("zelDispSaveMenu"), 2) << "asked after the recorder saved";
        ExpectMessage(op, kRebootQuestion, ui::kIdNo);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[0].transparency, 120);
    EXPECT_EQ(sent[0].vgaResolution, 7) << "kept, not 255";
    EXPECT_EQ(sent[2].vgaResolution, 2);
    EXPECT_EQ(CallCount("zelDispRebootDVR"), 0);
}

TEST_F(DisplayPage, test_default_then_save_sends_the_built_in_values_for_every_view) {
    stored = {};
    stored.vgaResolution = 2;
    stored.tourEnable = 1;
    Open([](Operator& op) {
        op.Click(IDC_DEFAULT);
        EXPECT_EQ(op.Text(IDC_VIDEOOUT_TRANSPARENCY), u"200");
        EXPECT_EQ(op.Text(IDC_VIDEOOUT_INTERVAL), u"5");
        EXPECT_TRUE(op.IsChecked(IDC_VIDEOOUT_VIEW8_1));
        op.Click(IDC_SAVE);
        ExpectMessage(op, kRebootQuestion, ui::kIdNo);  // 1280*1024 becomes 800*600
        ExpectMessage(op, u"Succeed");
    });
    device::VideoOutRecord expected;
    std::memset(&expected, 1, sizeof expected);
    expected.vgaResolution = 0;
    expected.transparency = 200;
    expected.tourEnable = 0;
    expected.tourInterval = 5;
    ExpectSentOnce(expected, "the 16-split view of an 8-channel recorder too");
}

TEST_F(DisplayPage, test_refresh_reads_the_channel_names_and_keeps_them_when_that_fails) {
    device::ChanNameRecord names{};
    ASSERT_GE(zelDispHisiNewMenuChanNameGet(recorder.handle(), &names), 0);
    const device::ChanNameRecord fetched = names;
    std::strcpy(names.names[0], "Gate");
    Open([&](Operator& op) {
        ASSERT_GE(zelDispHisiNewMenuChanNameSet(recorder.handle(), &names), 0);
        zsimFail(recorder.handle(), "zelDispHisiNewMenuVideoOutGet", 1, -1);
        op.Click(IDC_REFRESH);
        ExpectMessage(op, u"Failed");
        EXPECT_EQ(CallCount("zelDispHisiNewMenuChanNameGet"), 1) << "no names read after it";
        zsimFail(recorder.handle(), "zelDispHisiNewMenuChanNameGet", 1, 0x5A);
        op.Click(IDC_REFRESH);
        EXPECT_FALSE(op.OpenMessageBox().has_value());
        EXPECT_EQ(Differences(records::ConfigCache.chanName, fetched), "") << "as cached before";
        op.Click(IDC_REFRESH);
        op.Click(IDC_SETTING);
        EXPECT_EQ(op.Text(IDC_CHANNAME_EDIT1), u"Gate");
        op.Click(IDC_CHANNAME_CANCEL);
    });
    EXPECT_EQ(CallCount("zelDispHisiNewMenuChanNameGet"), 3)
        << "at entry and on each Refresh whose own record was read";
}

class ChannelNames : public ScenarioTest {
  protected:
    // Names with leftovers after their terminators, and the fourth without a terminator.
    void SetUp() override {
        ScenarioTest::SetUp();
        stored.head = 0x77;
        for (int c = 0; c < device::kMaxChannels; ++c) {
            std::memset(stored.names[c], 0xEE, sizeof stored.names[c]);
            const std::string name = "Name " + std::to_string(c + 1);
            std::memcpy(stored.names[c], name.c_str(), name.size() + 1);
        }
        std::memcpy(stored.names[3], "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345", 32);
        ASSERT_EQ(zsimSetRecord(recorder.handle(), "ChanName", &stored, sizeof stored), 0);
    }
    std::vector<device::ChanNameRecord> SentNames() const {
        return Decoded<device::ChanNameRecord>(Calls("zelDispHisiNewMenuChanNameSet"));
    }
    static void Open(Operator& op) {
        op.SelectTreeItem(u"Display");
        op.Click(IDC_SETTING);
    }

    device::ChanNameRecord stored{};
};

TEST_F(ChannelNames, test_recorders_channels_are_edited_and_the_rest_sent_back) {
    RunSession([](Operator& op) {
        Open(op);
        for (int c = 0; c < device::kMaxChannels; ++c) {
            EXPECT_EQ(op.IsVisible(IDC_CHANNAME_LABEL1 + c), c < 8) << "channel " << c + 1;
            EXPECT_EQ(op.IsVisible(IDC_CHANNAME_EDIT1 + c), c < 8) << "channel " << c + 1;
        }
        EXPECT_EQ(op.Text(IDC_CHANNAME_LABEL8), u"View8");
        EXPECT_EQ(op.Text(IDC_CHANNAME_EDIT4), u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123")
            << "the unterminated name within its field, cut to 30 bytes";
        EXPECT_EQ(op.Text(IDC_CHANNAME_EDIT5), u"Name 5");
        op.Type(IDC_CHANNAME_EDIT2, u"Gate");
        SaveAndSucceed(op);
        EXPECT_EQ(op.Text(IDC_CHANNAME_EDIT2), u"Gate") << "the dialog stays open";
        op.Click(IDC_CHANNAME_CANCEL);
        EXPECT_EQ(op.Text(IDC_VIDEOOUT_TRANSPARENCY), u"200") << "closed: the page is at hand";
    });
    const auto sent = SentNames();
    ASSERT_EQ(sent.size(), 1u);
    device::ChanNameRecord expected = stored;
    std::memcpy(expected.names[1], "Gate", 5);
    expected.names[3][30] = '\0';
    EXPECT_EQ(Differences(sent[0], expected), "")
        << "header, names 9 to 16 and the bytes after each terminator as received";
    EXPECT_EQ(Differences(records::ConfigCache.chanName, expected), "");
}

TEST_F(ChannelNames, test_names_are_cut_at_whole_characters) {
    RunSession([](Operator& op) {
        Open(op);
        op.Type(IDC_CHANNAME_EDIT1, std::u16string(40, u'a'));
        EXPECT_EQ(op.Text(IDC_CHANNAME_EDIT1), std::u16string(30, u'a'));
        op.Type(IDC_CHANNAME_EDIT2, std::u16string(11, u'通'));
        EXPECT_EQ(op.Text(IDC_CHANNAME_EDIT2), std::u16string(10, u'通'));
        op.Type(IDC_CHANNAME_EDIT3, u"\b");
        SaveAndSucceed(op);
    });
    const auto sent = SentNames();
    ASSERT_EQ(sent.size(), 1u);
    const auto field = [&sent](int c, std::size_t size) {
        return std::string(sent[0].names[c], size);
    };
    EXPECT_EQ(field(0, 32), std::string(30, 'a') + '\0' + '\xEE');
    std::string tenChinese;
    for (int i = 0; i < 10; ++i)
        tenChinese += "\xE9\x80\x9A";
    EXPECT_EQ(field(1, 31), tenChinese + '\0');
    EXPECT_EQ(field(2, 7), std::string("\0ame 3\0", 7)) << "an empty name, the rest as it was";
}

TEST_F(ChannelNames, test_default_names_are_sent_by_save_and_a_failing_set_keeps_edits_and_cache) {
    RunSession([this](Operator& op) {
        Open(op);
        op.Click(IDC_DEFAULT);
        EXPECT_EQ(op.Text(IDC_CHANNAME_EDIT1), u"CAM 1");
        EXPECT_EQ(op.Text(IDC_CHANNAME_EDIT8), u"CAM 8");
        EXPECT_TRUE(SentNames().empty()) << "nothing reaches the recorder before Save";
        zsimFail(recorder.handle(), "zelDispHisiNewMenuChanNameSet", 1, -1);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Failed");
        EXPECT_EQ(op.Text(IDC_CHANNAME_EDIT8), u"CAM 8") << "the edits stay for another Save";
        EXPECT_EQ(Differences(records::ConfigCache.chanName, stored), "") << "as fetched";
        SaveAndSucceed(op);
    });
    const auto sent = SentNames();
    ASSERT_EQ(sent.size(), 2u);
    device::ChanNameRecord expected = stored;
    for (int c = 0; c < 8; ++c) {
        const std::string name = "CAM " + std::to_string(c + 1);
        std::memcpy(expected.names[c], name.c_str(), name.size() + 1);
    }
    EXPECT_EQ(Differences(sent[1], expected), "") << "the recorder's channels, the rest as read";
    EXPECT_EQ(Differences(records::ConfigCache.chanName, expected), "");
}

}  // namespace
