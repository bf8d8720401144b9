// The headless controls behave like the platform's in what the dialogs rely on: which
// changes raise notifications, select-string, radio groups, hidden and disabled controls.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "ui/Dialog.h"
#include "ui/Styles.h"
#include "ui/headless/HeadlessBackend.h"

namespace {

using ui::headless::HeadlessBackend;
using ui::headless::HeadlessWindow;

constexpr std::uint32_t kChild = ui::kWsChild | ui::kWsVisible;

const ui::ControlTemplate kControls[] = {
    {10, u"ComboBox", u"", kChild | ui::kCbsDropDownList, 0, 0, 50, 80, 0},
    {11, u"Edit", u"", kChild | ui::kEsNumber, 0, 20, 50, 12, 0},
    {12, u"Edit", u"", kChild, 0, 40, 50, 12, 0},
    {20, u"Button", u"Stop", kChild | ui::kBsAutoRadioButton | ui::kWsGroup, 0, 60, 20, 10, 0},
    {21, u"Button", u"Manual", kChild | ui::kBsAutoRadioButton, 0, 70, 20, 10, 0},
    {22, u"Button", u"Auto", kChild | ui::kBsAutoRadioButton, 0, 80, 20, 10, 0},
    {30, u"Button", u"Stop", kChild | ui::kBsAutoRadioButton | ui::kWsGroup, 30, 60, 20, 10, 0},
    {31, u"Button", u"Auto", kChild | ui::kBsAutoRadioButton, 30, 70, 20, 10, 0},
    {40, u"Button", u"Used", kChild | ui::kBsAutoCheckBox | ui::kWsGroup, 0, 100, 40, 10, 0},
    {41, u"Button", u"Save", ui::kWsChild | ui::kBsPushButton, 0, 110, 40, 14, 0},
    {42, u"Button", u"Off", kChild | ui::kWsDisabled | ui::kBsPushButton, 0, 130, 40, 14, 0},
};

const ui::DialogTemplate kTemplate = {
    1, ui::kWsChild | ui::kWsVisible, 0, 0, 200, 150, u"", u"MS Shell Dlg", 8, kControls};

// Records every notification it receives.
class RecordingDialog : public ui::Dialog {
  public:
    RecordingDialog() : Dialog(1) {}
    std::vector<std::pair<int, int>> commands;

  protected:
    bool OnCommand(int id, int code) override {
        commands.emplace_back(id, code);
        return true;
    }
};

class HeadlessControls : public testing::Test {
  protected:
    HeadlessControls() : window(backend, dialog, kTemplate, nullptr, false) {
        dialog.HandleInitDialog(window);
        for (const char16_t* entry : {u"CIF", u"HD1", u"D1", u"QCIF", u"cam 2"}) {
            window.ComboAddString(10, entry);
        }
        dialog.commands.clear();
    }
    ~HeadlessControls() override { dialog.HandleDestroy(); }

    HeadlessBackend backend;
    RecordingDialog dialog;
    HeadlessWindow window;
};

TEST_F(HeadlessControls, test_combo_programmatic_selection_is_silent_user_pick_notifies) {
    window.ComboSetCurSel(10, 2);
    EXPECT_TRUE(dialog.commands.empty());
    EXPECT_EQ(window.ControlText(10), u"D1");
    EXPECT_TRUE(window.UserPick(10, 3));
    EXPECT_EQ(dialog.commands, (std::vector<std::pair<int, int>>{{10, ui::kCbnSelChange}}));
    EXPECT_EQ(window.ComboCurSel(10), 3);
    EXPECT_FALSE(window.UserPick(10, 5)) << "no such entry";
}

TEST_F(HeadlessControls, test_select_string_starts_after_index_wraps_and_ignores_case) {
    const struct {
        int startAfter;
        std::u16string prefix;
        int found;
    } cases[] = {
        {-1, u"q", 3}, {-1, u"CIF", 0}, {0, u"c", 4},  {4, u"c", 0},
        {3, u"H", 1},  {-1, u"x", -1},  {99, u"D", 2}, {1, u"HD1", 1},
    };
    for (const auto& c : cases) {
        window.ComboSetCurSel(10, 2);
        EXPECT_EQ(window.ComboSelectString(10, c.startAfter, c.prefix), c.found)
            << "after " << c.startAfter;
        EXPECT_EQ(window.ComboCurSel(10), c.found < 0 ? 2 : c.found) << "after " << c.startAfter;
    }
    EXPECT_TRUE(dialog.commands.empty()) << "select-string raises no notification";
}

TEST_F(HeadlessControls, test_edit_text_changes_notify_and_number_only_refuses_letters) {
    window.SetControlText(11, u"12");
    EXPECT_EQ(dialog.commands, (std::vector<std::pair<int, int>>{{11, ui::kEnChange}}));
    dialog.commands.clear();

    EXPECT_TRUE(window.UserType(11, u"4a2"));
    EXPECT_EQ(window.ControlText(11), u"42") << "typing replaces the whole text";
    EXPECT_EQ(dialog.commands.size(), 2u) << "one notification per accepted character";

    dialog.commands.clear();
    EXPECT_TRUE(window.UserPaste(11, u"abc"));
    EXPECT_EQ(window.ControlText(11), u"abc") << "pasting is not filtered";
    EXPECT_EQ(dialog.commands.size(), 1u);

    dialog.commands.clear();
    window.SetControlText(12, u"");
    EXPECT_TRUE(dialog.commands.empty()) << "empty to empty is no change";
}

TEST_F(HeadlessControls, test_radio_groups_follow_template_order) {
    EXPECT_EQ(window.RadioGroup(20), (std::vector<int>{20, 21, 22}));
    EXPECT_EQ(window.RadioGroup(30), (std::vector<int>{30, 31}));
    window.SetCheck(30, true);
    EXPECT_TRUE(window.UserClick(22));
    EXPECT_TRUE(window.IsChecked(22));
    EXPECT_TRUE(window.UserClick(21));
    EXPECT_TRUE(window.IsChecked(21));
    EXPECT_FALSE(window.IsChecked(22));
    EXPECT_TRUE(window.IsChecked(30)) << "another group is left alone";
    EXPECT_EQ(dialog.commands,
              (std::vector<std::pair<int, int>>{{22, ui::kBnClicked}, {21, ui::kBnClicked}}));
}

TEST_F(HeadlessControls, test_check_box_toggles_and_set_check_is_silent) {
    window.SetCheck(40, true);
    EXPECT_TRUE(dialog.commands.empty());
    EXPECT_TRUE(window.UserClick(40));
    EXPECT_FALSE(window.IsChecked(40));
    EXPECT_EQ(dialog.commands.size(), 1u);
}

TEST_F(HeadlessControls, test_hidden_and_disabled_controls_take_no_input) {
    EXPECT_FALSE(window.UserClick(41)) << "hidden in the template";
    window.ShowControl(41, true);
    EXPECT_TRUE(window.UserClick(41));
    EXPECT_FALSE(window.UserClick(42)) << "disabled in the template";
    window.EnableControl(42, true);
    EXPECT_TRUE(window.UserClick(42));
    window.ShowControl(11, false);
    EXPECT_FALSE(window.UserType(11, u"1"));
    EXPECT_FALSE(window.UserClick(99)) << "no such control";
    EXPECT_EQ(window.Focus(), 42);
}

TEST_F(HeadlessControls, test_controls_missing_from_the_template_are_reported) {
    window.ComboAddString(11, u"an edit is no list");
    window.SetControlText(77, u"no such control");
    window.SetCheck(20, true);  // a radio button takes a check
    ASSERT_EQ(backend.Misuses().size(), 2u);
    EXPECT_EQ(backend.Misuses()[0].controlId, 11);
    EXPECT_EQ(backend.Misuses()[0].operation, "ComboAddString");
    EXPECT_EQ(backend.Misuses()[1].controlId, 77);
    EXPECT_EQ(window.ControlText(11), u"") << "the edit was left alone";
}

TEST(HeadlessBackendWithoutOperator, test_message_boxes_get_the_safe_answer) {
    HeadlessBackend backend;
    EXPECT_EQ(backend.DesktopMessageBox(u"Restart?", u"Info", ui::kMbYesNo), ui::kIdNo);
    EXPECT_EQ(backend.DesktopMessageBox(u"Done", u"Info", ui::kMbOk), ui::kIdOk);
    ASSERT_EQ(backend.MessageBoxLog().size(), 2u);
    EXPECT_EQ(backend.MessageBoxLog()[0].owner, nullptr);
    EXPECT_EQ(backend.MessageBoxLog()[0].text, u"Restart?");
}

}  // namespace
