// The limited edit: what its text becomes as the operator types or pastes, and which change
// notifications its dialog then sees.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/Utf8Field.h"
#include "ui/CMyEdit.h"
#include "ui/Dialog.h"
#include "ui/Styles.h"
#include "ui/headless/HeadlessBackend.h"

namespace {

using ui::headless::HeadlessBackend;
using ui::headless::HeadlessWindow;

constexpr std::uint32_t kVisibleChild = ui::kWsChild | ui::kWsVisible | ui::kWsTabStop;
constexpr int kTextEdit = 10;
constexpr int kNumberEdit = 11;

const ui::ControlTemplate kControls[] = {
    {kTextEdit, u"Edit", u"", kVisibleChild, 0, 0, 80, 12, 0},
    {kNumberEdit, u"Edit", u"", kVisibleChild | ui::kEsNumber, 0, 20, 40, 12, 0},
};
const ui::DialogTemplate kTemplate = {1,   kVisibleChild,   0, 0,        100, 40,
                                      u"", u"MS Shell Dlg", 8, kControls};

// Counts the change notifications that reach the dialog.
class EditDialog : public ui::Dialog {
  public:
    EditDialog() : Dialog(1) {}
    std::vector<int> changes;

  protected:
    bool OnCommand(int id, int code) override {
        if (code == ui::kEnChange)
            changes.push_back(id);
        return true;
    }
};

class LimitedEdit : public testing::Test {
  protected:
    LimitedEdit() : window(backend, dialog, kTemplate, nullptr, false) {
        dialog.HandleInitDialog(window);
        text.SetTextLimit(32);
        text.Attach(dialog, kTextEdit);
        number.SetNumeric(5, 600);
        number.Attach(dialog, kNumberEdit);
    }
    ~LimitedEdit() override { dialog.HandleDestroy(); }

    HeadlessBackend backend;
    EditDialog dialog;
    HeadlessWindow window;
    ui::CMyEdit text;
    ui::CMyEdit number;
};

struct TextCase {
    const char* name;
    std::u16string pasted;
    std::u16string kept;
};

class LimitedText : public LimitedEdit, public testing::WithParamInterface<TextCase> {};

TEST_P(LimitedText, test_text_is_cut_at_whole_characters_to_fit) {
    const TextCase& c = GetParam();
    window.UserPaste(kTextEdit, c.pasted);
    const std::u16string shown = window.ControlText(kTextEdit);
    EXPECT_EQ(shown, c.kept) << c.name << ": " << shown.size() << " units kept";
    const int end = int(c.kept.size());
    EXPECT_EQ(window.EditSelection(kTextEdit), (ui::TextRange{end, end})) << "caret at the end";
    EXPECT_LE(device::Utf8Size(shown) + 1, 32u);
    EXPECT_FALSE(dialog.changes.empty()) << "the change reaches the dialog";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LimitedText,
    testing::Values(
        TextCase{"ascii_31_kept", std::u16string(31, u'y'), std::u16string(31, u'y')},
        // Seven emoji are 28 bytes; an eighth would make 32 and leave no room for the zero.
        TextCase{"emoji_never_split",
                 u"abc\U0001F600\U0001F600\U0001F600\U0001F600\U0001F600"
                 u"\U0001F600\U0001F600",
                 u"abc\U0001F600\U0001F600\U0001F600\U0001F600\U0001F600\U0001F600\U0001F600"},
        TextCase{"emoji_pair_dropped_whole", std::u16string(29, u'z') + u"\U0001F600",
                 std::u16string(29, u'z')}),
    [](const testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

struct NumberCase {
    const char* name;
    bool paste;
    std::u16string input;
    std::u16string shown;
    int caret;
};

class LimitedNumber : public LimitedEdit, public testing::WithParamInterface<NumberCase> {};

TEST_P(LimitedNumber, test_number_stays_in_range) {
    const NumberCase& c = GetParam();
    window.SetControlText(kNumberEdit, u"42");
    if (c.paste) {
        window.UserPaste(kNumberEdit, c.input);
    } else {
        window.UserType(kNumberEdit, c.input);
    }
    EXPECT_EQ(window.ControlText(kNumberEdit), c.shown) << c.name;
    EXPECT_EQ(window.EditSelection(kNumberEdit), (ui::TextRange{c.caret, c.caret})) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, LimitedNumber,
    testing::Values(NumberCase{"below_minimum", false, u"3", u"5", 1},
                    // The zero's caret, after it, wins over the minimum's, at the start.
                    NumberCase{"cleared_shows_zero_then_minimum", true, u"", u"5", 1},
                    NumberCase{"pasted_text_takes_minimum", true, u"abc", u"5", 1},
                    NumberCase{"pasted_huge", true, u"123456789012345678901234", u"600", 3}),
    [](const testing::TestParamInfo<NumberCase>& info) { return std::string(info.param.name); });

TEST_F(LimitedEdit, test_cleared_number_notifies_once_through_its_replacement) {
    number.SetNumeric(0, 65535);
    window.SetControlText(kNumberEdit, u"80");
    dialog.changes.clear();
    window.UserPaste(kNumberEdit, u"");
    EXPECT_EQ(window.ControlText(kNumberEdit), u"0");
    EXPECT_EQ(dialog.changes, std::vector<int>{kNumberEdit})
        << "the emptied text ends its event; the replacement's event reaches the dialog";
}

}  // namespace
