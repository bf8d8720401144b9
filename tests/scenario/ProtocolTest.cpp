// The common buttons as every settings page answers them, one row per page: Save sends only a
// changed record and keeps it, a failing Set changes nothing and Save tries again, Refresh
// discards the operator's edits, Default stays on the screen, and Copy/Paste move one entry to
// another. A failing Refresh is the fault matrix's.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "records/SessionState.h"
#include "res/resource.h"
#include "tests/scenario/PageRows.h"
#include "tests/support/ScenarioTest.h"
#include "ui/Format.h"

namespace {

using namespace testsupport;

class Protocol : public ScenarioTest, public testing::WithParamInterface<PageRow> {
  protected:
    // Opens the row's page and runs the scenario on it, with the cache as fetched at hand; the
    // call log starts when the page is shown.
    void OnPage(const std::function<void(Operator&)>& scenario) {
        RunSession([&](Operator& op) {
            op.SelectTreeItem(GetParam().node);
            fetched = GetParam().cached();
            recorder.ClearLog();
            scenario(op);
        });
    }

    std::vector<Bytes> Sent() const {
        std::vector<Bytes> sent;
        for (const auto& call : Calls(GetParam().setFunction))
            sent.push_back(call.bytes);
        return sent;
    }

    Bytes Entry(const Bytes& record, int index) const {
        const PageRow& row = GetParam();
        const auto first = record.begin() + std::ptrdiff_t(row.firstEntry + index * row.entrySize);
        return Bytes(first, first + std::ptrdiff_t(row.entrySize));
    }

    Bytes fetched;  // the record as the cache held it when the page opened
};

TEST_P(Protocol, test_save_without_change_makes_no_call_and_succeeds) {
    OnPage([](Operator& op) {
        for (int i = 0; i < 2; ++i) {
            SaveAndSucceed(op);
        }
    });
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(CallCount("zelDispSaveMenu"), GetParam().savesWithoutChange ? 3 : 1)
        << "the one when the window closes, and one per Save where every Save keeps";
}

TEST_P(Protocol, test_changed_save_sends_saves_and_keeps_the_record) {
    OnPage([](Operator& op) {
        GetParam().edit(op);
        SaveAndSucceed(op);
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_NE(sent[0], fetched);
    EXPECT_EQ(GetParam().cached(), sent[0]) << "the cache holds what the recorder accepted";
    std::vector<std::string> calls;
    for (const std::string& name : recorder.LoggedFunctions()) {
        if (!name.ends_with("Get"))
            calls.push_back(name);
    }
    EXPECT_EQ(calls, (std::vector<std::string>{GetParam().setFunction, "zelDispSaveMenu",
                                               "zelDispSaveMenu"}))
        << "a save after the Set and one on closing";
}

TEST_P(Protocol, test_failing_set_keeps_cache_and_edits_and_save_tries_again) {
    zsimFail(recorder.handle(), GetParam().setFunction, 1, -1);
    OnPage([this](Operator& op) {
        GetParam().edit(op);
        const std::u16string edited = GetParam().shown(op);
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Failed");
        EXPECT_EQ(GetParam().shown(op), edited) << "the edit stays";
        EXPECT_EQ(GetParam().cached(), fetched);
        SaveAndSucceed(op);
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0], sent[1]);
    EXPECT_EQ(GetParam().cached(), sent[1]);
    EXPECT_EQ(CallCount("zelDispSaveMenu"), 2) << "none after the failed Set";
}

TEST_P(Protocol, test_refresh_discards_edits_without_a_message) {
    OnPage([this](Operator& op) {
        const std::u16string before = GetParam().shown(op);
        GetParam().edit(op);
        EXPECT_NE(GetParam().shown(op), before);
        op.Click(IDC_REFRESH);
        EXPECT_FALSE(op.OpenMessageBox().has_value());
        EXPECT_EQ(GetParam().shown(op), before);
        EXPECT_EQ(GetParam().cached(), fetched);
    });
    EXPECT_EQ(CallCount(GetParam().getFunction), 1);
    EXPECT_TRUE(Sent().empty());
}

// The pages with a Default button.
class ProtocolDefault : public Protocol {};

TEST_P(ProtocolDefault, test_default_calls_nothing_and_shows_no_message) {
    OnPage([](Operator& op) {
        op.Click(IDC_DEFAULT);
        EXPECT_FALSE(op.OpenMessageBox().has_value());
    });
    EXPECT_EQ(recorder.LoggedFunctions(), (std::vector<std::string>{"zelDispSaveMenu"}))
        << "nothing reaches the recorder until Save";
}

// The pages that edit one entry at a time, with Copy and Paste.
class ProtocolCopy : public Protocol {};

TEST_P(ProtocolCopy, test_copy_and_paste_move_one_entry_and_paste_needs_a_copy) {
    const PageRow& row = GetParam();
    OnPage([&row](Operator& op) {
        op.Pick(row.entryList, row.pasteEntry);
        op.Click(IDC_PASTE);
        EXPECT_FALSE(op.OpenMessageBox().has_value());
        SaveAndSucceed(op);

        op.Pick(row.entryList, 0);
        row.edit(op);
        op.Click(IDC_COPY);
        op.Pick(row.entryList, row.pasteEntry);
        op.Click(IDC_PASTE);
        SaveAndSucceed(op);
    });
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u) << "a paste before any copy changed nothing";
    EXPECT_NE(Entry(sent[0], 0), Entry(fetched, 0));
    EXPECT_EQ(Entry(sent[0], row.pasteEntry), Entry(sent[0], 0))
        << "the pasted entry is the edited first";
}

std::vector<PageRow> Rows(bool (*wanted)(const PageRow&)) {
    std::vector<PageRow> rows;
    for (const PageRow& row : PageRows()) {
        if (wanted(row))
            rows.push_back(row);
    }
    return rows;
}

std::string RowName(const testing::TestParamInfo<PageRow>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Pages, Protocol, testing::ValuesIn(PageRows()), RowName);
INSTANTIATE_TEST_SUITE_P(Pages, ProtocolDefault,
                         testing::ValuesIn(Rows([](const PageRow& row) { return row.hasDefault; })),
                         RowName);
INSTANTIATE_TEST_SUITE_P(Pages, ProtocolCopy, testing::ValuesIn(Rows([](const PageRow& row) {
                             return row.entryList != 0;
                         })),
                         RowName);

}  // namespace
