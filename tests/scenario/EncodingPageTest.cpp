// The Encode page as the recorder and the operator see it: reference ranges and offered
// bitrates, per-channel edits collected into one Set, Copy/Paste/Default of one channel, and
// records whose values no list can show.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/Session.h"
#include "device/RecordingRecords.h"
#include "device/ZelDisp.h"
#include "res/resource.h"
#include "tests/support/ScenarioTest.h"

namespace {

using device::CodeChannel;
using device::CodeRecord;
using testsupport::ExpectMessage;
using testsupport::Operator;
using testsupport::ScenarioTest;

enum Resolution : std::uint8_t { kCif = 0, kHd1 = 1, kD1 = 2, kQcif = 3 };

std::string Narrow(const std::u16string& text) {
    std::string out;
    for (char16_t c : text)
        out.push_back(c < 0x80 ? char(c) : '?');
    return out;
}

std::vector<std::string> Narrow(const std::vector<std::u16string>& texts) {
    std::vector<std::string> out;
    for (const auto& text : texts)
        out.push_back(Narrow(text));
    return out;
}

// "Customized" followed by the bitrates.
std::vector<std::string> BitrateEntries(const std::vector<int>& bitrates) {
    std::vector<std::string> entries = {"Customized"};
    for (int bitrate : bitrates)
        entries.push_back(std::to_string(bitrate));
    return entries;
}

CodeRecord AsCode(const std::vector<std::uint8_t>& bytes) {
    CodeRecord code{};
    EXPECT_EQ(bytes.size(), sizeof code);
    std::memcpy(&code, bytes.data(), std::min(bytes.size(), sizeof code));
    return code;
}

// The offsets at which two records or blocks differ, with both bytes; empty when equal.
template <typename T>
std::string Differences(const T& a, const T& b) {
    const auto* x = reinterpret_cast<const std::uint8_t*>(&a);
    const auto* y = reinterpret_cast<const std::uint8_t*>(&b);
    std::string out;
    for (std::size_t i = 0; i < sizeof a; ++i) {
        if (x[i] == y[i])
            continue;
        out += ' ';
        out += std::to_string(i);
        out += ':';
        out += std::to_string(x[i]);
        out += '/';
        out += std::to_string(y[i]);
    }
    return out;
}

// The bitrate selected in a list, as a number.
int ShownBitrate(Operator& op, int list) {
    const int selected = op.Selection(list);
    const auto entries = op.Entries(list);
    EXPECT_TRUE(selected > 0 && selected < int(entries.size())) << "no listed bitrate selected";
    return selected > 0 && selected < int(entries.size()) ? std::stoi(Narrow(entries[selected]))
                                                          : -1;
}

void SetMain(CodeChannel& block, Resolution resolution, int framesPerSecond, int bitrate) {
    block.main.resolution = resolution;
    block.main.frameRateTimes10 = std::int16_t(framesPerSecond * 10);
    block.main.bitrate = std::int16_t(bitrate);
}

class EncodingPage : public ScenarioTest {
  protected:
    void SetUp() override {
        ScenarioTest::SetUp();
        ASSERT_GE(zelDispHisiNewMenuCodeGet(recorder.handle(), &code), 0);
        // Bytes the page never edits, different on every channel.
        for (int c = 0; c < device::kMaxChannels; ++c) {
            code.channels[c].main.unused = std::uint8_t(0x40 + c);
            code.channels[c].unused[52] = std::uint8_t(0x80 + c);
        }
    }

    // Lets the recorder hold the records as they are now, then opens the Encode page.
    void Open(const std::function<void(Operator&)>& scenario) {
        ASSERT_EQ(zsimSetRecord(recorder.handle(), "Code", &code, sizeof code), 0);
        device::NormalRecord normal{};
        ASSERT_GE(zelDispHisiNewMenuNormalGet(recorder.handle(), &normal), 0);
        normal.videoStandard = videoStandard;
        ASSERT_EQ(zsimSetRecord(recorder.handle(), "Normal", &normal, sizeof normal), 0);
        recorder.ClearLog();
        RunSession([&](Operator& op) {
            op.SelectTreeItem(u"Encode");
            scenario(op);
        });
    }

    // The Code records the recorder received.
    std::vector<CodeRecord> Sent() const {
        std::vector<CodeRecord> sent;
        for (const auto& call : Calls("zelDispHisiNewMenuCodeSet"))
            sent.push_back(AsCode(call.bytes));
        return sent;
    }

    CodeRecord code{};  // what the recorder holds when the window opens
    std::uint8_t videoStandard = 0;
};

// ---- Reference ranges and offered bitrates ----------------------------------------------------

struct RangeRow {
    const char* name;
    std::uint8_t videoStandard;
    Resolution resolution;
    int framesPerSecond;
    const char* reference;
    std::vector<int> offered;
};

class ReferenceRanges : public EncodingPage, public testing::WithParamInterface<RangeRow> {};

TEST_P(ReferenceRanges, test_shown_channel_and_picked_setting_offer_the_same_bitrates) {
    const RangeRow& row = GetParam();
    videoStandard = row.videoStandard;
    SetMain(code.channels[1], row.resolution, row.framesPerSecond, 640);
    const std::vector<std::string> expected = BitrateEntries(row.offered);
    Open([&](Operator& op) {
        // The operator picks the setting on CAM 1 ...
        op.Pick(IDC_CODE_MAIN_RESOLUTION, row.resolution);
        op.Pick(IDC_CODE_MAIN_FRAME_RATE, row.framesPerSecond - 1);
        EXPECT_EQ(Narrow(op.Text(IDC_CODE_MAIN_REF)), row.reference);
        EXPECT_EQ(Narrow(op.Entries(IDC_CODE_MAIN_BITRATE)), expected);
        // ... and CAM 2 holds it already.
        op.Pick(IDC_CODE_CHANNEL, 1);
        EXPECT_EQ(op.Selection(IDC_CODE_MAIN_RESOLUTION), int(row.resolution));
        EXPECT_EQ(op.Selection(IDC_CODE_MAIN_FRAME_RATE), row.framesPerSecond - 1);
        EXPECT_EQ(Narrow(op.Text(IDC_CODE_MAIN_REF)), row.reference);
        EXPECT_EQ(Narrow(op.Entries(IDC_CODE_MAIN_BITRATE)), expected);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReferenceRanges,
    testing::Values(RangeRow{"cif_full_pal",
                             0,
                             kCif,
                             25,
                             "192~1024Kb/s",
                             {160, 192, 224, 320, 384, 448, 512, 640, 768, 896, 1024}},
                    RangeRow{"cif_full_ntsc",
                             1,
                             kCif,
                             30,
                             "192~1024Kb/s",
                             {160, 192, 224, 320, 384, 448, 512, 640, 768, 896, 1024}},
                    RangeRow{"hd1_full_pal",
                             0,
                             kHd1,
                             25,
                             "384~2048Kb/s",
                             {320, 384, 448, 512, 640, 768, 896, 1024, 1280, 1536, 1792, 2048}},
                    RangeRow{"d1_full_ntsc",
                             1,
                             kD1,
                             30,
                             "768~4096Kb/s",
                             {640, 768, 896, 1024, 1280, 1536, 1792, 2048}},
                    RangeRow{"qcif_full_pal",
                             0,
                             kQcif,
                             25,
                             "48~256Kb/s",
                             {32, 48, 64, 80, 96, 128, 160, 192, 224, 320}},
                    RangeRow{"cif_12_pal",
                             0,
                             kCif,
                             12,
                             "92~492Kb/s",
                             {80, 96, 128, 160, 192, 224, 320, 384, 448, 512}},
                    RangeRow{"d1_6_ntsc",
                             1,
                             kD1,
                             6,
                             "152~816Kb/s",
                             {128, 160, 192, 224, 320, 384, 448, 512, 640, 768, 896}},
                    RangeRow{"cif_1_pal", 0, kCif, 1, "8~40Kb/s", {32, 48}},
                    RangeRow{"cif_1_ntsc", 1, kCif, 1, "4~32Kb/s", {}},
                    RangeRow{"qcif_1_pal", 0, kQcif, 1, "1~8Kb/s", {}},
                    RangeRow{"qcif_1_ntsc", 1, kQcif, 1, "1~8Kb/s", {}}),
    [](const testing::TestParamInfo<RangeRow>& info) { return std::string(info.param.name); });

TEST_F(EncodingPage, test_extra_stream_lists_and_range_follow_its_own_settings) {
    videoStandard = 1;
    code.channels[0].extra.resolution = kCif;
    code.channels[0].extra.frameRateTimes10 = 300;
    Open([](Operator& op) {
        EXPECT_EQ(Narrow(op.Entries(IDC_CODE_EXTRA_RESOLUTION)),
                  (std::vector<std::string>{"CIF", "QCIF"}));
        EXPECT_EQ(op.Entries(IDC_CODE_EXTRA_FRAME_RATE).size(), 30u) << "NTSC";
        EXPECT_EQ(Narrow(op.Text(IDC_CODE_EXTRA_REF)), "192~1024Kb/s");
        op.Pick(IDC_CODE_EXTRA_RESOLUTION, 1);
        EXPECT_EQ(Narrow(op.Text(IDC_CODE_EXTRA_REF)), "48~256Kb/s");
        op.Pick(IDC_CODE_EXTRA_FRAME_RATE, 0);
        EXPECT_EQ(Narrow(op.Text(IDC_CODE_EXTRA_REF)), "1~8Kb/s");
        EXPECT_EQ(Narrow(op.Text(IDC_CODE_MAIN_REF)), "640~3412Kb/s") << "main: D1 at 25 of 30";
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(int{sent[0].channels[0].extra.resolution}, kQcif) << "the entry's item data";
    EXPECT_EQ(std::int16_t{sent[0].channels[0].extra.frameRateTimes10}, 10);
}

// ---- Keeping the list position ----------------------------------------------------------------

struct KeptPosition {
    const char* name;
    Resolution from;
    int bitrate;
    int selectedBefore;
    Resolution to;
    int selectedAfter;
    const char* shownAfter;
};

class BitratePosition : public EncodingPage, public testing::WithParamInterface<KeptPosition> {};

TEST_P(BitratePosition, test_new_resolution_keeps_position_or_takes_last_entry) {
    const KeptPosition& c = GetParam();
    SetMain(code.channels[0], c.from, 25, c.bitrate);
    Open([&](Operator& op) {
        EXPECT_EQ(op.Selection(IDC_CODE_MAIN_BITRATE), c.selectedBefore);
        op.Pick(IDC_CODE_MAIN_RESOLUTION, c.to);
        EXPECT_EQ(op.Selection(IDC_CODE_MAIN_BITRATE), c.selectedAfter);
        EXPECT_EQ(Narrow(op.Entries(IDC_CODE_MAIN_BITRATE).at(c.selectedAfter)), c.shownAfter);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(int{sent[0].channels[0].main.resolution}, int{c.to});
    EXPECT_EQ(std::to_string(sent[0].channels[0].main.bitrate), c.shownAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Switches, BitratePosition,
    testing::Values(KeptPosition{"d1_1792_to_cif", kD1, 1792, 7, kCif, 7, "512"},
                    KeptPosition{"cif_1024_to_d1", kCif, 1024, 11, kD1, 8, "2048"},
                    KeptPosition{"cif_768_to_d1", kCif, 768, 9, kD1, 8, "2048"}),
    [](const testing::TestParamInfo<KeptPosition>& info) { return std::string(info.param.name); });

// ---- Customized bitrates ----------------------------------------------------------------------

TEST_F(EncodingPage, test_customized_value_survives_picking_a_listed_bitrate) {
    code.channels[0].main.bitrate = 0;
    code.channels[0].main.customBitrate = 700;
    Open([](Operator& op) {
        EXPECT_EQ(op.Selection(IDC_CODE_MAIN_BITRATE), 0);
        EXPECT_TRUE(op.IsVisible(IDC_CODE_MAIN_CUSTOM));
        EXPECT_EQ(Narrow(op.Text(IDC_CODE_MAIN_CUSTOM)), "700");
        op.Pick(IDC_CODE_MAIN_BITRATE, 2);
        EXPECT_FALSE(op.IsVisible(IDC_CODE_MAIN_CUSTOM));
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(std::int16_t{sent[0].channels[0].main.bitrate}, 768) << "D1: 640, 768, ...";
    EXPECT_EQ(std::int16_t{sent[0].channels[0].main.customBitrate}, 700);
}

TEST_F(EncodingPage, test_typed_customized_bitrate_is_limited_and_sent) {
    Open([](Operator& op) {
        EXPECT_FALSE(op.IsVisible(IDC_CODE_EXTRA_CUSTOM));
        op.Pick(IDC_CODE_EXTRA_BITRATE, 0);
        ASSERT_TRUE(op.IsVisible(IDC_CODE_EXTRA_CUSTOM));
        op.Type(IDC_CODE_EXTRA_CUSTOM, u"12345");
        EXPECT_EQ(Narrow(op.Text(IDC_CODE_EXTRA_CUSTOM)), "9999");
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(std::int16_t{sent[0].channels[0].extra.bitrate}, 0);
    EXPECT_EQ(std::int16_t{sent[0].channels[0].extra.customBitrate}, 9999);
}

// ---- Quality and the labels ---------------------------------------------------------------------

TEST_F(EncodingPage, test_quality_shown_only_for_variable_bitrate_streams) {
    code.channels[0].main.bitrateControl = 0;
    code.channels[0].extra.bitrateControl = 0;
    code.channels[0].extra.quality = 4;
    Open([](Operator& op) {
        EXPECT_EQ(op.Text(IDC_CODE_AUDIO_VIDEO_LABEL), u"Audio/Video");
        EXPECT_EQ(Narrow(op.Entries(IDC_CODE_MAIN_BITRATE_TYPE)),
                  (std::vector<std::string>{"CBR", "VBR"}));
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
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(int{sent[0].channels[0].extra.bitrateControl}, 1);
    EXPECT_EQ(int{sent[0].channels[0].extra.quality}, 5);
}

// ---- Channels, Copy, Paste, Default -------------------------------------------------------------

struct ChannelCountCase {
    const char* name;
    std::int32_t count;
    int offered;
};

class ChannelCounts : public EncodingPage, public testing::WithParamInterface<ChannelCountCase> {};

TEST_P(ChannelCounts, test_channel_list_follows_the_record_within_its_blocks) {
    const ChannelCountCase& c = GetParam();
    code.channelCount = c.count;
    Open([&](Operator& op) {
        std::vector<std::string> expected;
        for (int n = 1; n <= c.offered; ++n)
            expected.push_back(std::string("CAM ").append(std::to_string(n)));
        EXPECT_EQ(Narrow(op.Entries(IDC_CODE_CHANNEL)), expected);
        EXPECT_EQ(op.Selection(IDC_CODE_CHANNEL), c.offered > 0 ? 0 : -1);
        if (c.offered > 0)
            op.Pick(IDC_CODE_CHANNEL, c.offered - 1);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    EXPECT_EQ(CallCount("zelDispHisiNewMenuCodeSet"), 0) << "nothing was changed";
}

INSTANTIATE_TEST_SUITE_P(Counts, ChannelCounts,
                         testing::Values(ChannelCountCase{"four", 4, 4},
                                         ChannelCountCase{"sixteen", 16, 16},
                                         ChannelCountCase{"beyond_the_blocks", 1000, 16},
                                         ChannelCountCase{"none", 0, 0},
                                         ChannelCountCase{"negative", -5, 0}),
                         [](const testing::TestParamInfo<ChannelCountCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(EncodingPage, test_without_channels_buttons_change_nothing) {
    code.channelCount = 0;
    Open([](Operator& op) {
        op.Click(IDC_COPY);
        op.Click(IDC_PASTE);
        op.Click(IDC_DEFAULT);
        op.Pick(IDC_CODE_MAIN_RESOLUTION, kD1);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
        op.Click(IDC_REFRESH);
        EXPECT_FALSE(op.OpenMessageBox().has_value());
    });
    EXPECT_EQ(CallCount("zelDispHisiNewMenuCodeSet"), 0);
}

TEST_F(EncodingPage, test_edits_on_two_channels_reach_the_recorder_in_one_set) {
    int bitrate = 0;
    Open([&](Operator& op) {
        op.Pick(IDC_CODE_MAIN_FRAME_RATE, 11);
        bitrate = ShownBitrate(op, IDC_CODE_MAIN_BITRATE);  // the position kept in a new list
        op.Pick(IDC_CODE_CHANNEL, 3);
        op.Click(IDC_CODE_EXTRA_AUDIO);
        op.Pick(IDC_CODE_CHANNEL, 0);
        EXPECT_EQ(op.Selection(IDC_CODE_MAIN_FRAME_RATE), 11) << "the edit was kept";
        op.Pick(IDC_CODE_CHANNEL, 0);
        EXPECT_EQ(op.Selection(IDC_CODE_MAIN_FRAME_RATE), 11) << "picked again, still kept";
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    CodeRecord expected = code;
    expected.channels[0].main.frameRateTimes10 = 120;
    expected.channels[0].main.bitrate = std::int16_t(bitrate);
    expected.channels[3].extra.audio = code.channels[3].extra.audio != 0 ? 0 : 1;
    EXPECT_EQ(Differences(sent[0], expected), "");
    EXPECT_EQ(Differences(app::ConfigCache.code, expected), "");
    EXPECT_EQ(CallCount("zelDispSaveMenu"), 2) << "after the Set and on closing";
}

TEST_F(EncodingPage, test_copy_of_channel_2_pasted_on_channel_5) {
    code.channels[1].main.bitrate = 0;  // customized: the same whatever the resolution
    code.channels[1].main.customBitrate = 700;
    Open([](Operator& op) {
        op.Pick(IDC_CODE_CHANNEL, 1);
        op.Pick(IDC_CODE_MAIN_RESOLUTION, kHd1);
        op.Click(IDC_CODE_MAIN_VIDEO);
        op.Click(IDC_COPY);
        op.Pick(IDC_CODE_MAIN_RESOLUTION, kQcif);  // after the Copy: not in the clipboard
        op.Pick(IDC_CODE_CHANNEL, 4);
        op.Click(IDC_PASTE);
        EXPECT_EQ(op.Selection(IDC_CODE_MAIN_RESOLUTION), int{kHd1});
        EXPECT_EQ(Narrow(op.Text(IDC_CODE_MAIN_REF)), "384~2048Kb/s");
        EXPECT_FALSE(op.OpenMessageBox().has_value());
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    CodeChannel copied = code.channels[1];
    copied.main.resolution = kHd1;
    copied.main.video = code.channels[1].main.video != 0 ? 0 : 1;
    EXPECT_EQ(Differences(sent[0].channels[4], copied), "") << "all 78 bytes, unused ones too";
    CodeChannel second = copied;
    second.main.resolution = kQcif;
    EXPECT_EQ(Differences(sent[0].channels[1], second), "") << "channel 2 keeps its own edits";
    for (int c : {0, 2, 3, 5, 6, 7})
        EXPECT_EQ(Differences(sent[0].channels[c], code.channels[c]), "") << c;
}

TEST_F(EncodingPage, test_default_resets_the_shown_channel_only) {
    code.channels[2].encoding = 0;
    code.channels[2].main.audio = 1;
    Open([](Operator& op) {
        op.Pick(IDC_CODE_CHANNEL, 2);
        op.Click(IDC_DEFAULT);
        EXPECT_FALSE(op.OpenMessageBox().has_value());
        EXPECT_EQ(op.Selection(IDC_CODE_MAIN_RESOLUTION), int{kCif});
        EXPECT_EQ(op.Selection(IDC_CODE_MAIN_FRAME_RATE), 24);
        EXPECT_EQ(Narrow(op.Entries(IDC_CODE_MAIN_BITRATE).at(op.Selection(IDC_CODE_MAIN_BITRATE))),
                  "640");
        EXPECT_EQ(op.Selection(IDC_CODE_EXTRA_RESOLUTION), 1) << "QCIF";
        EXPECT_EQ(Narrow(op.Text(IDC_CODE_EXTRA_REF)), "48~256Kb/s");
        EXPECT_FALSE(op.IsVisible(IDC_CODE_QUALITY_LABEL));
        EXPECT_FALSE(op.IsChecked(IDC_CODE_MAIN_AUDIO));
        EXPECT_TRUE(op.IsChecked(IDC_CODE_MAIN_VIDEO));
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    ASSERT_EQ(Sent().size(), 1u);
    const CodeRecord sent = Sent()[0];
    CodeChannel expected = code.channels[2];
    const auto defaults = [](device::StreamSettings& s, std::uint8_t resolution, int bitrate) {
        s.resolution = resolution;
        s.bitrateControl = 0;
        s.frameRateTimes10 = 250;
        s.bitrate = std::int16_t(bitrate);
        s.customBitrate = std::int16_t(bitrate);
        s.quality = 0;
        s.audio = 0;
        s.video = 1;
    };
    defaults(expected.main, kCif, 640);
    defaults(expected.extra, kQcif, 160);
    EXPECT_EQ(Differences(sent.channels[2], expected), "") << "unused bytes keep their values";
    for (int c = 0; c < device::kMaxChannels; ++c) {
        if (c != 2) {
            EXPECT_EQ(Differences(sent.channels[c], code.channels[c]), "") << c;
        }
    }
}

// ---- Failures and Refresh
// -------------------------------------------------------------------------

TEST_F(EncodingPage, test_refresh_shows_the_recorder_values_on_the_picked_channel) {
    CodeRecord changed = code;
    changed.channelCount = 2;
    SetMain(changed.channels[3], kQcif, 5, 48);
    Open([&](Operator& op) {
        op.Pick(IDC_CODE_CHANNEL, 3);
        op.Pick(IDC_CODE_MAIN_RESOLUTION, kHd1);
        ASSERT_GE(zelDispHisiNewMenuCodeSet(recorder.handle(), &changed), 0);
        op.Click(IDC_REFRESH);
        EXPECT_FALSE(op.OpenMessageBox().has_value()) << "no message on success";
        EXPECT_EQ(op.Entries(IDC_CODE_CHANNEL).size(), 8u) << "the list is not rebuilt";
        EXPECT_EQ(op.Selection(IDC_CODE_MAIN_RESOLUTION), int{kQcif});
        EXPECT_EQ(op.Selection(IDC_CODE_MAIN_FRAME_RATE), 4);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    EXPECT_EQ(CallCount("zelDispHisiNewMenuCodeSet"), 1) << "only the recorder's own change";
    EXPECT_EQ(Differences(app::ConfigCache.code, changed), "");
}

// ---- Records no list can show -------------------------------------------------------------------

TEST_F(EncodingPage, test_every_block_of_ff_bytes_keeps_what_the_lists_cannot_show) {
    code.channelCount = 16;
    std::memset(code.channels, 0xFF, sizeof code.channels);
    Open([](Operator& op) {
        EXPECT_EQ(op.Selection(IDC_CODE_MAIN_RESOLUTION), -1);
        EXPECT_EQ(op.Selection(IDC_CODE_MAIN_FRAME_RATE), -1);
        EXPECT_EQ(op.Selection(IDC_CODE_MAIN_BITRATE), -1);
        EXPECT_EQ(Narrow(op.Text(IDC_CODE_MAIN_REF)), "1~1Kb/s");
        for (int c = 1; c < 16; ++c)
            op.Pick(IDC_CODE_CHANNEL, c);
        // A pick with the frame rate unknown keeps using the block's.
        op.Pick(IDC_CODE_MAIN_RESOLUTION, kD1);
        EXPECT_EQ(Narrow(op.Text(IDC_CODE_MAIN_REF)), "1~1Kb/s");
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    for (int c = 0; c < 16; ++c) {
        const CodeChannel& block = sent[0].channels[c];
        EXPECT_EQ(int{block.main.resolution}, c == 15 ? int{kD1} : 0xFF) << c;
        EXPECT_EQ(std::int16_t{block.main.frameRateTimes10}, -1) << c;
        EXPECT_EQ(int{block.main.bitrateControl}, 0xFF) << c;
        EXPECT_EQ(int{block.main.quality}, 0xFF) << c;
        EXPECT_EQ(std::int16_t{block.main.bitrate}, -1) << c;
        EXPECT_EQ(std::int16_t{block.main.customBitrate}, -1) << c;
        EXPECT_EQ(int{block.extra.resolution}, 0xFF) << c;
        EXPECT_EQ(std::int16_t{block.extra.frameRateTimes10}, -1) << c;
        EXPECT_EQ(int{block.main.audio}, 1) << "a check box stores 0 or 1: " << c;
        EXPECT_EQ(int{block.encoding}, 0xFF) << c;
    }
}

TEST_F(EncodingPage, test_extreme_frame_rate_fields_are_shown_and_kept) {
    SetMain(code.channels[0], kD1, 0, 1024);
    code.channels[0].main.frameRateTimes10 = 0x7FFF;
    code.channels[0].extra.frameRateTimes10 = -32768;
    code.channels[1].main.resolution = 7;  // no resolution the list knows
    Open([](Operator& op) {
        EXPECT_EQ(op.Selection(IDC_CODE_MAIN_FRAME_RATE), -1);
        EXPECT_EQ(Narrow(op.Text(IDC_CODE_MAIN_REF)), "100636~536740Kb/s");
        EXPECT_EQ(op.Entries(IDC_CODE_MAIN_BITRATE).size(), 1u) << "only Customized";
        EXPECT_EQ(Narrow(op.Text(IDC_CODE_EXTRA_REF)), "1~1Kb/s");
        op.Pick(IDC_CODE_CHANNEL, 1);
        EXPECT_EQ(op.Selection(IDC_CODE_MAIN_RESOLUTION), -1);
        EXPECT_EQ(Narrow(op.Text(IDC_CODE_MAIN_REF)), "192~1024Kb/s") << "listed as CIF";
        op.Pick(IDC_CODE_CHANNEL, 0);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    EXPECT_EQ(CallCount("zelDispHisiNewMenuCodeSet"), 0) << "nothing the operator changed";
}

}  // namespace
