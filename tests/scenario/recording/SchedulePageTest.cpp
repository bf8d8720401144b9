// The Schedule page as the recorder and the operator see it: periods on the rows and on the
// painted week timeline, the shared pool of entries, Default of a day, and what a Save sends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "device/NetworkOrder.h"
#include "device/RecordingRecords.h"
#include "res/resource.h"
#include "tests/support/PageTest.h"

namespace {

using device::ChannelSchedule;
using device::RecTimerRecord;
using device::ScheduleEntry;
using namespace testsupport;

enum Day { kMon, kTue, kWed, kThu, kFri, kSat, kSun };

void Put(ChannelSchedule& schedule, int entry, Day day, int startHour, int startMinute, int endHour,
         int endMinute) {
    ScheduleEntry& e = schedule.entries[entry];
    e.kind = device::kSchedulePeriodInUse;
    e.weekday = std::int8_t(day);
    e.startMinuteBE = device::HostToNetwork16(std::uint16_t(startMinute));
    e.startHour = std::int16_t(startHour);
    e.endMinuteBE = device::HostToNetwork16(std::uint16_t(endMinute));
    e.endHour = std::int16_t(endHour);
}

using Spans = std::vector<std::pair<int, int>>;

// (start, end) in minutes of a day's periods, in entry order.
Spans Periods(const ChannelSchedule& schedule, Day day) {
    Spans periods;
    for (const ScheduleEntry& e : schedule.entries) {
        if (e.kind == device::kSchedulePeriodInUse && e.weekday == day)
            periods.emplace_back(e.startHour * 60 + device::NetworkToHost16(e.startMinuteBE),
                                 e.endHour * 60 + device::NetworkToHost16(e.endMinuteBE));
    }
    return periods;
}

ui::DateTimeValue Time(int hour, int minute) {
    return {2000, 1, 1, hour, minute, 0};
}

// The left and right edge of a painted period.
std::pair<int, int> Span(const PaintedRect& painted) {
    return {painted.rect.left, painted.rect.right};
}

// The edges of a period of whole minutes, scaled to the bar's width.
std::pair<int, int> Expected(const PaintedRect& painted, int start, int end) {
    const int w = painted.client.Width();
    return {int(double(start) * w / 1440), int(double(end) * w / 1440)};
}

class SchedulePage : public PageTest<RecTimerRecord> {
  protected:
    SchedulePage()
        : PageTest(u"Schedule", "RecTimer", zelDispHisiNewMenuRecTimerGet,
                   "zelDispHisiNewMenuRecTimerSet") {}

    void SetUp() override {
        PageTest::SetUp();
        // Start from empty weeks; bytes the page never edits are marked.
        std::memset(stored.channels, 0, sizeof stored.channels);
        stored.unused1[3] = 0x5A;
        for (auto& schedule : stored.channels) {
            for (ScheduleEntry& e : schedule.entries)
                e.unused[0] = 0x77;
        }
    }

    // The periods of a day in the one record the page sent.
    Spans SentPeriods(int channel, Day day) const {
        const auto sent = Sent();
        EXPECT_EQ(sent.size(), 1u);
        return sent.empty() ? Spans{} : Periods(sent[0].channels[channel], day);
    }
};

TEST_F(SchedulePage, test_period_shows_on_its_row_and_paints_its_share_of_the_bar) {
    Put(stored.channels[0], 7, kMon, 8, 30, 17, 0);
    Open([](Operator& op) {
        EXPECT_TRUE(op.IsChecked(IDC_REC_ROW1_CHECK));
        EXPECT_FALSE(op.IsChecked(IDC_REC_ROW2_CHECK));
        EXPECT_EQ(op.DateTime(IDC_REC_ROW1_START).hour, 8);
        EXPECT_EQ(op.DateTime(IDC_REC_ROW1_START).minute, 30);
        EXPECT_EQ(op.DateTime(IDC_REC_ROW1_END).hour, 17);
        EXPECT_EQ(op.DateTime(IDC_REC_ROW1_END).minute, 0);

        const auto monday = op.Painted(IDC_REC_MON_BAR);
        ASSERT_EQ(monday.size(), 1u);
        EXPECT_GT(monday[0].client.Width(), 0);
        EXPECT_EQ(Span(monday[0]), Expected(monday[0], 510, 1020));
        EXPECT_EQ(monday[0].rect.top, 0);
        EXPECT_EQ(monday[0].rect.bottom, monday[0].client.Height());
        EXPECT_TRUE(op.Painted(IDC_REC_TUE_BAR).empty());
    });
}

TEST_F(SchedulePage, test_period_across_midnight_is_stored_but_not_painted) {
    Open([](Operator& op) {
        op.Pick(IDC_REC_DAY, kTue);
        op.EnterDateTime(IDC_REC_ROW1_START, Time(22, 0));
        op.EnterDateTime(IDC_REC_ROW1_END, Time(6, 0));
        op.Click(IDC_REC_ROW1_CHECK);
        EXPECT_TRUE(op.Painted(IDC_REC_TUE_BAR).empty());
        SaveAndSucceed(op);
    });
    EXPECT_EQ(SentPeriods(0, kTue), (Spans{{1320, 360}}));
}

TEST_F(SchedulePage, test_day_of_eight_periods_shows_six_and_keeps_the_first_six_once_edited) {
    for (int i = 0; i < 8; ++i)
        Put(stored.channels[0], 2 + 3 * i, kWed, i, 0, i, 30);
    Open([](Operator& op) {
        op.Pick(IDC_REC_DAY, kWed);
        for (int id = IDC_REC_ROW1_CHECK; id <= IDC_REC_ROW6_CHECK; ++id)
            EXPECT_TRUE(op.IsChecked(id)) << id;
        EXPECT_EQ(op.DateTime(IDC_REC_ROW6_START).hour, 5);
        EXPECT_EQ(op.Painted(IDC_REC_WED_BAR).size(), 8u) << "the timeline shows what it holds";
        SaveAndSucceed(op);
        op.EnterDateTime(IDC_REC_ROW6_END, Time(5, 45));
        EXPECT_EQ(op.Painted(IDC_REC_WED_BAR).size(), 6u);
        SaveAndSucceed(op);
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u) << "showing the day sent nothing";
    Spans firstSix;
    for (int i = 0; i < 6; ++i)
        firstSix.emplace_back(i * 60, i * 60 + (i == 5 ? 45 : 30));
    EXPECT_EQ(Periods(sent[0].channels[0], kWed), firstSix);
    // They took the lowest entries; the bytes the page does not use stayed.
    EXPECT_EQ(sent[0].channels[0].entries[5].kind, device::kSchedulePeriodInUse);
    EXPECT_EQ(sent[0].channels[0].entries[5].unused[0], 0x77);
    EXPECT_EQ(sent[0].unused1[3], 0x5A);
}

TEST_F(SchedulePage, test_default_clears_only_the_shown_day_of_the_shown_channel) {
    Put(stored.channels[2], 0, kMon, 1, 0, 2, 0);
    Put(stored.channels[2], 1, kTue, 3, 0, 4, 0);
    Put(stored.channels[0], 0, kTue, 3, 0, 4, 0);
    Open([](Operator& op) {
        op.Pick(IDC_REC_CHANNEL, 2);
        op.Pick(IDC_REC_DAY, kTue);
        EXPECT_TRUE(op.IsChecked(IDC_REC_ROW1_CHECK));
        op.Click(IDC_DEFAULT);
        EXPECT_FALSE(op.IsChecked(IDC_REC_ROW1_CHECK));
        EXPECT_EQ(op.DateTime(IDC_REC_ROW1_START).hour, 0);
        EXPECT_TRUE(op.Painted(IDC_REC_TUE_BAR).empty());
        EXPECT_EQ(op.Painted(IDC_REC_MON_BAR).size(), 1u);
        SaveAndSucceed(op);
    });
    EXPECT_TRUE(SentPeriods(2, kTue).empty());
    EXPECT_EQ(SentPeriods(2, kMon), (Spans{{60, 120}}));
    EXPECT_EQ(SentPeriods(0, kTue), (Spans{{180, 240}}));
}

TEST_F(SchedulePage, test_picker_of_unchecked_row_leaves_the_day_as_it_was) {
    Put(stored.channels[0], 4, kMon, 8, 0, 9, 0);
    Put(stored.channels[0], 9, kMon, 10, 0, 11, 0);
    Open([](Operator& op) {
        op.EnterDateTime(IDC_REC_ROW3_START, Time(5, 0));
        op.EnterDateTime(IDC_REC_ROW3_END, Time(7, 0));
        SaveAndSucceed(op);
    });
    EXPECT_EQ(SentPeriods(0, kMon), (Spans{{480, 540}, {600, 660}}));  // in the lowest entries
}

TEST_F(SchedulePage, test_period_no_picker_can_show_is_unchecked_and_freed_by_an_edit) {
    Put(stored.channels[0], 0, kMon, 25, 0, 26, 0);
    Put(stored.channels[0], 1, kMon, 7, 70, 8, 0);
    Put(stored.channels[0], 2, kMon, 10, 0, 11, 0);
    Open([](Operator& op) {
        EXPECT_FALSE(op.IsChecked(IDC_REC_ROW1_CHECK));
        EXPECT_FALSE(op.IsChecked(IDC_REC_ROW2_CHECK));
        EXPECT_TRUE(op.IsChecked(IDC_REC_ROW3_CHECK));
        SaveAndSucceed(op);
        op.EnterDateTime(IDC_REC_ROW3_END, Time(11, 30));
        SaveAndSucceed(op);
    });
    EXPECT_EQ(CallCount("zelDispHisiNewMenuRecTimerSet"), 1) << "only the edit is sent";
    EXPECT_EQ(SentPeriods(0, kMon), (Spans{{600, 690}}));
}

TEST_F(SchedulePage, test_without_channels_nothing_addresses_a_channel) {
    Put(stored.channels[0], 0, kMon, 8, 0, 9, 0);
    ASSERT_EQ(zsimSetCounts(recorder.handle(), 0, 4, 2), 0);
    Open([](Operator& op) {
        EXPECT_TRUE(op.Entries(IDC_REC_CHANNEL).empty());
        EXPECT_FALSE(op.IsChecked(IDC_REC_ROW1_CHECK));
        EXPECT_TRUE(op.Painted(IDC_REC_MON_BAR).empty());
        op.Click(IDC_REC_ROW1_CHECK);
        op.EnterDateTime(IDC_REC_ROW1_END, Time(4, 0));
        op.Click(IDC_COPY);
        op.Click(IDC_PASTE);
        op.Click(IDC_DEFAULT);
        SaveAndSucceed(op);
    });
    EXPECT_EQ(CallCount("zelDispHisiNewMenuRecTimerSet"), 0);
}

}  // namespace
