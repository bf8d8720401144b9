// The Encode page as the recorder and the operator see it: reference ranges and offered
// bitrates of the shown channel's settings, per-channel edits collected into one Set, the
// clipboard and Default of one channel, and records whose values no list can show.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "records/SessionState.h"
#include "device/RecordingRecords.h"
#include "res/resource.h"
#include "tests/support/PageTest.h"

namespace {

using device::CodeChannel;
using device::CodeRecord;
using namespace testsupport;

enum Resolution : std::uint8_t { kCif = 0, kHd1 = 1, kD1 = 2, kQcif = 3 };

// The entries of a list, joined by blanks.
std::string Joined(Operator& op, int list) {
    std::string joined;
    for (const std::string& entry : Narrow(op.Entries(list)))
        joined += (joined.empty() ? "" : " ") + entry;
    return joined;
}

std::string Ref(Operator& op, int id) {
    return Narrow(op.Text(id));
}

void SetMain(CodeChannel& block, Resolution resolution, int framesPerSecond, int bitrate) {
    block.main.resolution = resolution;
    block.main.frameRateTimes10 = std::int16_t(framesPerSecond * 10);
    block.main.bitrate = std::int16_t(bitrate);
}

class EncodingPage : public PageTest<CodeRecord> {
  protected:
    EncodingPage()
        : PageTest(u"Encode", "Code", zelDispHisiNewMenuCodeGet, "zelDispHisiNewMenuCodeSet") {}

    void SetUp() override {
        PageTest::SetUp();
        // Bytes the page never edits, different on every channel.
        for (int c = 0; c < device::kMaxChannels; ++c) {
            stored.channels[c].main.unused = std::uint8_t(0x40 + c);
            stored.channels[c].unused[52] = std::uint8_t(0x80 + c);
        }
    }

    // The recorder also reports the video standard of the General page.
    void OpenOn(std::uint8_t videoStandard, const std::function<void(Operator&)>& scenario) {
        device::NormalRecord normal{};
        ASSERT_GE(zelDispHisiNewMenuNormalGet(recorder.handle(), &normal), 0);
        normal.videoStandard = videoStandard;
        ASSERT_EQ(zsimSetRecord(recorder.handle(), "Normal", &normal, sizeof normal), 0);
        Open(scenario);
    }
};

// ---- Reference ranges and offered bitrates (the arithmetic is BitrateRangeTest's) ----------

struct RangeRow {
    const char* name;
    std::uint8_t videoStandard;
    Resolution resolution;
    int framesPerSecond;
    const char* reference;
    const char* entries;
};

class ReferenceRanges : public EncodingPage, public testing::WithParamInterface<RangeRow> {};

TEST_P(ReferenceRanges, test_shown_channel_and_picked_setting_offer_the_same_bitrates) {
    const RangeRow& row = GetParam();
    SetMain(stored.channels[1], row.resolution, row.framesPerSecond, 640);
    OpenOn(row.videoStandard, [&](Operator& op) {
        // The operator picks the setting on CAM 1, and CAM 2 holds it already.
        op.Pick(IDC_CODE_MAIN_RESOLUTION, row.resolution);
        op.Pick(IDC_CODE_MAIN_FRAME_RATE, row.framesPerSecond - 1);
        for (int channel : {0, 1}) {
            op.Pick(IDC_CODE_CHANNEL, channel);
            EXPECT_EQ(op.Selection(IDC_CODE_MAIN_RESOLUTION), int(row.resolution)) << channel;
            EXPECT_EQ(op.Selection(IDC_CODE_MAIN_FRAME_RATE), row.framesPerSecond - 1) << channel;
            EXPECT_EQ(Ref(op, IDC_CODE_MAIN_REF), row.reference) << channel;
            EXPECT_EQ(Joined(op, IDC_CODE_MAIN_BITRATE), row.entries) << channel;
        }
    });
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReferenceRanges,
    testing::Values(RangeRow{"cif_full_pal", 0, kCif, 25, "192~1024Kb/s",
                             "Customized 160 192 224 320 384 448 512 640 768 896 1024"},
                    RangeRow{"d1_full_ntsc", 1, kD1, 30, "768~4096Kb/s",
                             "Customized 640 768 896 1024 1280 1536 1792 2048"},
                    RangeRow{"qcif_1_pal", 0, kQcif, 1, "1~8Kb/s", "Customized"}),
    [](const testing::TestParamInfo<RangeRow>& info) { return std::string(info.param.name); });

TEST_F(EncodingPage, test_extra_stream_lists_and_range_follow_its_own_settings) {
    stored.channels[0].extra.resolution = kCif;
    stored.channels[0].extra.frameRateTimes10 = 300;
    OpenOn(1, [](Operator& op) {
        EXPECT_EQ(Ref(op, IDC_CODE_EXTRA_REF), "192~1024Kb/s");
        op.Pick(IDC_CODE_EXTRA_RESOLUTION, 1);
        EXPECT_EQ(Ref(op, IDC_CODE_EXTRA_REF), "48~256Kb/s");
        op.Pick(IDC_CODE_EXTRA_FRAME_RATE, 0);
        EXPECT_EQ(Ref(op, IDC_CODE_EXTRA_REF), "1~8Kb/s");
        EXPECT_EQ(Ref(op, IDC_CODE_MAIN_REF), "640~3412Kb/s") << "main: D1 at 25 of 30";
        SaveAndSucceed(op);
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(int{sent[0].channels[0].extra.resolution}, kQcif) << "the entry's item data";
    EXPECT_EQ(std::int16_t{sent[0].channels[0].extra.frameRateTimes10}, 10);
}

// ---- The bitrate list's position and customized bitrates -------------------------------------

struct KeptPosition {
    const char* name;
    Resolution from;
    int bitrate;
    int selectedBefore;
    Resolution to;
    int selectedAfter;
    int bitrateAfter;
};

class BitratePosition : public EncodingPage, public testing::WithParamInterface<KeptPosition> {};

TEST_P(BitratePosition, test_new_resolution_keeps_position_or_takes_last_entry) {
    const KeptPosition& c = GetParam();
    SetMain(stored.channels[0], c.from, 25, c.bitrate);
    Open([&](Operator& op) {
        EXPECT_EQ(op.Selection(IDC_CODE_MAIN_BITRATE), c.selectedBefore);
        op.Pick(IDC_CODE_MAIN_RESOLUTION, c.to);
        EXPECT_EQ(op.Selection(IDC_CODE_MAIN_BITRATE), c.selectedAfter);
        SaveAndSucceed(op);
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(int{sent[0].channels[0].main.resolution}, int{c.to});
    EXPECT_EQ(int{sent[0].channels[0].main.bitrate}, c.bitrateAfter);
}

INSTANTIATE_TEST_SUITE_P(Switches, BitratePosition,
                         testing::Values(KeptPosition{"d1_1792_to_cif", kD1, 1792, 7, kCif, 7, 512},
                                         KeptPosition{"cif_768_to_d1", kCif, 768, 9, kD1, 8, 2048}),
                         [](const testing::TestParamInfo<KeptPosition>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(EncodingPage, test_customized_value_survives_a_listed_bitrate_and_a_typed_one_is_limited) {
    stored.channels[0].main.bitrate = 0;
    stored.channels[0].main.customBitrate = 700;
    Open([](Operator& op) {
        EXPECT_EQ(op.Selection(IDC_CODE_MAIN_BITRATE), 0);
        EXPECT_EQ(Narrow(op.Text(IDC_CODE_MAIN_CUSTOM)), "700");
        op.Pick(IDC_CODE_MAIN_BITRATE, 2);
        EXPECT_FALSE(op.IsVisible(IDC_CODE_MAIN_CUSTOM));

        EXPECT_FALSE(op.IsVisible(IDC_CODE_EXTRA_CUSTOM));
        op.Pick(IDC_CODE_EXTRA_BITRATE, 0);
        op.Type(IDC_CODE_EXTRA_CUSTOM, u"12345");
        EXPECT_EQ(Narrow(op.Text(IDC_CODE_EXTRA_CUSTOM)), "9999");
        SaveAndSucceed(op);
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    const CodeChannel& block = sent[0].channels[0];
    EXPECT_EQ(std::int16_t{block.main.bitrate}, 768) << "D1: 640, 768, ...";
    EXPECT_EQ(std::int16_t{block.main.customBitrate}, 700);
    EXPECT_EQ(std::int16_t{block.extra.bitrate}, 0);
    EXPECT_EQ(std::int16_t{block.extra.customBitrate}, 9999);
}

TEST_F(EncodingPage, test_quality_shown_only_for_variable_bitrate_streams) {
    stored.channels[0].main.bitrateControl = 0;
    stored.channels[0].extra.bitrateControl = 0;
    stored.channels[0].extra.quality = 4;
    Open([](Operator& op) {
        const struct {
            int list;
            int index;
            bool label, mainQuality, extraQuality;
        } steps[] = {
            {0, 0, false, false, false},  // as shown
            {IDC_CODE_EXTRA_BITRATE_TYPE, 1, true, false, true},
            {IDC_CODE_MAIN_BITRATE_TYPE, 1, true, true, true},
            {IDC_CODE_EXTRA_BITRATE_TYPE, 0, true, true, false},
            {IDC_CODE_MAIN_BITRATE_TYPE, 0, false, false, false},
        };
        for (const auto& step : steps) {
            if (step.list)
                op.Pick(step.list, step.index);
            EXPECT_EQ(op.IsVisible(IDC_CODE_QUALITY_LABEL), step.label) << step.list;
            EXPECT_EQ(op.IsVisible(IDC_CODE_MAIN_QUALITY), step.mainQuality) << step.list;
            EXPECT_EQ(op.IsVisible(IDC_CODE_EXTRA_QUALITY), step.extraQuality) << step.list;
        }
        op.Pick(IDC_CODE_EXTRA_BITRATE_TYPE, 1);
        EXPECT_EQ(op.Selection(IDC_CODE_EXTRA_QUALITY), 4);
        op.Pick(IDC_CODE_EXTRA_QUALITY, 5);
        SaveAndSucceed(op);
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(int{sent[0].channels[0].extra.bitrateControl}, 1);
    EXPECT_EQ(int{sent[0].channels[0].extra.quality}, 5);
}

// ---- Channels ----------------------------------------------------------------------------------

struct ChannelCountCase {
    const char* name;
    std::int32_t count;
    int offered;
};

class ChannelCounts : public EncodingPage, public testing::WithParamInterface<ChannelCountCase> {};

TEST_P(ChannelCounts, test_channel_list_follows_the_record_within_its_blocks) {
    const ChannelCountCase& c = GetParam();
    stored.channelCount = c.count;
    Open([&](Operator& op) {
        EXPECT_EQ(op.Entries(IDC_CODE_CHANNEL).size(), std::size_t(c.offered));
        EXPECT_EQ(op.Selection(IDC_CODE_CHANNEL), c.offered > 0 ? 0 : -1);
        if (c.offered > 0) {
            op.Pick(IDC_CODE_CHANNEL, c.offered - 1);
            EXPECT_EQ(op.Text(IDC_CODE_CHANNEL), u"CAM 16");
        } else {
            // Without a channel the buttons and lists have nothing to act on.
            for (int button : {IDC_COPY, IDC_PASTE, IDC_DEFAULT})
                op.Click(button);
            op.Pick(IDC_CODE_MAIN_RESOLUTION, kD1);
        }
        SaveAndSucceed(op);
    });
    EXPECT_EQ(CallCount("zelDispHisiNewMenuCodeSet"), 0) << "nothing was changed";
}

INSTANTIATE_TEST_SUITE_P(Counts, ChannelCounts,
                         testing::Values(ChannelCountCase{"beyond_the_blocks", 1000, 16},
                                         ChannelCountCase{"none", 0, 0},
                                         ChannelCountCase{"negative", -5, 0}),
                         [](const testing::TestParamInfo<ChannelCountCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(EncodingPage, test_edits_on_two_channels_reach_the_recorder_in_one_set) {
    int bitrate = 0;
    Open([&](Operator& op) {
        op.Pick(IDC_CODE_MAIN_FRAME_RATE, 11);
        // The position is kept in the new list.
        bitrate = std::stoi(Narrow(op.Text(IDC_CODE_MAIN_BITRATE)));
        op.Pick(IDC_CODE_CHANNEL, 3);
        op.Click(IDC_CODE_EXTRA_AUDIO);
        op.Pick(IDC_CODE_CHANNEL, 0);
        op.Pick(IDC_CODE_CHANNEL, 0);
        EXPECT_EQ(op.Selection(IDC_CODE_MAIN_FRAME_RATE), 11) << "kept, also when picked again";
        SaveAndSucceed(op);
    });
    CodeRecord expected = stored;
    expected.channels[0].main.frameRateTimes10 = 120;
    expected.channels[0].main.bitrate = std::int16_t(bitrate);
    expected.channels[3].extra.audio = stored.channels[3].extra.audio != 0 ? 0 : 1;
    ExpectSentOnce(expected);
}

TEST_F(EncodingPage, test_copy_takes_the_channel_as_it_is_when_copied) {
    stored.channels[1].main.bitrate = 0;  // customized: the same whatever the resolution
    Open([](Operator& op) {
        op.Pick(IDC_CODE_CHANNEL, 1);
        op.Pick(IDC_CODE_MAIN_RESOLUTION, kHd1);
        op.Click(IDC_COPY);
        op.Pick(IDC_CODE_MAIN_RESOLUTION, kQcif);  // after the Copy: not in the clipboard
        op.Pick(IDC_CODE_CHANNEL, 4);
        op.Click(IDC_PASTE);
        EXPECT_EQ(Ref(op, IDC_CODE_MAIN_REF), "384~2048Kb/s");
        SaveAndSucceed(op);
    });
    CodeRecord expected = stored;
    expected.channels[4] = stored.channels[1];
    expected.channels[4].main.resolution = kHd1;
    expected.channels[1].main.resolution = kQcif;
    ExpectSentOnce(expected, "all 78 bytes pasted, the rest kept");
}

TEST_F(EncodingPage, test_default_resets_the_shown_channel_only) {
    stored.channels[2].encoding = 0;
    stored.channels[2].main.audio = 1;
    Open([](Operator& op) {
        op.Pick(IDC_CODE_CHANNEL, 2);
        op.Click(IDC_DEFAULT);
        EXPECT_EQ(Narrow(op.Text(IDC_CODE_MAIN_BITRATE)), "640");
        EXPECT_EQ(Ref(op, IDC_CODE_EXTRA_REF), "48~256Kb/s");
        EXPECT_FALSE(op.IsVisible(IDC_CODE_QUALITY_LABEL));
        SaveAndSucceed(op);
    });
    CodeRecord expected = stored;
    const auto defaults = [](device::StreamSettings& s, std::uint8_t resolution, int bitrate) {
        s = {resolution, 0, s.unused, 250, std::int16_t(bitrate), std::int16_t(bitrate), 0, 0, 1};
    };
    defaults(expected.channels[2].main, kCif, 640);
    defaults(expected.channels[2].extra, kQcif, 160);
    ExpectSentOnce(expected, "unused bytes and other channels kept");
}

TEST_F(EncodingPage, test_refresh_shows_the_recorder_values_on_the_picked_channel) {
    CodeRecord changed = stored;
    changed.channelCount = 2;
    SetMain(changed.channels[3], kQcif, 5, 48);
    Open([&](Operator& op) {
        op.Pick(IDC_CODE_CHANNEL, 3);
        op.Pick(IDC_CODE_MAIN_RESOLUTION, kHd1);
        ASSERT_GE(zelDispHisiNewMenuCodeSet(recorder.handle(), &changed), 0);
        op.Click(IDC_REFRESH);
        EXPECT_EQ(op.Entries(IDC_CODE_CHANNEL).size(), 8u) << "the list is not rebuilt";
        EXPECT_EQ(op.Selection(IDC_CODE_MAIN_RESOLUTION), int{kQcif});
        EXPECT_EQ(op.Selection(IDC_CODE_MAIN_FRAME_RATE), 4);
        SaveAndSucceed(op);
    });
    EXPECT_EQ(CallCount("zelDispHisiNewMenuCodeSet"), 1) << "only the recorder's own change";
    EXPECT_EQ(Differences(records::ConfigCache.code, changed), "");
}

// ---- Records no list can show ----------------------------------------------------------------

TEST_F(EncodingPage, test_every_block_of_ff_bytes_keeps_what_the_lists_cannot_show) {
    stored.channelCount = 16;
    std::memset(stored.channels, 0xFF, sizeof stored.channels);
    Open([](Operator& op) {
        for (int list : {IDC_CODE_MAIN_RESOLUTION, IDC_CODE_MAIN_FRAME_RATE, IDC_CODE_MAIN_BITRATE})
            EXPECT_EQ(op.Selection(list), -1) << list;
        EXPECT_EQ(Ref(op, IDC_CODE_MAIN_REF), "1~1Kb/s");
        for (int c = 1; c < 16; ++c)
            op.Pick(IDC_CODE_CHANNEL, c);
        // A pick with the frame rate unknown keeps using the block's.
        op.Pick(IDC_CODE_MAIN_RESOLUTION, kD1);
        EXPECT_EQ(Ref(op, IDC_CODE_MAIN_REF), "1~1Kb/s");
        SaveAndSucceed(op);
    });
    CodeRecord expected = stored;  // the blocks only looked at keep every byte
    CodeChannel& edited = expected.channels[15];
    edited.main.audio = edited.main.video = 1;  // a check box stores 0 or 1
    edited.extra.audio = edited.extra.video = 1;
    edited.main.resolution = kD1;
    ExpectSentOnce(expected);
}

}  // namespace
