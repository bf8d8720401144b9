// The preset and tour dialogs of the Pan/Tilt/Zoom page: the preset list with Add, Modify and
// Delete in a working copy that Save sends for the channel, names kept within their field, and
// the tours with their patrols, dwell times and order slots.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "app/Session.h"
#include "device/PtzRecords.h"
#include "device/ZelDisp.h"
#include "res/resource.h"
#include "tests/support/ScenarioTest.h"
#include "ui/Styles.h"

namespace {

using device::CruiseSlot;
using device::PtzCruiseRecord;
using device::PtzPointRecord;
using testsupport::ExpectMessage;
using testsupport::Operator;
using testsupport::ScenarioTest;

using Rows = std::vector<std::vector<std::u16string>>;

template <typename Record>
Record As(const std::vector<std::uint8_t>& bytes) {
    Record record{};
    EXPECT_EQ(bytes.size(), sizeof record);
    std::memcpy(&record, bytes.data(), std::min(bytes.size(), sizeof record));
    return record;
}

template <typename T>
bool SameBytes(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void Define(PtzPointRecord& points, int number, std::string_view name) {
    device::PresetSlot& slot = points.slots[number];
    slot.used = 1;
    std::memset(slot.name, 0, sizeof slot.name);
    std::memcpy(slot.name, name.data(), std::min(name.size(), sizeof slot.name));
}

// A name field as this system writes it: the text, then zeros to the field's end.
std::string Field(std::string_view text) {
    std::string field(text);
    field.resize(sizeof(device::PresetSlot::name), '\0');
    return field;
}

std::string FieldOf(const device::PresetSlot& slot) {
    return std::string(slot.name, sizeof slot.name);
}

class PtzDialogs : public ScenarioTest {
  protected:
    void SetUp() override {
        ScenarioTest::SetUp();
        ASSERT_GE(zelDispHisiNewMenuPTZGet(recorder.handle(), &ptz), 0);
        for (int c = 0; c < device::kMaxChannels; ++c) {
            ptz.channels[c].protocol = 1;  // every channel shows its preset and tour rows
            ASSERT_GE(zelDispHisiNewMenuPTZPointGet(recorder.handle(), c, &points[c]), 0);
            ASSERT_GE(zelDispHisiNewMenuPTZCruiseGet(recorder.handle(), c, &cruises[c]), 0);
        }
    }

    // Lets the recorder hold the records as they are now, then opens the page on a channel.
    void Open(int channel, const std::function<void(Operator&)>& scenario) {
        ASSERT_EQ(zsimSetRecord(recorder.handle(), "PTZ", &ptz, sizeof ptz), 0);
        ASSERT_EQ(zsimSetRecord(recorder.handle(), "PTZPoint", points, sizeof points), 0);
        ASSERT_EQ(zsimSetRecord(recorder.handle(), "PTZCruise", cruises, sizeof cruises), 0);
        recorder.ClearLog();
        RunSession([&](Operator& op) {
            op.SelectTreeItem(u"Pan/Tilt/Zoom");
            op.Pick(IDC_PTZ_CHANNEL, channel);
            scenario(op);
        });
    }

    template <typename Record>
    std::vector<std::pair<int, Record>> Sent(const char* function) const {
        std::vector<std::pair<int, Record>> sent;
        for (const auto& call : Calls(function))
            sent.emplace_back(call.argument, As<Record>(call.bytes));
        return sent;
    }

    device::PtzRecord ptz{};
    PtzPointRecord points[device::kMaxChannels] = {};
    PtzCruiseRecord cruises[device::kMaxChannels] = {};
};

// Types a preset into the entry dialog the list dialog opened, and saves it.
void EnterPreset(Operator& op, std::u16string_view number, std::u16string_view name) {
    if (!number.empty())
        op.Type(IDC_POINT_NUMBER, number);
    op.Type(IDC_POINT_NAME, name);
    op.Click(IDC_SAVE);
}

// ---- Preset list ----------------------------------------------------------------------------

TEST_F(PtzDialogs, test_presets_listed_added_renamed_deleted_and_saved_for_the_channel) {
    points[1] = {};
    Define(points[1], 3, "Door");
    Define(points[1], 1, "Hall");
    Open(1, [](Operator& op) {
        op.Click(IDC_PTZ_PRESET);
        EXPECT_EQ(op.ColumnTitles(IDC_PREPOINT_LIST),
                  (std::vector<std::u16string>{u"No", u"Name"}));
        EXPECT_EQ(op.Rows(IDC_PREPOINT_LIST), (Rows{{u"1", u"Hall"}, {u"3", u"Door"}}));

        // Add 5 twice: one row with the second name.
        op.Click(IDC_PREPOINT_ADD);
        EXPECT_TRUE(op.IsEnabled(IDC_POINT_NUMBER));
        EXPECT_EQ(op.Text(IDC_POINT_NUMBER), u"");
        EXPECT_EQ(op.Text(IDC_POINT_NAME), u"");
        EnterPreset(op, u"5", u"Gate A");
        op.Click(IDC_PREPOINT_ADD);
        EnterPreset(op, u"5", u"Gate B");
        EXPECT_EQ(op.Rows(IDC_PREPOINT_LIST),
                  (Rows{{u"1", u"Hall"}, {u"3", u"Door"}, {u"5", u"Gate B"}}));

        // Modify keeps the number and shows the name.
        op.SelectRow(IDC_PREPOINT_LIST, 0);
        op.Click(IDC_PREPOINT_MODIFY);
        EXPECT_FALSE(op.IsEnabled(IDC_POINT_NUMBER));
        EXPECT_EQ(op.Text(IDC_POINT_NUMBER), u"1");
        EXPECT_EQ(op.Text(IDC_POINT_NAME), u"Hall");
        EnterPreset(op, u"", u"Lobby");

        // Delete at once, without a question.
        op.SelectRow(IDC_PREPOINT_LIST, 1);
        op.Click(IDC_PREPOINT_DELETE);
        EXPECT_FALSE(op.OpenMessageBox().has_value());
        EXPECT_EQ(op.Rows(IDC_PREPOINT_LIST), (Rows{{u"1", u"Lobby"}, {u"5", u"Gate B"}}));

        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
        // Still open after Save.
        EXPECT_EQ(op.Rows(IDC_PREPOINT_LIST).size(), 2u);
        op.Click(ui::kIdCancel);
    });
    const auto sent = Sent<PtzPointRecord>("zelDispHisiNewMenuPTZPointSet");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].first, 1) << "the channel's index";
    PtzPointRecord expected = points[1];
    Define(expected, 1, "Lobby");
    Define(expected, 5, "Gate B");
    expected.slots[3].used = 0;  // its name stays
    EXPECT_TRUE(SameBytes(sent[0].second, expected));
    EXPECT_TRUE(SameBytes(app::ConfigCache.ptzPoint[1], expected));
    EXPECT_EQ(CallCount("zelDispSaveMenu"), 2) << "after the Set and on closing";
}

TEST_F(PtzDialogs, test_unchanged_save_and_cancel_send_nothing) {
    Open(0, [](Operator& op) {
        op.Click(IDC_PTZ_PRESET);
        const Rows rows = op.Rows(IDC_PREPOINT_LIST);
        ASSERT_FALSE(rows.empty());
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
        op.SelectRow(IDC_PREPOINT_LIST, 0);
        op.Click(IDC_PREPOINT_DELETE);
        op.Click(ui::kIdCancel);
        // Modify and Delete without a selected row do nothing.
        op.Click(IDC_PTZ_PRESET);
        EXPECT_EQ(op.Rows(IDC_PREPOINT_LIST), rows);
        op.Click(IDC_PREPOINT_MODIFY);
        op.Click(IDC_PREPOINT_DELETE);
        EXPECT_EQ(op.Rows(IDC_PREPOINT_LIST), rows);
        op.Click(ui::kIdCancel);
    });
    EXPECT_EQ(CallCount("zelDispHisiNewMenuPTZPointSet"), 0);
    EXPECT_TRUE(SameBytes(app::ConfigCache.ptzPoint[0], points[0]));
}

TEST_F(PtzDialogs, test_failing_set_keeps_the_edits_for_the_next_save) {
    zsimFail(recorder.handle(), "zelDispHisiNewMenuPTZPointSet", 1, -1);
    Open(0, [](Operator& op) {
        op.Click(IDC_PTZ_PRESET);
        op.SelectRow(IDC_PREPOINT_LIST, 0);
        op.Click(IDC_PREPOINT_DELETE);
        const Rows rows = op.Rows(IDC_PREPOINT_LIST);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Failed");
        EXPECT_EQ(op.Rows(IDC_PREPOINT_LIST), rows);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent<PtzPointRecord>("zelDispHisiNewMenuPTZPointSet");
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_TRUE(SameBytes(sent[0].second, sent[1].second));
    EXPECT_EQ(CallCount("zelDispSaveMenu"), 2) << "none after the failed Set";
}

TEST_F(PtzDialogs, test_names_are_kept_within_their_field) {
    points[0] = {};
    // Damaged: a used slot 0, and a name filling its whole field without a terminator.
    Define(points[0], 0, "Zero");
    std::memset(points[0].slots[2].name, 'N', sizeof points[0].slots[2].name);
    points[0].slots[2].used = 1;
    std::memset(points[0].slots[7].name, 'x', sizeof points[0].slots[7].name);  // free slot
    Open(0, [](Operator& op) {
        op.Click(IDC_PTZ_PRESET);
        EXPECT_EQ(op.Rows(IDC_PREPOINT_LIST),
                  (Rows{{u"0", u"Zero"}, {u"2", std::u16string(32, u'N')}}));

        // A number 0 is never stored; the device's preset 0 opens the editor as a new one.
        op.SelectRow(IDC_PREPOINT_LIST, 0);
        op.Click(IDC_PREPOINT_MODIFY);
        EXPECT_TRUE(op.IsEnabled(IDC_POINT_NUMBER));
        EXPECT_EQ(op.Text(IDC_POINT_NAME), u"");
        EnterPreset(op, u"0", u"Again");
        EXPECT_EQ(op.Rows(IDC_PREPOINT_LIST).size(), 2u);

        // Twenty ASCII characters are cut to fifteen, nine Chinese ones to five.
        op.Click(IDC_PREPOINT_ADD);
        op.Type(IDC_POINT_NAME, u"abcdefghijklmnopqrst");
        EXPECT_EQ(op.Text(IDC_POINT_NAME), u"abcdefghijklmno");
        EnterPreset(op, u"7", u"云台摄像机预置点一");
        op.SelectRow(IDC_PREPOINT_LIST, 0);
        op.Click(IDC_PREPOINT_DELETE);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent<PtzPointRecord>("zelDispHisiNewMenuPTZPointSet");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(int{sent[0].second.slots[0].used}, 0) << "preset 0 deleted";
    EXPECT_EQ(int{sent[0].second.slots[7].used}, 1);
    EXPECT_EQ(FieldOf(sent[0].second.slots[7]), Field("云台摄像机")) << "zeros after the text";
    EXPECT_EQ(FieldOf(sent[0].second.slots[2]), FieldOf(points[0].slots[2])) << "untouched";
}

// ---- Tours ----------------------------------------------------------------------------------

TEST_F(PtzDialogs, test_tour_edits_on_patrols_3_and_5_reach_the_recorder_in_one_set) {
    points[1] = {};
    for (int k : {1, 2, 3, 10})
        Define(points[1], k, "P");
    cruises[1] = {};
    for (device::CruisePatrol& patrol : cruises[1].patrols)
        patrol.intervalSeconds = 5;
    cruises[1].patrols[0] = {1, 0x77, 10, {{1, 1}, {1, 2}}};
    cruises[1].patrols[2] = {0, 0, 20, {{1, 2}, {1, 1}}};
    Open(1, [](Operator& op) {
        op.Click(IDC_PTZ_TOUR);
        EXPECT_EQ(op.Entries(IDC_CRUISE_PATROL).size(), 16u);
        EXPECT_EQ(op.Selection(IDC_CRUISE_PATROL), 0);
        EXPECT_TRUE(op.IsChecked(IDC_CRUISE_USED));
        EXPECT_EQ(op.Text(IDC_CRUISE_INTERVAL), u"10");
        EXPECT_EQ(op.Entries(IDC_CRUISE_SLOT1),
                  (std::vector<std::u16string>{u"None", u"1", u"2", u"3", u"10"}));
        EXPECT_EQ(op.Text(IDC_CRUISE_SLOT2), u"2");
        EXPECT_EQ(op.Text(IDC_CRUISE_SLOT3), u"None");

        op.Pick(IDC_CRUISE_PATROL, 2);
        EXPECT_FALSE(op.IsChecked(IDC_CRUISE_USED));
        EXPECT_EQ(op.Text(IDC_CRUISE_INTERVAL), u"20");
        EXPECT_EQ(op.Text(IDC_CRUISE_SLOT1), u"2");
        op.Click(IDC_CRUISE_USED);
        op.Paste(IDC_CRUISE_INTERVAL, u"45");
        op.Pick(IDC_CRUISE_SLOT3, 4);

        op.Pick(IDC_CRUISE_PATROL, 4);
        op.Paste(IDC_CRUISE_INTERVAL, u"55");
        op.Pick(IDC_CRUISE_SLOT16, 3);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
        EXPECT_EQ(op.Text(IDC_CRUISE_INTERVAL), u"55") << "still open";
    });
    const auto sent = Sent<PtzCruiseRecord>("zelDispHisiNewMenuPTZCruiseSet");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].first, 1) << "the channel's index";
    PtzCruiseRecord expected = cruises[1];
    expected.patrols[2].used = 1;
    expected.patrols[2].intervalSeconds = 45;
    expected.patrols[2].slots[2] = {1, 10};
    expected.patrols[4].intervalSeconds = 55;
    expected.patrols[4].slots[15] = {1, 3};
    EXPECT_TRUE(SameBytes(sent[0].second, expected)) << "patrol 1 and the others as fetched";
    EXPECT_TRUE(SameBytes(app::ConfigCache.ptzCruise[1], expected));
}

TEST_F(PtzDialogs, test_tour_opens_on_patrol_1_and_clamps_the_interval) {
    cruises[0].patrols[0].slots[0] = {1, 1};
    Open(0, [](Operator& op) {
        op.Click(IDC_PTZ_TOUR);
        op.Pick(IDC_CRUISE_PATROL, 4);
        op.Click(ui::kIdCancel);

        op.Click(IDC_PTZ_TOUR);
        EXPECT_EQ(op.Selection(IDC_CRUISE_PATROL), 0);
        op.Type(IDC_CRUISE_INTERVAL, u"2");
        EXPECT_EQ(op.Text(IDC_CRUISE_INTERVAL), u"5");
        op.Type(IDC_CRUISE_INTERVAL, u"99");
        EXPECT_EQ(op.Text(IDC_CRUISE_INTERVAL), u"60");
        // Back to "None": preset 0, the set byte stays.
        op.Pick(IDC_CRUISE_SLOT1, 0);
        op.Pick(IDC_CRUISE_PATROL, 1);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent<PtzCruiseRecord>("zelDispHisiNewMenuPTZCruiseSet");
    ASSERT_EQ(sent.size(), 1u);
    PtzCruiseRecord expected = cruises[0];
    expected.patrols[0].intervalSeconds = 60;
    expected.patrols[0].slots[0] = {1, 0};
    EXPECT_TRUE(SameBytes(sent[0].second, expected));
}

TEST_F(PtzDialogs, test_undefined_slot_presets_show_nothing_and_keep_their_bytes) {
    points[0] = {};
    for (int k : {2, 200})
        Define(points[0], k, "P");
    cruises[0].patrols[0] = {1, 0, 10, {{1, 200}, {1, 20}, {7, 99}, {1, 2}}};
    cruises[0].patrols[0].slots[4] = {3, 0};
    Open(0, [](Operator& op) {
        op.Click(IDC_PTZ_TOUR);
        EXPECT_EQ(op.Text(IDC_CRUISE_SLOT1), u"200");
        EXPECT_EQ(op.Selection(IDC_CRUISE_SLOT2), -1) << "20 is no preset; 200 is no match";
        EXPECT_EQ(op.Selection(IDC_CRUISE_SLOT3), -1);
        EXPECT_EQ(op.Text(IDC_CRUISE_SLOT4), u"2");
        EXPECT_EQ(op.Text(IDC_CRUISE_SLOT5), u"None");
        op.Pick(IDC_CRUISE_PATROL, 1);
        op.Pick(IDC_CRUISE_PATROL, 0);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
        op.Paste(IDC_CRUISE_INTERVAL, u"12");
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent<PtzCruiseRecord>("zelDispHisiNewMenuPTZCruiseSet");
    ASSERT_EQ(sent.size(), 1u) << "showing and switching alone change nothing";
    PtzCruiseRecord expected = cruises[0];
    expected.patrols[0].intervalSeconds = 12;
    EXPECT_TRUE(SameBytes(sent[0].second, expected));
}

TEST_F(PtzDialogs, test_channel_without_presets_offers_none_only) {
    points[2] = {};
    Open(2, [](Operator& op) {
        op.Click(IDC_PTZ_TOUR);
        for (int id : {IDC_CRUISE_SLOT1, IDC_CRUISE_SLOT3, IDC_CRUISE_SLOT16})
            EXPECT_EQ(op.Entries(id), (std::vector<std::u16string>{u"None"})) << id;
    });
}

// Opens the tour dialog of the shown channel and closes it again; returns how long it took
// from the click until the dialog waited for input.
long long TimeTourOpening(Operator& op, const std::function<void()>& whileOpen) {
    const auto start = std::chrono::steady_clock::now();
    op.Click(IDC_PTZ_TOUR);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    whileOpen();
    op.Click(ui::kIdCancel);
    return std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
}

TEST_F(PtzDialogs, test_tour_with_every_preset_defined_offers_all_in_every_slot) {
    for (int k = 0; k < device::kPresetSlots; ++k)
        Define(points[0], k, "P");
    points[1] = {};
    Open(0, [](Operator& op) {
        long long full = 0;
        long long empty = 0;
        for (int round = 0; round < 3; ++round) {
            op.Pick(IDC_PTZ_CHANNEL, 0);
            const long long took = TimeTourOpening(op, [&op] {
                for (int id : {IDC_CRUISE_SLOT1, IDC_CRUISE_SLOT16}) {
                    const auto entries = op.Entries(id);
                    ASSERT_EQ(entries.size(), 256u);
                    EXPECT_EQ(entries[1], u"0");
                    EXPECT_EQ(entries[255], u"254");
                }
            });
            op.Pick(IDC_PTZ_CHANNEL, 1);
            const long long without = TimeTourOpening(op, [] {});
            full = round == 0 ? took : std::min(full, took);
            empty = round == 0 ? without : std::min(empty, without);
        }
        // A figure for the record, no limit: a loaded machine could break any.
        std::printf("tour dialog opened in %lld ms with 255 presets, %lld ms without (best of 3)\n",
                    full, empty);
    });
}

}  // namespace
