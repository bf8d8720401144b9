// The General page as the recorder and the operator see it: the running clock, the lists and
// their stored codes, the restart question for the language and the video standard, Default,
// and the clock writes.
#include <gtest/gtest.h>

#include <cstring>

#include "app/Session.h"
#include "device/ClockWords.h"
#include "device/RecordingRecords.h"
#include "device/ZelDisp.h"
#include "res/resource.h"
#include "text/LangText.h"
#include "text/TextIds.h"
#include "tests/support/ScenarioTest.h"
#include "ui/Styles.h"

namespace {

using testsupport::ExpectMessage;
using testsupport::Operator;
using testsupport::ScenarioTest;
using ui::DateTimeValue;

const std::u16string kRebootQuestion = text::LongText(2, text::kTextRebootQuestion);

device::NormalRecord AsNormal(const std::vector<std::uint8_t>& bytes) {
    device::NormalRecord normal{};
    EXPECT_EQ(bytes.size(), sizeof normal);
    std::memcpy(&normal, bytes.data(), std::min(bytes.size(), sizeof normal));
    return normal;
}

bool SameTime(const DateTimeValue& a, int hour, int minute, int second) {
    return a.hour == hour && a.minute == minute && a.second == second;
}

class GeneralPage : public ScenarioTest {
  protected:
    void SetUp() override {
        ScenarioTest::SetUp();
        ASSERT_GE(zelDispHisiNewMenuNormalGet(recorder.handle(), &stored), 0);
        zsimSetClock(recorder.handle(), device::ClockDateWord(2010, 12, 31),
                     device::ClockTimeWord(23, 59, 59), 0);
        recorder.ClearLog();
    }

    std::vector<device::NormalRecord> Sent() const {
        std::vector<device::NormalRecord> sent;
        for (const auto& call : Calls("zelDispHisiNewMenuNormalSet")) {
            sent.push_back(AsNormal(call.bytes));
        }
        return sent;
    }

    device::NormalRecord stored{};
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

TEST_F(GeneralPage, test_lists_show_the_stored_values) {
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"General");
        EXPECT_EQ(op.Entries(IDC_NORMAL_DATE_FORMAT),
                  (std::vector<std::u16string>{u"YYYY MM DD", u"MM DD YYYY", u"DD MM YYYY"}));
        EXPECT_EQ(op.Entries(IDC_NORMAL_TIME_FORMAT),
                  (std::vector<std::u16string>{u"24Hour", u"12Hour"}));
        const auto languages = op.Entries(IDC_NORMAL_LANGUAGE);
        ASSERT_EQ(languages.size(), 24u);
        EXPECT_EQ(languages[0], u"简体中文");
        EXPECT_EQ(languages[22], u"\uFBFD\uFEB3\uFEAD\uFE8E\uFED3");
        EXPECT_EQ(op.Selection(IDC_NORMAL_LANGUAGE), 1) << "code 2 is English, the second entry";
        EXPECT_EQ(op.Selection(IDC_NORMAL_DATE_SEP), 1);
        EXPECT_EQ(op.Text(IDC_NORMAL_PACK), u"60");
        EXPECT_EQ(op.Text(IDC_NORMAL_DVR_NO), u"1");
        EXPECT_EQ(op.Text(IDC_NORMAL_REBOOT), u"Reboot");
    });
}

TEST_F(GeneralPage, test_stored_code_one_selects_the_third_entry) {
    stored.language = 1;
    ASSERT_EQ(zsimSetRecord(recorder.handle(), "Normal", &stored, sizeof stored), 0);
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"General");
        EXPECT_EQ(op.Selection(IDC_NORMAL_LANGUAGE), 2);
    });
}

TEST_F(GeneralPage, test_language_change_asks_to_restart_after_sending) {
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"General");
        op.Pick(IDC_NORMAL_LANGUAGE, 2);  // traditional Chinese, code 1
        op.Click(IDC_SAVE);
        ExpectMessage(op, kRebootQuestion, ui::kIdNo);
        ExpectMessage(op, u"Succeed");
        op.Pick(IDC_NORMAL_LANGUAGE, 1);  // English, code 2
        op.Click(IDC_SAVE);
        ExpectMessage(op, kRebootQuestion, ui::kIdNo);
        ExpectMessage(op, u"Succeed");
    });
    ASSERT_EQ(Sent().size(), 2u);
    EXPECT_EQ(Sent()[0].language, 1);
    EXPECT_EQ(Sent()[1].language, 2);
    std::vector<std::string> sends;
    for (const std::string& name : recorder.LoggedFunctions()) {
        if (!name.ends_with("Get"))
            sends.push_back(name);
    }
    ASSERT_GE(sends.size(), 2u);
    EXPECT_EQ(sends[0], "zelDispHisiNewMenuNormalSet");
    EXPECT_EQ(sends[1], "zelDispSaveMenu") << "saved before the question";
}

TEST_F(GeneralPage, test_standard_change_asks_but_logout_change_does_not) {
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"General");
        op.Type(IDC_NORMAL_LOGOUT, u"30");
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
        op.Pick(IDC_NORMAL_STANDARD, 1);
        op.Click(IDC_SAVE);
        ExpectMessage(op, kRebootQuestion, ui::kIdNo);
        ExpectMessage(op, u"Succeed");
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 2u) << "the third Save has nothing to send";
    EXPECT_EQ(std::int16_t{sent[0].autoLogoutMinutes}, 30);
    EXPECT_EQ(sent[1].videoStandard, 1);
}

TEST_F(GeneralPage, test_default_then_save_stores_the_default_record) {
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"General");
        op.Click(IDC_DEFAULT);
        op.Click(IDC_SAVE);
        ExpectMessage(op, kRebootQuestion, ui::kIdNo);  // English (2) becomes Chinese (0)
        ExpectMessage(op, u"Succeed");
    });
    ASSERT_EQ(Sent().size(), 1u);
    device::NormalRecord expected{};
    expected.dateSeparator = 1;
    expected.packMinutes = 60;
    expected.autoLogoutMinutes = 10;
    expected.dvrNumber[0] = '8';
    const device::NormalRecord sent = Sent()[0];
    EXPECT_EQ(std::memcmp(&sent, &expected, sizeof expected), 0);
}

TEST_F(GeneralPage, test_values_the_lists_cannot_show_are_kept) {
    stored.language = 99;
    stored.dateFormat = 7;
    ASSERT_EQ(zsimSetRecord(recorder.handle(), "Normal", &stored, sizeof stored), 0);
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"General");
        EXPECT_EQ(op.Selection(IDC_NORMAL_LANGUAGE), -1);
        EXPECT_EQ(op.Selection(IDC_NORMAL_DATE_FORMAT), -1);
        op.Type(IDC_NORMAL_PACK, u"90");
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    ASSERT_EQ(Sent().size(), 1u);
    EXPECT_EQ(Sent()[0].language, 99) << "no selection keeps the recorder's code";
    EXPECT_EQ(Sent()[0].dateFormat, 7);
}

TEST_F(GeneralPage, test_synchronisation_sends_the_pc_clock) {
    pcClock = DateTimeValue{2024, 2, 29, 13, 14, 15};
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"General");
        op.Click(IDC_NORMAL_CLOCK_SYNC);
        ExpectMessage(op, u"Succeed");
        EXPECT_EQ(op.DateTime(IDC_NORMAL_DATE), (DateTimeValue{2024, 2, 29, 0, 0, 0}));
        EXPECT_TRUE(SameTime(op.DateTime(IDC_NORMAL_TIME), 13, 14, 15));
    });
    const auto calls = Calls("zelDispPaTimeSet");
    ASSERT_EQ(calls.size(), 1u);
    std::uint32_t words[2];
    ASSERT_EQ(calls[0].bytes.size(), sizeof words);
    std::memcpy(words, calls[0].bytes.data(), sizeof words);
    EXPECT_EQ(words[0], device::ClockDateWord(2024, 2, 29));
    EXPECT_EQ(words[1], device::ClockTimeWord(13, 14, 15));
    EXPECT_EQ(CallCount("zelDispSaveMenu"), 1) << "no save after a clock write";
}

TEST_F(GeneralPage, test_clock_save_sends_the_pickers_and_reports_failure) {
    zsimFail(recorder.handle(), "zelDispPaTimeSet", 1, -1);
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"General");
        op.EnterDateTime(IDC_NORMAL_DATE, DateTimeValue{2012, 3, 4, 0, 0, 0});
        op.Click(IDC_NORMAL_CLOCK_SAVE);
        ExpectMessage(op, u"Failed");
        EXPECT_EQ(op.DateTime(IDC_NORMAL_DATE), (DateTimeValue{2012, 3, 4, 0, 0, 0}));
        op.Click(IDC_NORMAL_CLOCK_SAVE);
        ExpectMessage(op, u"Succeed");
    });
    const auto calls = Calls("zelDispPaTimeSet");
    ASSERT_EQ(calls.size(), 2u);
    std::uint32_t words[2];
    std::memcpy(words, calls[1].bytes.data(), sizeof words);
    EXPECT_EQ(words[0], device::ClockDateWord(2012, 3, 4));
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
