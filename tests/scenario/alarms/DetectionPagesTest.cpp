// The Detect, Abnormality and Alarm Out pages as the recorder and the operator see them: which
// detection records a Save sends and in what order, one clipboard per event type, the
// defaults, a Refresh that cannot read every record, bytes the controls do not show, and the
// output modes.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "device/AlarmRecords.h"
#include "device/PtzRecords.h"
#include "device/ZelDisp.h"
#include "res/resource.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/ScenarioTest.h"

namespace {

using device::Abnormality;
using device::AlarmLinkage;
using device::AlarmOutRecord;
using device::EventRecord;
using device::PtzPointRecord;
using device::VideoCoverEntry;
using device::VideoCoverRecord;
using device::VideoLostEntry;
using device::VideoLostRecord;
using device::VideoMotionEntry;
using device::VideoMotionRecord;
using testsupport::Differences;
using testsupport::ExpectMessage;
using testsupport::Operator;
using testsupport::ScenarioTest;

// The built-in entry of a detection type on channel c: sensitivity "3" where there is one.
template <typename Entry>
Entry DefaultEntry(int c) {
    Entry entry{};
    if constexpr (requires { entry.sensitivity; })
        entry.sensitivity = 2;
    entry.linkage.recordEnable = 1;
    entry.linkage.recordChannels[c] = 1;
    entry.linkage.tourChannels[c] = 1;
    entry.linkage.alarmOutMask = 1u << c;
    entry.linkage.recordDelaySeconds = 10;
    entry.linkage.latchSeconds = 10;
    return entry;
}

// Tour and PTZ bytes of a linkage that no control of the Abnormality page shows.
void FillHidden(AlarmLinkage& l, int seed) {
    l.tourEnable = 1;
    l.ptzEnable = 1;
    for (int c = 0; c < device::kMaxChannels; ++c) {
        l.tourChannels[c] = std::uint8_t(seed + c);
        l.ptz[c] = {1, std::uint8_t(seed), std::int16_t(seed * 3 + c)};
    }
}

class DetectionPages : public ScenarioTest {
  protected:
    void SetUp() override {
        ScenarioTest::SetUp();
        ASSERT_GE(zelDispHisiNewMenuVideoLostGet(recorder.handle(), &lost), 0);
        ASSERT_GE(zelDispHisiNewMenuVideoCoverGet(recorder.handle(), &cover), 0);
        ASSERT_GE(zelDispHisiNewMenuVideoMotionGet(recorder.handle(), &motion), 0);
        ASSERT_GE(zelDispHisiNewMenuEventGet(recorder.handle(), &event), 0);
        for (int c = 0; c < device::kMaxChannels; ++c) {
            lost.channels[c].reserved[2] = std::uint8_t(0xB0 + c);
            cover.channels[c].reserved[1] = std::uint8_t(0xC0 + c);
            motion.channels[c].area[13] = std::uint8_t(0xD0 + c);
        }
    }

    // Opens a page of a recorder with the records above and the given counts.
    void Open(const char16_t* page, int channels, int outputs,
              const std::function<void(Operator&)>& scenario) {
        ASSERT_EQ(zsimSetCounts(recorder.handle(), channels, 4, outputs), 0);
        ASSERT_EQ(zsimSetRecord(recorder.handle(), "VideoLost", &lost, sizeof lost), 0);
        ASSERT_EQ(zsimSetRecord(recorder.handle(), "VideoCover", &cover, sizeof cover), 0);
        ASSERT_EQ(zsimSetRecord(recorder.handle(), "VideoMotion", &motion, sizeof motion), 0);
        ASSERT_EQ(zsimSetRecord(recorder.handle(), "Event", &event, sizeof event), 0);
        ASSERT_EQ(zsimSetRecord(recorder.handle(), "AlarmOut", &alarmOut, sizeof alarmOut), 0);
        recorder.ClearLog();
        RunSession([&](Operator& op) {
            op.SelectTreeItem(page);
            scenario(op);
        });
    }

    // What the named Set function sent, in order.
    template <typename Record>
    std::vector<Record> Sent(const char* function) const {
        std::vector<Record> sent;
        for (const auto& call : Calls(function)) {
            EXPECT_EQ(call.bytes.size(), sizeof(Record));
            Record r{};
            std::memcpy(&r, call.bytes.data(), std::min(call.bytes.size(), sizeof r));
            sent.push_back(r);
        }
        return sent;
    }

    // The device calls after opening, without the reads.
    std::vector<std::string> Writes() const {
        std::vector<std::string> writes;
        for (const std::string& name : recorder.LoggedFunctions()) {
            if (!name.ends_with("Get"))
                writes.push_back(name);
        }
        return writes;
    }

    VideoLostRecord lost{};
    VideoCoverRecord cover{};
    VideoMotionRecord motion{};
    EventRecord event{};
    AlarmOutRecord alarmOut{};
};

// ---- Detect ------------------------------------------------------------------------------------

TEST_F(DetectionPages, test_motion_and_mask_edits_on_channel_2_send_two_records_saved_once) {
    cover.channels[1].sensitivity = 9;  // no list entry shows it
    PtzPointRecord presets[device::kMaxChannels] = {};
    presets[0].slots[5].used = 1;
    ASSERT_EQ(zsimSetRecord(recorder.handle(), "PTZPoint", presets, sizeof presets), 0);
    zsimFail(recorder.handle(), "zelDispHisiNewMenuVideoMotionSet", 1, -1);
    Open(u"Detect", 8, 2, [](Operator& op) {
        EXPECT_FALSE(op.IsVisible(IDC_DETECT_SELECT));
        EXPECT_FALSE(op.IsVisible(IDC_DETECT_SENSITIVITY));
        op.Pick(IDC_DETECT_EVENT, 2);
        op.Pick(IDC_DETECT_CHANNEL, 1);
        EXPECT_EQ(op.Selection(IDC_DETECT_SENSITIVITY), 3);
        op.Pick(IDC_DETECT_SENSITIVITY, 0);
        op.Click(IDC_SETTING);
        op.Pick(IDC_PTZLINK_ACTION1, 1);
        op.Click(IDC_SAVE);
        op.Pick(IDC_DETECT_EVENT, 1);
        EXPECT_EQ(op.Selection(IDC_DETECT_SENSITIVITY), -1);
        op.Click(IDC_DETECT_USED);
        op.Pick(IDC_DETECT_EVENT, 0);
        EXPECT_FALSE(op.IsVisible(IDC_DETECT_SENSITIVITY_LABEL));
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Failed");
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    EXPECT_EQ(Writes(),
              (std::vector<std::string>{
                  "zelDispHisiNewMenuVideoCoverSet", "zelDispHisiNewMenuVideoMotionSet",
                  "zelDispHisiNewMenuVideoMotionSet", "zelDispSaveMenu", "zelDispSaveMenu"}))
        << "the mask record stays sent after the motion record failed; one save at the end";
    VideoCoverRecord expectedCover = cover;
    expectedCover.channels[1].enable = 1;
    VideoMotionRecord expectedMotion = motion;
    expectedMotion.channels[1].sensitivity = 0;
    expectedMotion.channels[1].linkage.ptz[0] = {1, 0, 0};
    const auto sentCover = Sent<VideoCoverRecord>("zelDispHisiNewMenuVideoCoverSet");
    const auto sentMotion = Sent<VideoMotionRecord>("zelDispHisiNewMenuVideoMotionSet");
    ASSERT_EQ(sentCover.size(), 1u);
    ASSERT_EQ(sentMotion.size(), 2u);
    EXPECT_EQ(Differences(sentCover[0], expectedCover), "");
    EXPECT_EQ(Differences(sentMotion[1], expectedMotion), "") << "PTZ linkage of that entry";
}

TEST_F(DetectionPages, test_each_event_type_pastes_only_what_was_copied_under_it) {
    VideoMotionEntry& second = motion.channels[1];
    for (std::size_t i = 0; i < sizeof second.area; ++i)
        second.area[i] = std::uint8_t(0x30 + i);
    second.sensitivity = 0;
    Open(u"Detect", 8, 2, [](Operator& op) {
        op.Pick(IDC_DETECT_EVENT, 1);
        op.Click(IDC_DETECT_USED);
        op.Pick(IDC_DETECT_SENSITIVITY, 4);
        op.Click(IDC_COPY);
        op.Pick(IDC_DETECT_EVENT, 2);
        op.Pick(IDC_DETECT_CHANNEL, 4);
        op.Click(IDC_PASTE);
        EXPECT_EQ(op.Selection(IDC_DETECT_SENSITIVITY), 3) << "the motion entry as it was";
        op.Pick(IDC_DETECT_CHANNEL, 1);
        op.Click(IDC_COPY);
        op.Pick(IDC_DETECT_CHANNEL, 4);
        op.Click(IDC_PASTE);
        EXPECT_EQ(op.Selection(IDC_DETECT_SENSITIVITY), 0);
        op.Pick(IDC_DETECT_EVENT, 1);
        op.Click(IDC_PASTE);
        EXPECT_EQ(op.Selection(IDC_DETECT_SENSITIVITY), 4);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent<VideoCoverRecord>("zelDispHisiNewMenuVideoCoverSet");
    ASSERT_EQ(sent.size(), 1u);
    VideoCoverRecord expected = cover;
    expected.channels[0].enable = 1;
    expected.channels[0].sensitivity = 4;
    expected.channels[4] = expected.channels[0];
    EXPECT_EQ(Differences(sent[0], expected), "") << "reserved bytes come from channel 1";
    const auto sentMotion = Sent<VideoMotionRecord>("zelDispHisiNewMenuVideoMotionSet");
    ASSERT_EQ(sentMotion.size(), 1u);
    VideoMotionRecord expectedMotion = motion;
    expectedMotion.channels[4] = motion.channels[1];
    EXPECT_EQ(Differences(sentMotion[0], expectedMotion), "") << "the motion area of channel 2";
}

TEST_F(DetectionPages, test_default_under_motion_on_channel_4_then_all_default) {
    motion.channels[3].enable = 1;
    motion.channels[3].linkage.ptz[2] = {1, 0, 1};
    Open(u"Detect", 8, 4, [](Operator& op) {
        op.Pick(IDC_DETECT_EVENT, 2);
        op.Pick(IDC_DETECT_CHANNEL, 3);
        op.Click(IDC_DEFAULT);
        EXPECT_FALSE(op.IsChecked(IDC_DETECT_USED));
        EXPECT_EQ(op.Selection(IDC_DETECT_SENSITIVITY), 2);
        for (int id :
             {IDC_LINKAGE_RECORD, IDC_LINKAGE_RECORD4, IDC_LINKAGE_OUT4, IDC_LINKAGE_TOUR4})
            EXPECT_TRUE(op.IsChecked(id)) << id;
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
        op.Click(IDC_ALL_DEFAULT);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sentLost = Sent<VideoLostRecord>("zelDispHisiNewMenuVideoLostSet");
    const auto sentCover = Sent<VideoCoverRecord>("zelDispHisiNewMenuVideoCoverSet");
    const auto sentMotion = Sent<VideoMotionRecord>("zelDispHisiNewMenuVideoMotionSet");
    ASSERT_EQ(sentLost.size(), 1u);
    ASSERT_EQ(sentCover.size(), 1u);
    ASSERT_EQ(sentMotion.size(), 2u);
    VideoMotionRecord expected = motion;
    expected.channels[3] = DefaultEntry<VideoMotionEntry>(3);
    EXPECT_EQ(Differences(sentMotion[0], expected), "") << "area zeroed, PTZ none";
    // All Default: every type on the recorder's eight channels, the others as fetched.
    for (int c = 0; c < device::kMaxChannels; ++c) {
        SCOPED_TRACE(c);
        const bool defaulted = c < 8;
        EXPECT_EQ(Differences(sentLost[0].channels[c],
                              defaulted ? DefaultEntry<VideoLostEntry>(c) : lost.channels[c]),
                  "");
        EXPECT_EQ(Differences(sentCover[0].channels[c],
                              defaulted ? DefaultEntry<VideoCoverEntry>(c) : cover.channels[c]),
                  "");
        EXPECT_EQ(Differences(sentMotion[1].channels[c],
                              defaulted ? DefaultEntry<VideoMotionEntry>(c) : motion.channels[c]),
                  "");
    }
}

TEST_F(DetectionPages, test_refresh_keeps_the_record_it_could_not_read_with_its_edits) {
    Open(u"Detect", 8, 2, [this](Operator& op) {
        op.Click(IDC_LINKAGE_EMAIL);  // video loss, channel 1
        op.Pick(IDC_DETECT_EVENT, 1);
        op.Click(IDC_LINKAGE_EMAIL);
        zsimFail(recorder.handle(), "zelDispHisiNewMenuVideoCoverGet", 1, 0x5A);
        op.Click(IDC_REFRESH);
        ExpectMessage(op, u"Failed");
        EXPECT_TRUE(op.IsChecked(IDC_LINKAGE_EMAIL)) << "the mask edit stays";
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    EXPECT_TRUE(Calls("zelDispHisiNewMenuVideoLostSet").empty()) << "the loss edit was read over";
    const auto sent = Sent<VideoCoverRecord>("zelDispHisiNewMenuVideoCoverSet");
    ASSERT_EQ(sent.size(), 1u);
    VideoCoverRecord expected = cover;
    expected.channels[0].linkage.emailEnable = 1;
    EXPECT_EQ(Differences(sent[0], expected), "") << "nothing of the scribbled buffer";
}

TEST_F(DetectionPages, test_recorder_without_channels_edits_nothing_and_still_saves) {
    Open(u"Detect", 0, 2, [](Operator& op) {
        EXPECT_TRUE(op.Entries(IDC_DETECT_CHANNEL).empty());
        op.Pick(IDC_DETECT_EVENT, 2);
        EXPECT_TRUE(op.IsVisible(IDC_DETECT_SENSITIVITY));
        op.Click(IDC_DETECT_USED);
        for (int button : {IDC_DEFAULT, IDC_ALL_DEFAULT, IDC_COPY, IDC_PASTE, IDC_SETTING})
            op.Click(button);
        EXPECT_TRUE(op.IsVisible(IDC_DETECT_EVENT)) << "the page, no dialog, takes the input";
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    EXPECT_EQ(Writes(), (std::vector<std::string>{"zelDispSaveMenu", "zelDispSaveMenu"}));
}

// ---- Abnormality -------------------------------------------------------------------------------

TEST_F(DetectionPages, test_abnormality_defaults_hidden_rows_and_tour_and_ptz_as_fetched) {
    for (int e = 0; e < int(Abnormality::Count); ++e) {
        event.events[e].enable = 1;
        FillHidden(event.events[e].linkage, 0x20 + 0x10 * e);
    }
    AlarmLinkage& hddError = event.events[int(Abnormality::HddError)].linkage;
    hddError.recordEnable = 1;  // recording rows hidden for this abnormality
    hddError.recordChannels[2] = 1;
    hddError.recordDelaySeconds = 77;
    Open(u"Abnormality", 8, 2, [](Operator& op) {
        EXPECT_EQ(
            op.Entries(IDC_EXCEPTION_EVENT),
            (std::vector<std::u16string>{u"HDD Full", u"HDD Error", u"IP Conflicted",
                                         u"Disconnection", u"Unauthorized Access",
                                         u"PAL/NTSC Unmatched", u"Video Abnormity", u"No HDD"}));
        EXPECT_FALSE(op.IsVisible(IDC_LINKAGE_DELAY));
        op.Pick(IDC_EXCEPTION_EVENT, 1);
        op.Click(IDC_LINKAGE_BUZZER);
        op.Pick(IDC_EXCEPTION_EVENT, 3);
        for (int id : {IDC_LINKAGE_RECORD, IDC_LINKAGE_RECORD8, IDC_LINKAGE_DELAY})
            EXPECT_TRUE(op.IsVisible(id)) << id;
        EXPECT_FALSE(op.IsVisible(IDC_LINKAGE_RECORD9));
        for (int e : {3, 0, 7}) {
            op.Pick(IDC_EXCEPTION_EVENT, e);
            op.Click(IDC_DEFAULT);
            EXPECT_FALSE(op.IsChecked(IDC_EXCEPTION_USED)) << e;
        }
        EXPECT_FALSE(op.IsVisible(IDC_LINKAGE_RECORD1));
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    EventRecord expected = event;
    expected.events[1].linkage.buzzerEnable = 1;
    for (int e : {0, 3, 7}) {
        expected.events[e] = {};  // tour and PTZ too
        expected.events[e].linkage.recordDelaySeconds = 10;
        expected.events[e].linkage.latchSeconds = 10;
    }
    expected.events[0].linkage.alarmOutMask = 1;  // with its enable off
    expected.events[3].linkage.recordEnable = 1;
    expected.events[3].linkage.recordChannels[3] = 1;
    const auto sent = Sent<EventRecord>("zelDispHisiNewMenuEventSet");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(Differences(sent[0], expected), "");
}

// ---- Alarm Out ---------------------------------------------------------------------------------

TEST_F(DetectionPages, test_alarm_out_with_two_outputs_changes_only_bytes_2_and_4) {
    for (int i = 0; i < int(sizeof alarmOut.bytes); ++i)
        alarmOut.bytes[i] = std::uint8_t(0x40 + i);
    alarmOut.bytes[2] = 0;  // output 1 stopped
    alarmOut.bytes[4] = 7;  // output 2: no mode a button stands for
    Open(u"Alarm Out", 8, 2, [](Operator& op) {
        for (int id : {IDC_ALARMOUT_OUT3_LABEL, IDC_ALARMOUT_STOP3, IDC_ALARMOUT_AUTO4})
            EXPECT_FALSE(op.IsVisible(id)) << id;
        EXPECT_TRUE(op.IsChecked(IDC_ALARMOUT_STOP1));
        for (int id : {IDC_ALARMOUT_STOP2, IDC_ALARMOUT_MANUAL2, IDC_ALARMOUT_AUTO2})
            EXPECT_FALSE(op.IsChecked(id)) << id;
        op.Click(IDC_ALARMOUT_ALL_AUTO);
        EXPECT_TRUE(op.IsChecked(IDC_ALARMOUT_AUTO2));
        op.Click(IDC_REFRESH);
        EXPECT_FALSE(op.IsChecked(IDC_ALARMOUT_AUTO2));
        op.Click(IDC_ALARMOUT_MANUAL1);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
        op.Click(IDC_ALARMOUT_ALL_STOP);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent<AlarmOutRecord>("zelDispHisiNewMenuAlarmOutSet");
    ASSERT_EQ(sent.size(), 2u);
    AlarmOutRecord expected = alarmOut;
    expected.bytes[2] = 1;
    EXPECT_EQ(Differences(sent[0], expected), "") << "an output without a mode keeps its byte";
    expected.bytes[2] = 0;
    expected.bytes[4] = 0;
    EXPECT_EQ(Differences(sent[1], expected), "");
}

}  // namespace
