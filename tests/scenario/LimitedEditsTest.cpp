// The pages' limited edits as the operator types and pastes into them: the text they end with
// and where the caret then stands, and the edit's own selection and caret rules.
#include <gtest/gtest.h>

#include <string>

#include "device/Utf8Field.h"
#include "res/resource.h"
#include "tests/support/ScenarioTest.h"

namespace {

using testsupport::Operator;
using testsupport::ScenarioTest;
using ui::TextRange;

std::string Utf8(const std::u16string& text) {
    return device::EncodeUtf8(text);
}

constexpr int kAll = -1;   // select the whole text
constexpr int kKeep = -2;  // leave the caret where it stands

// The field may first get a text pasted over it; then the operator selects and types or
// pastes the input.
struct EditCase {
    const char* name;
    const char16_t* page;
    int id;
    const char16_t* before;  // null: the page's text
    int at;
    bool paste;
    std::u16string input;
    std::u16string shown;
    int caret;
};

void PrintTo(const EditCase& c, std::ostream* out) {
    *out << c.name;
}

class LimitedEdits : public ScenarioTest, public testing::WithParamInterface<EditCase> {};

TEST_P(LimitedEdits, test_edit_keeps_the_caret_where_the_operator_types) {
    RunSession([](Operator& op) {
        const EditCase& c = GetParam();
        op.SelectTreeItem(c.page);
        if (c.before)
            op.Paste(c.id, c.before);
        if (c.at == kAll) {
            op.SelectText(c.id, 0, -1);
        } else if (c.at != kKeep) {
            op.SelectText(c.id, c.at, c.at);
        }
        if (c.paste) {
            op.PasteAtCaret(c.id, c.input);
        } else {
            op.TypeAtCaret(c.id, c.input);
        }
        EXPECT_EQ(Utf8(op.Text(c.id)), Utf8(c.shown));
        EXPECT_EQ(op.TextSelection(c.id), (TextRange{c.caret, c.caret}));
    });
}

// Logout 0..255, pack 0..1440, ports 0..65535; the DVR number keeps 15 UTF-8 bytes, the
// network services' names 30 and their passwords 14.
constexpr auto kGeneral = u"General";
constexpr auto kNetwork = u"Network";
constexpr int kDvrNo = IDC_NORMAL_DVR_NO;

INSTANTIATE_TEST_SUITE_P(
    Inputs, LimitedEdits,
    testing::Values(
        EditCase{"port_typed_past_maximum", kNetwork, IDC_NET_CMD_PORT, nullptr, kAll, false,
                 u"70000", u"65535", 5},
        EditCase{"logout_typed_on_at_maximum", kGeneral, IDC_NORMAL_LOGOUT, u"255", 3, false, u"7",
                 u"255", 3},
        EditCase{"pack_typed_past_maximum_in_the_middle", kGeneral, IDC_NORMAL_PACK, u"1400", 2,
                 false, u"9", u"1440", 3},
        EditCase{"logout_cleared_and_retyped", kGeneral, IDC_NORMAL_LOGOUT, nullptr, kAll, false,
                 u"\b300", u"255", 3},
        EditCase{"port_cleared_and_retyped", kNetwork, IDC_NET_HTTP_PORT, u"", kKeep, false, u"80",
                 u"080", 3},
        EditCase{"port_pasted_into_the_middle", kNetwork, IDC_NET_DATA_PORT, u"8080", 1, true, u"9",
                 u"65535", 2},
        EditCase{"port_pasted_huge", kNetwork, IDC_NET_CMD_PORT, nullptr, kAll, true,
                 u"123456789012345678901234", u"65535", 5},
        EditCase{"port_pasted_text_takes_the_minimum", kNetwork, IDC_NET_CMD_PORT, nullptr, kAll,
                 true, u"abc", u"0", 1},
        // Two emoji are 8 bytes; a third would make 16 of the 15 the field keeps.
        EditCase{"dvr_number_never_splits_a_pair", kGeneral, kDvrNo, nullptr, kAll, true,
                 u"abcd\U0001F600\U0001F600\U0001F600", u"abcd\U0001F600\U0001F600", 8},
        EditCase{"dvr_number_typed_past_limit", kGeneral, kDvrNo, nullptr, kAll, false,
                 u"ABCDEFGHIJKLMNOPQRST", u"ABCDEFGHIJKLMNO", 15},
        EditCase{"dvr_number_takes_one_byte_after_a_cut_character", kGeneral, kDvrNo, nullptr, kAll,
                 false, u"abcdefghijklm一n", u"abcdefghijklmn", 14},
        EditCase{"dvr_number_long_paste_into_the_middle", kGeneral, kDvrNo, u"123456789", 3, true,
                 u"ABCDEFGHIJKLMNOPQRST", u"123ABCDEFGHIJKL", 15},
        EditCase{"dvr_number_chinese_pasted_into_the_middle", kGeneral, kDvrNo, u"一二三", 1, true,
                 u"四五六", u"一四五六二", 4},
        EditCase{"ntp_server_typed_past_30_bytes", u"NTP Server", IDC_NTP_SERVER, nullptr, kAll,
                 false, u"abcdefghijklmnopqrstuvwxyz01234", u"abcdefghijklmnopqrstuvwxyz0123", 30},
        EditCase{"ddns_domain_typed_chinese_past_30_bytes", u"DDNS Server", IDC_DDNS_DOMAIN,
                 nullptr, kAll, false, u"一二三四五六七八九十百", u"一二三四五六七八九十", 10},
        EditCase{"mail_password_typed_past_14_bytes", u"Email", IDC_MAIL_PASSWORD, nullptr, kAll,
                 false, u"abcdefghijklmno", u"abcdefghijklmn", 14},
        EditCase{"dial_password_chinese_pasted_past_14_bytes", u"PPPOE", IDC_PPPOE_PASSWORD,
                 nullptr, kAll, true, u"一二三四五", u"一二三四", 4}),
    [](const testing::TestParamInfo<EditCase>& info) { return std::string(info.param.name); });

// What the platform's edit does with the selection when nothing is limited.
using PlatformEdit = ScenarioTest;

TEST_F(PlatformEdit, test_edit_selection_and_caret_follow_the_platform) {
    RunSession([](Operator& op) {
        op.SelectTreeItem(u"General");
        const int id = kDvrNo;
        op.Paste(id, u"123456789");
        EXPECT_EQ(op.TextSelection(id), (TextRange{9, 9})) << "after the pasted text";
        op.SelectText(id, 5, 2);
        EXPECT_EQ(op.TextSelection(id), (TextRange{2, 5})) << "read in order";
        op.TypeAtCaret(id, u"x");
        EXPECT_EQ(Utf8(op.Text(id)), "12x6789") << "typing replaces the selection";
        EXPECT_EQ(op.TextSelection(id), (TextRange{3, 3}));
        op.SelectText(id, 1, 3);
        op.TypeAtCaret(id, u"\b");
        EXPECT_EQ(Utf8(op.Text(id)), "16789") << "backspace deletes the selection";
        op.TypeAtCaret(id, u"\b");
        EXPECT_EQ(Utf8(op.Text(id)), "6789") << "then the character before the caret";
        EXPECT_EQ(op.TextSelection(id), (TextRange{0, 0}));
        op.SelectText(id, -1, 0);
        EXPECT_EQ(op.TextSelection(id), (TextRange{4, 4}))
            << "focusing selected the text; -1 leaves the caret at its end";
        op.SelectText(id, 2, 99);
        EXPECT_EQ(op.TextSelection(id), (TextRange{2, 4})) << "limited to the text";
        op.Focus(IDC_NORMAL_PACK);
        EXPECT_EQ(op.TextSelection(IDC_NORMAL_PACK), (TextRange{0, 2}))
            << "the dialog focuses an edit with its text selected";
    });
}

}  // namespace
