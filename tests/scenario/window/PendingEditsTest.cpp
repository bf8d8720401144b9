// Pages holding edits not sent yet: their tree nodes show in bold from the moment the operator
// leaves them or uses one of their buttons, and closing the window asks before such edits are
// lost. The question's answers leave the recorder's calls exactly as closing does without it.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "dll/Entries.h"
#include "res/resource.h"
#include "records/RecordTable.h"
#include "sim/RecordImage.h"
#include "tests/scenario/PageRows.h"
#include "tests/support/ScenarioTest.h"
#include "text/LangText.h"
#include "text/TextIds.h"
#include "ui/Styles.h"

namespace {

using namespace testsupport;

bool IsBold(Operator& op, std::u16string_view node) {
    for (const TreeNodeSeen& seen : op.TreeNodes()) {
        if (seen.text == node)
            return seen.bold;
    }
    ADD_FAILURE() << "no such tree node";
    return false;
}

const std::vector<std::u16string> kNone;

// Every settings page: an edit marks its node once the operator leaves the page, a failing
// Save keeps the mark and a successful one clears it at once.
class PendingPage : public ScenarioTest, public testing::WithParamInterface<PageRow> {
  protected:
    // A node to leave a page for: a page without Save.
    static constexpr const char16_t* kElsewhere = u"Hdd Info";
};

TEST_P(PendingPage, test_edit_marks_on_leaving_and_save_clears) {
    const PageRow& row = GetParam();
    zsimFail(recorder.handle(), row.setFunction, 1, -1);
    RunSession([&row](Operator& op) {
        op.SelectTreeItem(row.node);
        row.edit(op);
        EXPECT_EQ(op.BoldNodes(), kNone) << "a shown page is marked when it is left";
        op.SelectTreeItem(kElsewhere);
        EXPECT_EQ(op.BoldNodes(), std::vector<std::u16string>{row.node});
        op.SelectTreeItem(row.node);
        EXPECT_TRUE(IsBold(op, row.node)) << "showing the page again keeps the mark";
        op.Click(IDC_SAVE);
        ExpectMessage(op, u"Failed");
        EXPECT_TRUE(IsBold(op, row.node)) << "a failed Save keeps the mark";
        SaveAndSucceed(op);
        EXPECT_EQ(op.BoldNodes(), kNone);
    });
}

TEST_P(PendingPage, test_refresh_clears_the_mark_and_a_failed_one_keeps_it) {
    const PageRow& row = GetParam();
    RunSession([&](Operator& op) {
        op.SelectTreeItem(row.node);
        row.edit(op);
        op.SelectTreeItem(kElsewhere);
        op.SelectTreeItem(row.node);
        zsimFail(recorder.handle(), row.getFunction, 1, -1);
        op.Click(IDC_REFRESH);
        ExpectMessage(op, u"Failed");
        EXPECT_TRUE(IsBold(op, row.node));
        op.Click(IDC_REFRESH);
        EXPECT_FALSE(op.OpenMessageBox().has_value());
        EXPECT_EQ(op.BoldNodes(), kNone);
    });
}

// The pages with a Default button.
class PendingDefault : public PendingPage {};

TEST_P(PendingDefault, test_default_marks_exactly_when_save_would_send) {
    const PageRow& row = GetParam();
    RunSession([&](Operator& op) {
        op.SelectTreeItem(row.node);
        recorder.ClearLog();
        op.Click(IDC_DEFAULT);
        const bool marked = IsBold(op, row.node);
        op.Click(IDC_SAVE);
        // Defaults of settings that need a restart ask first.
        if (op.OpenMessageBox() && op.OpenMessageBox()->text == kRebootQuestion)
            op.AnswerMessageBox(ui::kIdNo);
        ExpectMessage(op, u"Succeed");
        EXPECT_EQ(marked, CallCount(row.setFunction) > 0)
            << "marked after Default, yet Save sent " << CallCount(row.setFunction);
        EXPECT_EQ(op.BoldNodes(), kNone);
    });
}

std::string RowName(const testing::TestParamInfo<PageRow>& info) {
    return info.param.name;
}

std::vector<PageRow> RowsWithDefault() {
    std::vector<PageRow> rows;
    for (const PageRow& row : PageRows()) {
        if (row.hasDefault)
            rows.push_back(row);
    }
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Pages, PendingPage, testing::ValuesIn(PageRows()), RowName);
INSTANTIATE_TEST_SUITE_P(Pages, PendingDefault, testing::ValuesIn(RowsWithDefault()), RowName);

// Putting the old value back, for each kind of page.
struct UndoRow {
    const char* name;
    const char16_t* node;
    // The edit notes what it changed, for the undo to put back.
    void (*edit)(Operator&, std::u16string& before);
    void (*undo)(Operator&, const std::u16string& before);
};

const UndoRow kUndoRows[] = {
    // One record, a typed value.
    {"General", u"General",
     [](Operator& op, std::u16string& before) {
         before = op.Text(IDC_NORMAL_LOGOUT);
         op.Type(IDC_NORMAL_LOGOUT, before + u"1");
     },
     [](Operator& op, const std::u16string& before) { op.Type(IDC_NORMAL_LOGOUT, before); }},
    // Several records, one entry at a time.
    {"Detect", u"Detect", [](Operator& op, std::u16string&) { op.Click(IDC_LINKAGE_BUZZER); },
     [](Operator& op, const std::u16string&) { op.Click(IDC_LINKAGE_BUZZER); }},
    // One entry at a time, with the working copy taking an entry the operator left.
    {"Alarm", u"Alarm",
     [](Operator& op, std::u16string&) {
         op.Click(IDC_LINKAGE_BUZZER);
         op.Pick(IDC_ALARM_INPUT, 1);
     },
     [](Operator& op, const std::u16string&) {
         op.Pick(IDC_ALARM_INPUT, 0);
         op.Click(IDC_LINKAGE_BUZZER);
     }},
};

class UndoneEdit : public ScenarioTest, public testing::WithParamInterface<UndoRow> {};

TEST_P(UndoneEdit, test_old_value_back_unmarks) {
    const UndoRow& row = GetParam();
    RunSession([this, &row](Operator& op) {
        std::u16string before;
        op.SelectTreeItem(row.node);
        row.edit(op, before);
        op.SelectTreeItem(u"Version");
        EXPECT_TRUE(IsBold(op, row.node));
        op.SelectTreeItem(row.node);
        row.undo(op, before);
        op.SelectTreeItem(u"Version");
        EXPECT_EQ(op.BoldNodes(), kNone);
        recorder.ClearLog();
    });
    EXPECT_EQ(recorder.LoggedFunctions(), (std::vector<std::string>{"zelDispSaveMenu"}));
}

INSTANTIATE_TEST_SUITE_P(Kinds, UndoneEdit, testing::ValuesIn(kUndoRows),
                         [](const testing::TestParamInfo<UndoRow>& info) {
                             return std::string(info.param.name);
                         });

// Records damaged throughout: what a page cannot show it keeps, so that merely showing every
// page leaves nothing to ask about when the window closes.
class DamagedRecords : public ScenarioTest, public testing::WithParamInterface<std::uint8_t> {};

TEST_P(DamagedRecords, test_showing_every_page_leaves_nothing_pending) {
    auto state = std::make_unique<device::RecordSet>();
    for (const records::RecordRow& row : records::Rows()) {
        const auto image = sim::RecordImage(row, *state);
        std::memset(image.data(), GetParam(), image.size());
        ASSERT_EQ(
            zsimSetRecord(recorder.handle(), row.name, image.data(), std::int32_t(image.size())), 0)
            << row.name;
    }
    RunSession([this](Operator& op) {
        for (const TreeNodeSeen& node : op.TreeNodes())
            op.SelectTreeItem(node.text);
        EXPECT_EQ(op.BoldNodes(), kNone);
        recorder.ClearLog();
        op.Close();
        EXPECT_FALSE(op.OpenMessageBox().has_value()) << "a question after only looking";
    });
    EXPECT_EQ(recorder.LoggedFunctions(), (std::vector<std::string>{"zelDispSaveMenu"}));
}

INSTANTIATE_TEST_SUITE_P(Fills, DamagedRecords, testing::Values(0x00, 0x7F, 0xA5, 0xFF));

// Closing.
class ClosingWindow : public ScenarioTest {
  protected:
    // Edits General and Network, leaving the shown page at Encode.
    static void EditTwoPages(Operator& op) {
        op.SelectTreeItem(u"Network");
        op.EnterAddress(IDC_NET_DNS1, 0x0A010203);
        op.SelectTreeItem(u"General");
        op.Type(IDC_NORMAL_LOGOUT, u"42");
        op.SelectTreeItem(u"Encode");
    }
};

const std::u16string kEnglishQuestion =
    u"Unsaved changes on: General, Network. Close without saving them?";

struct CloseWay {
    const char* name;
    void (*close)(Operator&);
};

const CloseWay kCloseWays[] = {
    {"CloseBox", [](Operator& op) { op.Close(); }},
    {"Escape", [](Operator& op) { op.Press(Key::Escape); }},
    {"AltF4", [](Operator& op) { op.Press(Key::AltF4); }},
};

class ClosingWays : public ClosingWindow, public testing::WithParamInterface<CloseWay> {};

TEST_P(ClosingWays, test_without_pending_edits_closes_at_once) {
    RunSession([this](Operator& op) {
        op.SelectTreeItem(u"General");
        const std::u16string before = op.Text(IDC_NORMAL_LOGOUT);
        op.Type(IDC_NORMAL_LOGOUT, before + u"1");
        op.Type(IDC_NORMAL_LOGOUT, before);
        recorder.ClearLog();
        GetParam().close(op);
        EXPECT_FALSE(op.OpenMessageBox().has_value());
        EXPECT_EQ(op.WindowCaption(), u"") << "the window is gone";
    });
    EXPECT_EQ(recorder.LoggedFunctions(), (std::vector<std::string>{"zelDispSaveMenu"}));
}

TEST_P(ClosingWays, test_yes_closes_as_without_edits) {
    RunSession([this](Operator& op) {
        EditTwoPages(op);
        recorder.ClearLog();
        GetParam().close(op);
        const auto box = op.OpenMessageBox();
        ASSERT_TRUE(box.has_value()) << "no question";
        EXPECT_EQ(box->text, kEnglishQuestion);
        EXPECT_EQ(box->caption, u"Info");
        EXPECT_EQ(box->type, ui::kMbYesNo | ui::kMbIconExclamation);
        EXPECT_FALSE(box->ownedByDesktop);
        EXPECT_EQ(box->ownerCaption, u"Config");
        op.AnswerMessageBox(ui::kIdYes);
        EXPECT_EQ(op.WindowCaption(), u"");
    });
    EXPECT_EQ(recorder.LoggedFunctions(), (std::vector<std::string>{"zelDispSaveMenu"}))
        << "nothing of the edits is sent";
}

INSTANTIATE_TEST_SUITE_P(Ways, ClosingWays, testing::ValuesIn(kCloseWays),
                         [](const testing::TestParamInfo<CloseWay>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(ClosingWindow, test_no_keeps_the_window_and_shows_the_first_pending_page) {
    RunSession([this](Operator& op) {
        EditTwoPages(op);
        recorder.ClearLog();
        op.Close();
        ExpectMessage(op, kEnglishQuestion, ui::kIdNo);
        EXPECT_EQ(op.WindowCaption(), u"Config");
        EXPECT_EQ(op.VisiblePages(), std::vector<std::u16string>{u"General"});
        EXPECT_EQ(op.SelectedTreeItem(), u"General");
        EXPECT_EQ(op.Text(IDC_NORMAL_LOGOUT), u"42") << "the edits stay";
        EXPECT_EQ((op.BoldNodes()), (std::vector<std::u16string>{u"General", u"Network"}));
        EXPECT_TRUE(recorder.LoggedFunctions().empty());

        // Saving one page leaves the other in the question.
        SaveAndSucceed(op);
        recorder.ClearLog();
        op.Press(Key::Escape);
        ExpectMessage(op, u"Unsaved changes on: Network. Close without saving them?", ui::kIdYes);
    });
    EXPECT_EQ(recorder.LoggedFunctions(), (std::vector<std::string>{"zelDispSaveMenu"}));
}

TEST_F(ClosingWindow, test_shown_page_is_checked_when_closing) {
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"General");
        op.Type(IDC_NORMAL_LOGOUT, u"42");
        op.Close();
        ExpectMessage(op, u"Unsaved changes on: General. Close without saving them?", ui::kIdNo);
        EXPECT_TRUE(IsBold(op, u"General"));
    });
}

struct LanguageRow {
    const char* name;
    std::uint32_t language;
    const char16_t* opening;
    const char16_t* separator;
    const char16_t* closing;
};

const LanguageRow kLanguages[] = {
    {"Chinese", 0, u"以下页面有未保存的修改：", u"、", u"。不保存就关闭吗？"},
    {"Portuguese", 3, u"Alterações não salvas em: ", u", ", u". Fechar sem salvá-las?"},
};

class ClosingLanguages : public ScenarioTest, public testing::WithParamInterface<LanguageRow> {};

TEST_P(ClosingLanguages, test_question_in_the_session_language) {
    const LanguageRow& row = GetParam();
    RunSession([&] { zelInitConfig(recorder.handle(), row.language); },
               [&](Operator& op) {
                   const std::vector<TreeNodeSeen> nodes = op.TreeNodes();
                   // The nodes of General and Network, by their places in the tree.
                   op.SelectTreeItem(nodes[9].text);
                   op.EnterAddress(IDC_NET_DNS1, 0x0A010203);
                   op.SelectTreeItem(nodes[5].text);
                   op.Type(IDC_NORMAL_LOGOUT, u"42");
                   op.Close();
                   const auto box = op.OpenMessageBox();
                   ASSERT_TRUE(box.has_value());
                   const auto name = [&row](std::uint32_t id) {
                       return text::LangText(row.language, id);
                   };
                   EXPECT_EQ(box->text, std::u16string(row.opening) + name(text::kTextGeneral) +
                                            row.separator + name(text::kTextNetwork) + row.closing);
                   op.AnswerMessageBox(ui::kIdYes);
               });
}

INSTANTIATE_TEST_SUITE_P(Languages, ClosingLanguages, testing::ValuesIn(kLanguages),
                         [](const testing::TestParamInfo<LanguageRow>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
