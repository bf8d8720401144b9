// The Pan/Tilt/Zoom page and its preset and tour dialogs as the recorder and the operator see
// them: the recorder's protocol list, edits of several channels or patrols in one Set,
// Default, values no list can show, Refresh with every channel's presets and tours, and the
// preset list's working copy sent for its channel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "records/SessionState.h"
#include "device/PtzRecords.h"
#include "res/resource.h"
#include "tests/support/PageTest.h"
#include "ui/Styles.h"

namespace {

using device::PtzChannel;
using device::PtzCruiseRecord;
using device::PtzPointRecord;
using device::PtzRecord;
using namespace testsupport;

using Texts = std::vector<std::u16string>;
using Rows = std::vector<Texts>;

void Define(PtzPointRecord& points, int number, std::string_view name) {
    device::PresetSlot& slot = points.slots[number];
    slot.used = 1;
    std::memset(slot.name, 0, sizeof slot.name);
    std::memcpy(slot.name, name.data(), std::min(name.size(), sizeof slot.name));
}

constexpr int kCameraRows[] = {IDC_PTZ_PRESET_LABEL, IDC_PTZ_PRESET, IDC_PTZ_TOUR_LABEL,
                               IDC_PTZ_TOUR};

class PtzPage : public PageTest<PtzRecord> {
  protected:
    PtzPage()
        : PageTest(u"Pan/Tilt/Zoom", "PTZ", zelDispHisiNewMenuPTZGet, "zelDispHisiNewMenuPTZSet") {}

    void SetUp() override {
        PageTest::SetUp();
        for (int c = 0; c < device::kMaxChannels; ++c) {
            // Bytes the page never edits, different in every entry.
            stored.channels[c].reserved1 = std::uint8_t(0x40 + c);
            stored.channels[c].reserved2[1] = std::uint8_t(0x80 + c);
            stored.channels[c].protocol = 12;
            ASSERT_GE(zelDispHisiNewMenuPTZPointGet(recorder.handle(), c, &points[c]), 0);
            ASSERT_GE(zelDispHisiNewMenuPTZCruiseGet(recorder.handle(), c, &cruises[c]), 0);
        }
        stored.head[1] = 0x5C;
        ASSERT_EQ(zsimSetProtocolList(recorder.handle(), "Alpha=3|Beta=12|Gamma=7|Delta=x|"), 0);
    }

    // Lets the recorder hold the records as they are now, then opens the page on a channel.
    void Open(int channel, const std::function<void(Operator&)>& scenario) {
        ASSERT_EQ(zsimSetRecord(recorder.handle(), "PTZPoint", points, sizeof points), 0);
        ASSERT_EQ(zsimSetRecord(recorder.handle(), "PTZCruise", cruises, sizeof cruises), 0);
        PageTest::Open([&](Operator& op) {
            op.Pick(IDC_PTZ_CHANNEL, channel);
            scenario(op);
        });
    }

    // The records a dialog's Set sent, all for the channel.
    template <typename Record>
    std::vector<Record> SentFor(int channel, const char* function) const {
        const auto calls = Calls(function);
        for (const auto& call : calls)
            EXPECT_EQ(call.argument, channel) << "the channel's index";
        return Decoded<Record>(calls);
    }

    PtzPointRecord points[device::kMaxChannels] = {};
    PtzCruiseRecord cruises[device::kMaxChannels] = {};
};

// ---- The page ---------------------------------------------------------------------------------

TEST_F(PtzPage, test_edits_on_two_channels_reach_the_recorder_in_one_set) {
    Open(0, [](Operator& op) {
        // The recorder's protocols; its code 12 is Beta.
        EXPECT_EQ(op.Entries(IDC_PTZ_PROTOCOL), (Texts{u"None", u"Alpha", u"Beta", u"Gamma"}));
        EXPECT_EQ(op.Selection(IDC_PTZ_PROTOCOL), 2);
        op.Pick(IDC_PTZ_PROTOCOL, 3);  // Gamma
        op.Type(IDC_PTZ_ADDRESS, u"300");
        EXPECT_EQ(op.Text(IDC_PTZ_ADDRESS), u"255");
        op.Pick(IDC_PTZ_BAUD, 8);
        op.Pick(IDC_PTZ_CHANNEL, 1);
        op.Type(IDC_PTZ_SPEED, u"90");
        EXPECT_EQ(op.Text(IDC_PTZ_SPEED), u"89");
        op.Pick(IDC_PTZ_DATA_BITS, 2);
        op.Pick(IDC_PTZ_STOP_BITS, 1);
        op.Pick(IDC_PTZ_PARITY, 4);
        SaveAndSucceed(op);
    });
    PtzRecord expected = stored;
    expected.channels[0].protocol = 7;
    expected.channels[0].address = 255;
    expected.channels[0].baudRate = 115200;
    expected.channels[1].speed = 89;
    expected.channels[1].dataBits = 7;
    expected.channels[1].stopBits = 2;
    expected.channels[1].parity = 4;
    ExpectSentOnce(expected, "header, reserved bytes, others kept");
}

TEST_F(PtzPage, test_default_and_all_default_within_the_recorder_channels) {
    zsimSetCounts(recorder.handle(), 4, 4, 2);
    Open(2, [](Operator& op) {
        op.Pick(IDC_PTZ_PROTOCOL, 0);
        for (int id : kCameraRows)
            EXPECT_FALSE(op.IsVisible(id)) << "no protocol: " << id;
        op.Pick(IDC_PTZ_PROTOCOL, 1);
        EXPECT_TRUE(op.IsVisible(IDC_PTZ_TOUR));
        op.Type(IDC_PTZ_SPEED, u"60");
        op.Click(IDC_DEFAULT);
        const Texts shown = {op.Text(IDC_PTZ_PROTOCOL),  op.Text(IDC_PTZ_ADDRESS),
                             op.Text(IDC_PTZ_SPEED),     op.Text(IDC_PTZ_BAUD),
                             op.Text(IDC_PTZ_DATA_BITS), op.Text(IDC_PTZ_STOP_BITS),
                             op.Text(IDC_PTZ_PARITY)};
        EXPECT_EQ(shown, (Texts{u"None", u"3", u"5", u"9600", u"8", u"1", u"None"}));
        for (int id : kCameraRows)
            EXPECT_FALSE(op.IsVisible(id)) << "after Default: " << id;
        op.Click(IDC_ALL_DEFAULT);
        SaveAndSucceed(op);
    });
    PtzRecord expected = stored;
    for (int c = 0; c < 4; ++c) {
        PtzChannel& entry = expected.channels[c];
        entry.protocol = entry.parity = 0;
        entry.address = std::int16_t(c + 1);
        entry.speed = 5;
        entry.baudRate = 9600;
        entry.dataBits = 8;
        entry.stopBits = 1;
    }
    ExpectSentOnce(expected, "entries 4 to 15 and the header kept");
}

TEST_F(PtzPage, test_values_no_list_shows_stay_unselected_and_are_kept) {
    zsimFail(recorder.handle(), "zelDispHisiNewMenuPTZProtocolGet", 1, 'A');
    PtzChannel& odd = stored.channels[0];
    odd.baudRate = 600;
    odd.dataBits = 9;
    odd.stopBits = 3;
    odd.parity = 7;
    stored.channels[1].protocol = 0;
    Open(0, [](Operator& op) {
        EXPECT_EQ(op.Entries(IDC_PTZ_PROTOCOL), (Texts{u"None"})) << "the list failed";
        EXPECT_TRUE(op.IsVisible(IDC_PTZ_PRESET)) << "the stored protocol is not 0";
        // Also after another channel's values were shown.
        for (int channel : {0, 1, 0}) {
            op.Pick(IDC_PTZ_CHANNEL, channel);
            for (int list : {IDC_PTZ_PROTOCOL, IDC_PTZ_BAUD, IDC_PTZ_DATA_BITS, IDC_PTZ_STOP_BITS,
                             IDC_PTZ_PARITY})
                EXPECT_EQ(op.Selection(list) >= 0, channel != 0) << list << " on " << channel;
        }
        SaveAndSucceed(op);
        op.Type(IDC_PTZ_ADDRESS, u"9");
        SaveAndSucceed(op);
    });
    PtzRecord expected = stored;
    expected.channels[0].address = 9;
    ExpectSentOnce(expected, "showing and switching alone change nothing");
}

TEST_F(PtzPage, test_refresh_reads_every_channel_presets_and_tours_one_by_one) {
    zsimSetCounts(recorder.handle(), 3, 4, 2);
    PtzPointRecord changedPoints[device::kMaxChannels] = {};
    PtzCruiseRecord changedCruises[device::kMaxChannels] = {};
    for (int c = 0; c < device::kMaxChannels; ++c) {
        changedPoints[c].slots[c + 1].used = 1;
        changedCruises[c].patrols[0].intervalSeconds = std::int16_t(20 + c);
    }
    Open(0, [&](Operator& op) {
        recorder.ClearLog();
        // A failing Refresh reads nothing more.
        zsimFail(recorder.handle(), "zelDispHisiNewMenuPTZGet", 1, -1);
        op.Click(IDC_REFRESH);
        ExpectMessage(op, u"Failed");
        // The recorder's presets and tours change behind the page's back.
        zsimSetRecord(recorder.handle(), "PTZPoint", changedPoints, sizeof changedPoints);
        zsimSetRecord(recorder.handle(), "PTZCruise", changedCruises, sizeof changedCruises);
        zsimFail(recorder.handle(), "zelDispHisiNewMenuPTZPointGet", 1, 0x5A);
        op.Click(IDC_REFRESH);
        EXPECT_FALSE(op.OpenMessageBox().has_value());
    });
    EXPECT_EQ(Differences(records::ConfigCache.ptzPoint[0], points[0]), "") << "its read failed";
    for (int c = 0; c < 3; ++c) {
        EXPECT_TRUE(c == 0 ||
                    Differences(records::ConfigCache.ptzPoint[c], changedPoints[c]).empty())
            << c;
        EXPECT_EQ(Differences(records::ConfigCache.ptzCruise[c], changedCruises[c]), "") << c;
    }
    std::vector<std::string> expected = {"zelDispHisiNewMenuPTZGet", "zelDispHisiNewMenuPTZGet"};
    for (int c = 0; c < 3; ++c) {
        expected.push_back("zelDispHisiNewMenuPTZPointGet");
        expected.push_back("zelDispHisiNewMenuPTZCruiseGet");
    }
    expected.push_back("zelDispSaveMenu");
    EXPECT_EQ(recorder.LoggedFunctions(), expected);
}

// ---- Preset list ------------------------------------------------------------------------------

// Types a preset into the entry dialog and saves it; an empty number leaves the field.
void EnterPreset(Operator& op, std::u16string_view number, std::u16string_view name) {
    if (!number.empty())
        op.Type(IDC_POINT_NUMBER, number);
    op.Type(IDC_POINT_NAME, name);
    op.Click(IDC_SAVE);
}

TEST_F(PtzPage, test_presets_added_renamed_deleted_and_saved_for_the_channel) {
    points[1] = {};
    Define(points[1], 3, "Door");
    Define(points[1], 1, "Hall");
    Open(1, [](Operator& op) {
        op.Click(IDC_PTZ_PRESET);
        EXPECT_EQ(op.Rows(IDC_PREPOINT_LIST), (Rows{{u"1", u"Hall"}, {u"3", u"Door"}}));
        op.Click(IDC_PREPOINT_ADD);
        EXPECT_TRUE(op.IsEnabled(IDC_POINT_NUMBER));
        EXPECT_EQ(op.Text(IDC_POINT_NUMBER), u"");
        EnterPreset(op, u"5", u"Gate A");
        op.Click(IDC_PREPOINT_ADD);
        EnterPreset(op, u"5", u"Gate B");
        op.SelectRow(IDC_PREPOINT_LIST, 0);
        op.Click(IDC_PREPOINT_MODIFY);
        EXPECT_FALSE(op.IsEnabled(IDC_POINT_NUMBER));
        EXPECT_EQ(op.Text(IDC_POINT_NUMBER), u"1");
        EXPECT_EQ(op.Text(IDC_POINT_NAME), u"Hall");
        EnterPreset(op, u"", u"Lobby");
        op.SelectRow(IDC_PREPOINT_LIST, 1);
        op.Click(IDC_PREPOINT_DELETE);
        EXPECT_FALSE(op.OpenMessageBox().has_value()) << "no question";
        EXPECT_EQ(op.Rows(IDC_PREPOINT_LIST), (Rows{{u"1", u"Lobby"}, {u"5", u"Gate B"}}));
        SaveAndSucceed(op);
        op.Click(ui::kIdCancel);
    });
    const auto sent = SentFor<PtzPointRecord>(1, "zelDispHisiNewMenuPTZPointSet");
    ASSERT_EQ(sent.size(), 1u);
    PtzPointRecord expected = points[1];
    Define(expected, 1, "Lobby");
    Define(expected, 5, "Gate B");
    expected.slots[3].used = 0;  // its name stays
    EXPECT_EQ(Differences(sent[0], expected), "");
    EXPECT_EQ(Differences(records::ConfigCache.ptzPoint[1], expected), "");
}

TEST_F(PtzPage, test_preset_edits_cancelled_and_damaged_slots_kept_within_their_fields) {
    points[0] = {};
    Define(points[0], 0, "Zero");  // a slot this system never writes
    std::memset(points[0].slots[2].name, 'N', sizeof points[0].slots[2].name);  // unterminated
    points[0].slots[2].used = 1;
    std::memset(points[0].slots[7].name, 'x', sizeof points[0].slots[7].name);  // a free slot
    Open(0, [](Operator& op) {
        op.Click(IDC_PTZ_PRESET);
        const Rows rows = {{u"0", u"Zero"}, {u"2", std::u16string(32, u'N')}};
        EXPECT_EQ(op.Rows(IDC_PREPOINT_LIST), rows);
        op.SelectRow(IDC_PREPOINT_LIST, 1);
        op.Click(IDC_PREPOINT_DELETE);
        op.Click(ui::kIdCancel);
        ExpectMessage(op, u"Unsaved changes on: Preset. Close without saving them?", ui::kIdYes);

        op.Click(IDC_PTZ_PRESET);
        EXPECT_EQ(op.Rows(IDC_PREPOINT_LIST), rows) << "Cancel dropped the delete";
        // Preset 0 opens the editor as a new one, and a number 0 is never stored.
        op.SelectRow(IDC_PREPOINT_LIST, 0);
        op.Click(IDC_PREPOINT_MODIFY);
        EXPECT_TRUE(op.IsEnabled(IDC_POINT_NUMBER));
        EnterPreset(op, u"0", u"Again");
        EXPECT_EQ(op.Rows(IDC_PREPOINT_LIST), rows);
        // Twenty ASCII characters are cut to fifteen bytes, nine Chinese ones to five.
        op.Click(IDC_PREPOINT_ADD);
        op.Type(IDC_POINT_NAME, u"abcdefghijklmnopqrst");
        EXPECT_EQ(op.Text(IDC_POINT_NAME), u"abcdefghijklmno");
        EnterPreset(op, u"7", u"云台摄像机预置点一");
        op.SelectRow(IDC_PREPOINT_LIST, 0);
        op.Click(IDC_PREPOINT_DELETE);
        SaveAndSucceed(op);
    });
    const auto sent = SentFor<PtzPointRecord>(0, "zelDispHisiNewMenuPTZPointSet");
    ASSERT_EQ(sent.size(), 1u);
    PtzPointRecord expected = points[0];
    expected.slots[0].used = 0;
    Define(expected, 7, "云台摄像机");  // then zeros to the field's end
    EXPECT_EQ(Differences(sent[0], expected), "");
}

TEST_F(PtzPage, test_preset_dialog_without_a_change_or_a_selected_row_does_nothing) {
    points[2] = {};
    Define(points[2], 4, "Yard");
    Open(2, [this](Operator& op) {
        op.Click(IDC_PTZ_PRESET);
        const Rows rows = {{u"4", u"Yard"}};
        for (int button : {IDC_PREPOINT_MODIFY, IDC_PREPOINT_DELETE}) {
            op.Click(button);
            EXPECT_EQ(op.Rows(IDC_PREPOINT_LIST), rows) << "no row selected: " << button;
        }
        SaveAndSucceed(op);
        op.Click(ui::kIdCancel);
        EXPECT_EQ(CallCount("zelDispHisiNewMenuPTZPointSet"), 0);
    });
}

// ---- Tours ------------------------------------------------------------------------------------

TEST_F(PtzPage, test_tour_of_a_channel_without_presets_offers_only_none) {
    points[3] = {};
    cruises[3].patrols[0] = {1, 0, 10, {{1, 4}, {1, 1}}};
    Open(3, [](Operator& op) {
        op.Click(IDC_PTZ_TOUR);
        for (int slot :
             {IDC_CRUISE_SLOT1, IDC_CRUISE_SLOT2, IDC_CRUISE_SLOT3, IDC_CRUISE_SLOT4,
              IDC_CRUISE_SLOT5, IDC_CRUISE_SLOT6, IDC_CRUISE_SLOT7, IDC_CRUISE_SLOT8,
              IDC_CRUISE_SLOT9, IDC_CRUISE_SLOT10, IDC_CRUISE_SLOT11, IDC_CRUISE_SLOT12,
              IDC_CRUISE_SLOT13, IDC_CRUISE_SLOT14, IDC_CRUISE_SLOT15, IDC_CRUISE_SLOT16})
            EXPECT_EQ(op.Entries(slot), (Texts{u"None"})) << "slot " << slot;
        op.Click(ui::kIdCancel);
    });
}

TEST_F(PtzPage, test_tour_edits_on_patrols_3_and_5_reach_the_recorder_in_one_set) {
    points[1] = {};
    for (int k : {1, 2, 3, 10})
        Define(points[1], k, "P");
    cruises[1] = {};
    cruises[1].patrols[0] = {1, 0x77, 10, {{1, 1}, {1, 2}}};
    cruises[1].patrols[2] = {0, 0, 20, {{1, 2}, {1, 1}}};
    cruises[1].patrols[4].intervalSeconds = 5;
    Open(1, [](Operator& op) {
        op.Click(IDC_PTZ_TOUR);
        EXPECT_TRUE(op.IsChecked(IDC_CRUISE_USED));
        EXPECT_EQ(op.Text(IDC_CRUISE_INTERVAL), u"10");
        EXPECT_EQ(op.Entries(IDC_CRUISE_SLOT16), (Texts{u"None", u"1", u"2", u"3", u"10"}));
        EXPECT_EQ(op.Text(IDC_CRUISE_SLOT2), u"2");
        op.Pick(IDC_CRUISE_PATROL, 2);
        EXPECT_EQ(op.Text(IDC_CRUISE_SLOT1), u"2");
        op.Click(IDC_CRUISE_USED);
        op.Paste(IDC_CRUISE_INTERVAL, u"45");
        op.Pick(IDC_CRUISE_SLOT3, 4);
        op.Pick(IDC_CRUISE_PATROL, 4);
        op.Type(IDC_CRUISE_INTERVAL, u"2");
        EXPECT_EQ(op.Text(IDC_CRUISE_INTERVAL), u"5");
        op.Type(IDC_CRUISE_INTERVAL, u"99");
        EXPECT_EQ(op.Text(IDC_CRUISE_INTERVAL), u"60");
        op.Pick(IDC_CRUISE_SLOT16, 3);
        SaveAndSucceed(op);
        op.Click(ui::kIdCancel);
        // A new dialog starts again on patrol 1.
        op.Click(IDC_PTZ_TOUR);
        EXPECT_EQ(op.Selection(IDC_CRUISE_PATROL), 0);
        op.Pick(IDC_CRUISE_SLOT1, 0);  // back to "None"
        SaveAndSucceed(op);
    });
    const auto sent = SentFor<PtzCruiseRecord>(1, "zelDispHisiNewMenuPTZCruiseSet");
    ASSERT_EQ(sent.size(), 2u);
    PtzCruiseRecord expected = cruises[1];
    expected.patrols[2].used = 1;
    expected.patrols[2].intervalSeconds = 45;
    expected.patrols[2].slots[2] = {1, 10};
    expected.patrols[4].intervalSeconds = 60;
    expected.patrols[4].slots[15] = {1, 3};
    EXPECT_EQ(Differences(sent[0], expected), "") << "patrol 1 and the others as fetched";
    expected.patrols[0].slots[0] = {1, 0};  // preset 0, the set byte stays
    EXPECT_EQ(Differences(sent[1], expected), "");
    EXPECT_EQ(Differences(records::ConfigCache.ptzCruise[1], expected), "");
}

TEST_F(PtzPage, test_undefined_slot_presets_show_nothing_and_keep_their_bytes) {
    points[0] = {};
    for (int k : {2, 200})
        Define(points[0], k, "P");
    cruises[0].patrols[0] = {1, 0, 10, {{1, 200}, {1, 20}, {7, 99}, {1, 2}}};
    Open(0, [](Operator& op) {
        op.Click(IDC_PTZ_TOUR);
        EXPECT_EQ(op.Text(IDC_CRUISE_SLOT1), u"200");
        EXPECT_EQ(op.Selection(IDC_CRUISE_SLOT2), -1) << "20 is no preset, nor is it 200";
        EXPECT_EQ(op.Selection(IDC_CRUISE_SLOT3), -1);
        EXPECT_EQ(op.Text(IDC_CRUISE_SLOT4), u"2");
        op.Pick(IDC_CRUISE_PATROL, 1);
        op.Pick(IDC_CRUISE_PATROL, 0);
        SaveAndSucceed(op);
        op.Paste(IDC_CRUISE_INTERVAL, u"12");
        SaveAndSucceed(op);
    });
    const auto sent = SentFor<PtzCruiseRecord>(0, "zelDispHisiNewMenuPTZCruiseSet");
    ASSERT_EQ(sent.size(), 1u) << "showing and switching alone change nothing";
    PtzCruiseRecord expected = cruises[0];
    expected.patrols[0].intervalSeconds = 12;
    EXPECT_EQ(Differences(sent[0], expected), "");
}

}  // namespace
