// The General page as the recorder and the operator see it: the running clock, the language
// list and its stored codes, the restart question for the language and the video standard,
// values no list shows, and the clock writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "records/SessionState.h"
#include "device/ClockWords.h"
#include "device/RecordingRecords.h"
#include "res/resource.h"
#include "tests/support/PageTest.h"
#include "ui/Styles.h"

namespace {

using namespace testsupport;
using ui::DateTimeValue;

bool SameTime(const DateTimeValue& a, int hour, int minute, int second) {
    return a.hour == hour && a.minute == minute && a.second == second;
}

// The clock words a clock write sent.
std::pair<std::uint32_t, std::uint32_t> Words(const LoggedCall& call) {
    std::uint32_t words[2] = {};
    EXPECT_EQ(call.bytes.size(), sizeof words);
    std::memcpy(words, call.bytes.data(), std::min(call.bytes.size(), sizeof words));
    return {words[0], words[1]};
}

class GeneralPage : public PageTest<device::NormalRecord> {
  protected:
    GeneralPage()
        : PageTest(u"General", "Normal", zelDispHisiNewMenuNormalGet,
                   "zelDispHisiNewMenuNormalSet") {}

    void SetUp() override {
        PageTest::SetUp();
        zsimSetClock(recorder.handle(), device::ClockDateWord(2010, 12, 31),
                     device::ClockTimeWord(23, 59, 59), 0);
    }
};

TEST_F(GeneralPage, test_clock_ticks_time_only_and_stops_while_the_time_is_edited) {
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"General");
        EXPECT_EQ(op.DateTime(IDC_NORMAL_DATE), (DateTimeValue{2010, 12, 31, 0, 0, 0}));
        EXPECT_TRUE(SameTime(op.DateTime(IDC_NORMAL_TIME), 23, 59, 59));
        EXPECT_TRUE(op.TickTimer(1));
        EXPECT_TRUE(SameTime(op.DateTime(IDC_NORMAL_TIME), 0, 0, 0));
        EXPECT_EQ(op.DateTime(IDC_NORMAL_DATE), (DateTimeValue{2010, 12, 31, 0, 0, 0}))
            << "the date does not run on";

        op.Focus(IDC_NORMAL_TIME);
        EXPECT_FALSE(op.TickTimer(1)) << "no clock while the time picker has the focus";
        op.Focus(IDC_NORMAL_PACK);
        EXPECT_TRUE(op.TickTimer(1)) << "leaving the picker starts the clock again";
        EXPECT_TRUE(SameTime(op.DateTime(IDC_NORMAL_TIME), 0, 0, 1));
    });
}

TEST_F(GeneralPage, test_language_list_stands_for_the_stored_codes) {
    stored.language = 1;
    Open([](Operator& op) {
        ASSERT_EQ(op.Entries(IDC_NORMAL_LANGUAGE).size(), 24u);
        EXPECT_EQ(op.Selection(IDC_NORMAL_LANGUAGE), 2) << "code 1, the third entry";
        op.Pick(IDC_NORMAL_LANGUAGE, 1);  // English, code 2
        op.Click(IDC_SAVE);
        ExpectMessage(op, kRebootQuestion, ui::kIdNo);
        ExpectMessage(op, u"Succeed");
    });
    ASSERT_EQ(Sent().size(), 1u);
    EXPECT_EQ(Sent()[0].language, 2);
    // Sent and saved before the question.
    const auto log = recorder.LoggedFunctions();
    const auto set = std::find(log.begin(), log.end(), "zelDispHisiNewMenuNormalSet");
    ASSERT_TRUE(set != log.end() && set + 1 != log.end());
    EXPECT_EQ(set[1], "zelDispSaveMenu");
}

TEST_F(GeneralPage, test_standard_change_asks_but_logout_change_does_not) {
    Open([](Operator& op) {
        op.Type(IDC_NORMAL_LOGOUT, u"30");
        SaveAndSucceed(op);
        op.Pick(IDC_NORMAL_STANDARD, 1);
        op.Click(IDC_SAVE);
        ExpectMessage(op, kRebootQuestion, ui::kIdNo);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(std::int16_t{sent[0].autoLogoutMinutes}, 30);
    EXPECT_EQ(sent[1].videoStandard, 1);
}

TEST_F(GeneralPage, test_values_the_lists_cannot_show_are_kept) {
    stored.language = 99;
    stored.dateFormat = 7;
    Open([](Operator& op) {
        EXPECT_EQ(op.Selection(IDC_NORMAL_LANGUAGE), -1);
        EXPECT_EQ(op.Selection(IDC_NORMAL_DATE_FORMAT), -1);
        op.Type(IDC_NORMAL_PACK, u"90");
        SaveAndSucceed(op);
    });
    ASSERT_EQ(Sent().size(), 1u);
    EXPECT_EQ(Sent()[0].language, 99) << "no selection keeps the recorder's code";
    EXPECT_EQ(Sent()[0].dateFormat, 7);
}

TEST_F(GeneralPage, test_clock_writes_send_the_pickers_or_the_pc_clock_and_report_failure) {
    pcClock = DateTimeValue{2024, 2, 29, 13, 14, 15};
    zsimFail(recorder.handle(), "zelDispPaTimeSet", 1, -1);
    Open([](Operator& op) {
        op.EnterDateTime(IDC_NORMAL_DATE, DateTimeValue{2012, 3, 4, 0, 0, 0});
        op.Click(IDC_NORMAL_CLOCK_SAVE);
        ExpectMessage(op, u"Failed");
        EXPECT_EQ(op.DateTime(IDC_NORMAL_DATE), (DateTimeValue{2012, 3, 4, 0, 0, 0}));
        op.Click(IDC_NORMAL_CLOCK_SAVE);
        ExpectMessage(op, u"Succeed");
        op.Click(IDC_NORMAL_CLOCK_SYNC);
        ExpectMessage(op, u"Succeed");
        EXPECT_EQ(op.DateTime(IDC_NORMAL_DATE), (DateTimeValue{2024, 2, 29, 0, 0, 0}));
        EXPECT_TRUE(SameTime(op.DateTime(IDC_NORMAL_TIME), 13, 14, 15));
    });
    const auto calls = Calls("zelDispPaTimeSet");
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(Words(calls[1]).first, device::ClockDateWord(2012, 3, 4));
    EXPECT_EQ(Words(calls[2]), std::make_pair(device::ClockDateWord(2024, 2, 29),
                                              device::ClockTimeWord(13, 14, 15)));
    EXPECT_EQ(CallCount("zelDispSaveMenu"), 1) << "no save after a clock write";
}

TEST_F(GeneralPage, test_clock_outside_the_pickers_range_leaves_them) {
    // A year before the pickers' range: neither picker takes the clock.
    ASSERT_EQ(zsimSetClock(recorder.handle(), device::ClockDateWord(1850, 6, 1),
                           device::ClockTimeWord(12, 34, 56), 0),
              0);
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"General");
        EXPECT_NE(op.DateTime(IDC_NORMAL_DATE).year, 1850);
        EXPECT_FALSE(SameTime(op.DateTime(IDC_NORMAL_TIME), 12, 34, 56));
    });
}

TEST_F(GeneralPage, test_reboot_button_restarts_on_yes) {
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"General");
        op.Click(IDC_NORMAL_REBOOT);
        ExpectMessage(op, kRebootQuestion, ui::kIdYes);
        op.Close();
    });
    EXPECT_EQ(CallCount("zelDispRebootDVR"), 1);
    EXPECT_EQ(CallCount("zelDispSaveMenu"), 1) << "the save before the restart, none on closing";
}

}  // namespace
