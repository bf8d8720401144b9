// What only the headless backend does: hidden and disabled controls refuse the operator's
// input, controls a dialog addresses that its template lacks are reported, and message boxes
// without an operator get the safe answer. How its controls notify is checked against the real
// controls in the scenario suite.
#include <gtest/gtest.h>

#include "ui/Dialog.h"
#include "ui/Styles.h"
#include "ui/headless/HeadlessBackend.h"

namespace {

using ui::headless::HeadlessBackend;
using ui::headless::HeadlessWindow;

constexpr std::uint32_t kChild = ui::kWsChild | ui::kWsVisible;

const ui::ControlTemplate kControls[] = {
    {11, u"Edit", u"", kChild | ui::kEsNumber, 0, 20, 50, 12, 0},
    {20, u"Button", u"Stop", kChild | ui::kBsAutoRadioButton | ui::kWsGroup, 0, 60, 20, 10, 0},
    {41, u"Button", u"Save", ui::kWsChild | ui::kBsPushButton, 0, 110, 40, 14, 0},
    {42, u"Button", u"Off", kChild | ui::kWsDisabled | ui::kBsPushButton, 0, 130, 40, 14, 0},
};

const ui::DialogTemplate kTemplate = {
    1, ui::kWsChild | ui::kWsVisible, 0, 0, 200, 150, u"", u"MS Shell Dlg", 8, kControls};

class HeadlessControls : public testing::Test {
  protected:
    HeadlessControls() : window(backend, dialog, kTemplate, nullptr, false) {
        dialog.HandleInitDialog(window);
    }
    ~HeadlessControls() override { dialog.HandleDestroy(); }

    HeadlessBackend backend;
    ui::Dialog dialog{1};
    HeadlessWindow window;
};

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
