// Enter as an operator uses it: on a focused push button of a page or a dialog it presses that
// button; elsewhere it is the window's closing check. And the dialogs with a Save of their own,
// which ask before Cancel, Escape or the close box drop their edits.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/scenario/PageRows.h"
#include "tests/support/ScenarioTest.h"
#include "ui/Styles.h"

namespace {

using namespace testsupport;

// Tabs until the focus is on the control of the dialog; false when a round ends first.
bool TabTo(Operator& op, const FocusSeen& target) {
    for (int i = 0; i < 40; ++i) {
        if (op.Focused() == target)
            return true;
        op.Press(Key::Tab);
    }
    return op.Focused() == target;
}

class EnterKey : public ScenarioTest {};

TEST_F(EnterKey, test_enter_on_a_pages_save_saves_the_page_and_the_window_stays) {
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"General");
        op.Type(IDC_NORMAL_LOGOUT, u"42");
        ASSERT_TRUE(TabTo(op, {u"General", IDC_SAVE}));
        op.Press(Key::Enter);
        ExpectMessage(op, u"Succeed");
        EXPECT_EQ(op.WindowCaption(), u"Config");
        op.Close();
        EXPECT_FALSE(op.OpenMessageBox().has_value()) << "nothing left to ask about";
    });
    const auto sent = Calls("zelDispHisiNewMenuNormalSet");
    ASSERT_EQ(sent.size(), 1u);
}

TEST_F(EnterKey, test_enter_elsewhere_is_the_closing_check) {
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"General");
        op.Type(IDC_NORMAL_LOGOUT, u"42");
        ASSERT_TRUE(TabTo(op, {u"General", IDC_NORMAL_LOGOUT}));
        op.Press(Key::Enter);
        ExpectMessage(op, u"Unsaved changes on: General. Close without saving them?", ui::kIdNo);
        EXPECT_EQ(op.WindowCaption(), u"Config") << "No keeps the window";
        EXPECT_EQ(op.Text(IDC_NORMAL_LOGOUT), u"42");
        op.Close();
        ExpectMessage(op, u"Unsaved changes on: General. Close without saving them?", ui::kIdYes);
    });
    EXPECT_EQ(CallCount("zelDispHisiNewMenuNormalSet"), 0);
}

TEST_F(EnterKey, test_enter_on_a_dialogs_save_saves_the_dialog) {
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"Display");
        op.Click(IDC_SETTING);
        op.Type(IDC_CHANNAME_EDIT1, u"Gate");
        const std::u16string dialog = op.Focused().dialog;
        ASSERT_TRUE(TabTo(op, {dialog, IDC_SAVE}));
        op.Press(Key::Enter);
        ExpectMessage(op, u"Succeed");
        EXPECT_EQ(op.Text(IDC_CHANNAME_EDIT1), u"Gate") << "the dialog stays open";
        op.Press(Key::Escape);
        EXPECT_FALSE(op.OpenMessageBox().has_value()) << "its edits were sent";
    });
    EXPECT_EQ(CallCount("zelDispHisiNewMenuChanNameSet"), 1);
}

// Each dialog with a Save of its own.
class DialogEdits : public ScenarioTest, public testing::WithParamInterface<DialogRow> {
  protected:
    // Opens the dialog from its page; its caption.
    static std::u16string Open(Operator& op, const DialogRow& dialog) {
        op.SelectTreeItem(dialog.page);
        op.Click(dialog.button);
        return op.Focused().dialog;
    }
};

TEST_P(DialogEdits, test_cancel_escape_and_the_close_box_ask_before_dropping_edits) {
    const DialogRow& dialog = GetParam();
    RunSession([&dialog](Operator& op) {
        const std::u16string caption = Open(op, dialog);
        ASSERT_NE(caption, u"Config") << "the dialog is in front";
        op.Click(ui::kIdCancel);
        EXPECT_FALSE(op.OpenMessageBox().has_value()) << "nothing to ask without edits";
        EXPECT_NE(op.Focused().dialog, caption) << "closed";

        Open(op, dialog);
        dialog.edit(op);
        const std::u16string question =
            u"Unsaved changes on: " + caption + u". Close without saving them?";
        for (Key key : {Key::Escape, Key::AltF4}) {
            op.Press(key);
            const auto box = op.OpenMessageBox();
            ASSERT_TRUE(box.has_value()) << "no question";
            EXPECT_EQ(box->text, question);
            EXPECT_EQ(box->type, ui::kMbYesNo | ui::kMbIconExclamation);
            EXPECT_EQ(box->ownerCaption, caption) << "owned by the dialog";
            op.AnswerMessageBox(ui::kIdNo);
            EXPECT_EQ(op.Focused().dialog, caption) << "No keeps the dialog open";
        }
        op.Click(ui::kIdCancel);
        ExpectMessage(op, question, ui::kIdYes);
        EXPECT_NE(op.Focused().dialog, caption) << "Yes drops the edits and closes";
    });
    EXPECT_EQ(CallCount(dialog.setFunction), 0);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DialogEdits, testing::ValuesIn(DialogRows()),
                         [](const testing::TestParamInfo<DialogRow>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
