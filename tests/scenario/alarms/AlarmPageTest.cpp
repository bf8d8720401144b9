// The Alarm page and its PTZ linkage dialog as the recorder and the operator see them: edits of
// several inputs in one Set, bytes the controls do not show, Default and All Default, Copy and
// Paste of a whole input, a recorder without inputs, and the PTZ actions chosen by preset.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/AlarmRecords.h"
#include "device/PtzRecords.h"
#include "res/resource.h"
#include "tests/support/PageTest.h"

namespace {

using device::AlarmInEntry;
using device::AlarmInRecord;
using device::PtzLinkEntry;
using device::PtzPointRecord;
using namespace testsupport;

// The built-in reaction to input `index`, a whole entry.
AlarmInEntry DefaultEntry(int index, std::uint32_t mask) {
    AlarmInEntry entry{};
    entry.linkage.recordEnable = 1;
    entry.linkage.recordChannels[index] = 1;
    entry.linkage.alarmOutMask = mask;
    entry.linkage.tourChannels[index] = 1;
    entry.linkage.recordDelaySeconds = 10;
    entry.linkage.latchSeconds = 10;
    return entry;
}

class AlarmPage : public PageTest<AlarmInRecord> {
  protected:
    AlarmPage()
        : PageTest(u"Alarm", "AlarmIn", zelDispHisiNewMenuAlarmInGet,
                   "zelDispHisiNewMenuAlarmInSet") {}

    void SetUp() override {
        PageTest::SetUp();
        stored.head[3] = 0x5A;
        for (int i = 0; i < device::kMaxAlarmInputs; ++i) {
            for (std::uint8_t& b : stored.inputs[i].reserved)
                b = std::uint8_t(0xA0 + i);
        }
    }

    // Opens the page on a recorder with the given counts (channels, inputs, outputs).
    void Open(int channels, int inputs, int outputs,
              const std::function<void(Operator&)>& scenario) {
        ASSERT_EQ(zsimSetCounts(recorder.handle(), channels, inputs, outputs), 0);
        ASSERT_EQ(zsimSetRecord(recorder.handle(), "PTZPoint", presets, sizeof presets), 0);
        PageTest::Open(scenario);
    }

    void Define(int channel, std::initializer_list<int> slots) {
        for (int slot : slots)
            presets[channel].slots[slot].used = 1;
    }

    PtzPointRecord presets[device::kMaxChannels] = {};  // no preset defined
};

TEST_F(AlarmPage, test_edits_of_two_inputs_go_out_in_one_set_with_what_the_controls_hide) {
    AlarmInEntry& first = stored.inputs[0];
    first.contactType = 7;                 // no list entry shows it
    first.linkage.recordChannels[11] = 1;  // channel 12: the recorder has 8
    first.linkage.tourChannels[9] = 1;
    first.linkage.alarmOutMask = 0x0D;  // outputs 1, 3 and 4: the recorder has 2
    Open(8, 4, 2, [](Operator& op) {
        EXPECT_EQ(op.Entries(IDC_ALARM_INPUT),
                  (std::vector<std::u16string>{u"1", u"2", u"3", u"4"}));
        EXPECT_EQ(op.Selection(IDC_ALARM_TYPE), -1);
        EXPECT_FALSE(op.IsVisible(IDC_LINKAGE_OUT3));
        EXPECT_FALSE(op.IsVisible(IDC_LINKAGE_TOUR9));

        op.Click(IDC_LINKAGE_TOUR2);
        op.Type(IDC_LINKAGE_DELAY, u"700");
        EXPECT_EQ(op.Text(IDC_LINKAGE_DELAY), u"600");
        op.Pick(IDC_ALARM_INPUT, 1);
        EXPECT_EQ(op.Selection(IDC_ALARM_TYPE), 1);
        op.Pick(IDC_ALARM_TYPE, 0);
        SaveAndSucceed(op);
    });
    AlarmInRecord expected = stored;
    expected.inputs[0].linkage.tourChannels[1] = 1;
    expected.inputs[0].linkage.recordDelaySeconds = 600;
    expected.inputs[0].linkage.alarmOutMask = 0x01;  // bits of missing outputs are cleared
    expected.inputs[1].contactType = 0;
    ExpectSentOnce(expected);
}

TEST_F(AlarmPage, test_default_and_all_default_give_each_input_its_own_channel_and_output) {
    stored.inputs[2].contactType = 1;
    stored.inputs[2].linkage.ptz[0] = {1, 0, 0};
    stored.inputs[9].linkage.buzzerEnable = 1;
    Open(8, 8, 4, [](Operator& op) {
        op.Pick(IDC_ALARM_INPUT, 2);
        op.Click(IDC_DEFAULT);
        for (int id :
             {IDC_LINKAGE_RECORD, IDC_LINKAGE_RECORD3, IDC_LINKAGE_OUT3, IDC_LINKAGE_TOUR3})
            EXPECT_TRUE(op.IsChecked(id)) << id;
        EXPECT_FALSE(op.IsChecked(IDC_LINKAGE_RECORD1));
        EXPECT_EQ(op.Text(IDC_LINKAGE_LATCH), u"10");
        SaveAndSucceed(op);
        op.Click(IDC_ALL_DEFAULT);
        SaveAndSucceed(op);
        op.Pick(IDC_ALARM_INPUT, 5);
        SaveAndSucceed(op);
        op.Click(IDC_LINKAGE_BUZZER);
        op.Click(IDC_LINKAGE_BUZZER);
        op.Click(IDC_LINKAGE_BUZZER);
        SaveAndSucceed(op);
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 3u) << "looking at input 6 after a Save sends nothing";
    AlarmInRecord expected = stored;
    expected.inputs[2] = DefaultEntry(2, 0x4);
    EXPECT_EQ(Differences(sent[0], expected), "");
    for (int i = 0; i < 8; ++i)
        expected.inputs[i] = DefaultEntry(i, 1u << i);
    EXPECT_EQ(Differences(sent[1], expected), "")
        << "inputs 5 to 8 switch outputs the recorder lacks";
    expected.inputs[5].linkage.alarmOutMask = 0;
    expected.inputs[5].linkage.buzzerEnable ^= 1;
    EXPECT_EQ(Differences(sent[2], expected), "")
        << "an edit stores the controls, which clear them";
}

TEST_F(AlarmPage, test_copy_of_input_2_pastes_into_input_5_byte_for_byte) {
    AlarmInEntry& second = stored.inputs[1];
    second.contactType = 1;
    second.reserved[0] = 0x3C;
    second.linkage.recordChannels[1] = 1;
    second.linkage.alarmOutMask = 0x2;
    second.linkage.ptz[6] = {1, 0x11, 4};  // channel 7 goes to a preset no list shows
    Open(8, 8, 4, [](Operator& op) {
        op.Pick(IDC_ALARM_INPUT, 4);
        op.Click(IDC_PASTE);
        SaveAndSucceed(op);  // nothing copied yet: nothing to send

        op.Pick(IDC_ALARM_INPUT, 1);
        op.Click(IDC_COPY);
        op.Pick(IDC_ALARM_INPUT, 4);
        op.Click(IDC_PASTE);
        EXPECT_EQ(op.Selection(IDC_ALARM_TYPE), 1) << "normal close";
        SaveAndSucceed(op);
    });
    AlarmInRecord expected = stored;
    expected.inputs[4] = stored.inputs[1];
    ExpectSentOnce(expected, "contact type, reserved bytes and linkage of input 2");
}

TEST_F(AlarmPage, test_recorder_without_inputs_edits_nothing_and_opens_nothing) {
    Open(8, 0, 2, [](Operator& op) {
        EXPECT_TRUE(op.Entries(IDC_ALARM_INPUT).empty());
        op.Click(IDC_LINKAGE_BUZZER);
        for (int button : {IDC_DEFAULT, IDC_ALL_DEFAULT, IDC_COPY, IDC_PASTE, IDC_SETTING})
            op.Click(button);
        EXPECT_TRUE(op.IsVisible(IDC_ALARM_INPUT)) << "the page, no dialog, takes the input";
        SaveAndSucceed(op);
    });
    EXPECT_TRUE(Sent().empty());
}

// The PTZ linkage dialog, opened by Setting on the shown input.
class AlarmPtzLink : public AlarmPage {};

TEST_F(AlarmPtzLink, test_presets_are_offered_by_position_and_only_save_writes_them) {
    Define(0, {3, 7, 9});
    Define(2, {0, 200});
    stored.inputs[0].linkage.ptz[0] = {0, 0x44, 0};
    stored.inputs[0].linkage.ptz[2] = {1, 0, 1};
    Open(8, 4, 2, [](Operator& op) {
        op.Click(IDC_SETTING);
        EXPECT_EQ(op.Text(IDC_PTZLINK_CH1_LABEL), u"CAM 1");
        EXPECT_EQ(op.Entries(IDC_PTZLINK_ACTION1),
                  (std::vector<std::u16string>{u"None", u"Preset"}));
        EXPECT_EQ(op.Entries(IDC_PTZLINK_PRESET1), (std::vector<std::u16string>{u"3", u"7", u"9"}));
        EXPECT_EQ(op.Entries(IDC_PTZLINK_ACTION2), (std::vector<std::u16string>{u"None"}));
        EXPECT_FALSE(op.IsVisible(IDC_PTZLINK_PRESET1));
        EXPECT_TRUE(op.IsVisible(IDC_PTZLINK_PRESET3));
        EXPECT_EQ(op.Selection(IDC_PTZLINK_PRESET3), 1);

        op.Pick(IDC_PTZLINK_ACTION1, 1);
        EXPECT_TRUE(op.IsVisible(IDC_PTZLINK_PRESET1));
        op.Pick(IDC_PTZLINK_PRESET1, 1);  // "7"
        op.Pick(IDC_PTZLINK_ACTION3, 0);
        EXPECT_FALSE(op.IsVisible(IDC_PTZLINK_PRESET3));
        op.Click(IDC_SAVE);

        op.Click(IDC_SETTING);
        EXPECT_EQ(op.Selection(IDC_PTZLINK_PRESET1), 1);
        op.Pick(IDC_PTZLINK_PRESET1, 2);
        op.Click(IDC_PTZLINK_CANCEL);
        SaveAndSucceed(op);
    });
    AlarmInRecord expected = stored;
    expected.inputs[0].linkage.ptz[0] = {1, 0x44, 1};
    expected.inputs[0].linkage.ptz[2] = {0, 0, 1};  // the hidden list's selection still counts
    ExpectSentOnce(expected);
}

TEST_F(AlarmPtzLink, test_confirm_keeps_what_no_list_shows_and_channels_beyond_the_count) {
    Define(0, {3, 7, 9});
    PtzLinkEntry(&ptz)[device::kMaxChannels] = stored.inputs[0].linkage.ptz;
    ptz[0] = {1, 0x11, 9};  // a position beyond the three presets
    ptz[2] = {1, 0x77, 2};  // going to a preset of a channel without any
    for (int c = 4; c < device::kMaxChannels; ++c)
        ptz[c] = {std::uint8_t(0xC0 + c), 0x5A, std::int16_t(0x1234 + c)};
    Open(4, 4, 2, [](Operator& op) {
        op.Click(IDC_SETTING);
        EXPECT_TRUE(op.IsVisible(IDC_PTZLINK_CH4_LABEL));
        EXPECT_TRUE(op.IsVisible(IDC_PTZLINK_ACTION4));
        for (int id : {IDC_PTZLINK_CH5_LABEL, IDC_PTZLINK_ACTION5, IDC_PTZLINK_PRESET5,
                       IDC_PTZLINK_CH16_LABEL, IDC_PTZLINK_ACTION16})
            EXPECT_FALSE(op.IsVisible(id)) << id;
        EXPECT_EQ(op.Selection(IDC_PTZLINK_PRESET1), -1);
        EXPECT_EQ(op.Selection(IDC_PTZLINK_ACTION3), -1);
        op.Pick(IDC_PTZLINK_ACTION1, 0);
        op.Click(IDC_SAVE);
        SaveAndSucceed(op);
    });
    AlarmInRecord expected = stored;
    expected.inputs[0].linkage.ptz[0].action = 0;
    ExpectSentOnce(expected, "stored number and action kept, channels 5 to 16 byte for byte");
}

}  // namespace
