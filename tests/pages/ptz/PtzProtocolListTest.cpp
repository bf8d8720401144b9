// Reading the recorder's protocol list: well-formed lists, lists that end early, names the
// list cannot show whole, codes that are no 16-bit numbers, and lengths beyond the text.
#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <string>
#include <vector>

#include "pages/ptz/PtzProtocolList.h"

// How GoogleTest shows a protocol: its name as UTF-16 text, and its code.
void PrintTo(const PtzProtocol& protocol, std::ostream* out) {
    *out << testing::PrintToString(protocol.name) << '=' << protocol.code;
}

namespace {

// The length the recorder reports is that of the text, unless a case says otherwise.
constexpr std::int32_t kTextLength = INT32_MIN;

const std::string kCamera = "\xF0\x9F\x93\xB7";  // U+1F4F7, two UTF-16 units

std::string Repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

TEST(ProtocolLists, test_parsed_entries) {
    const struct {
        const char* name;
        std::string text;
        std::int32_t length;
        std::vector<PtzProtocol> expected;
    } cases[] = {
        {"normal", "A=1|B=2|", kTextLength, {{u"A", 1}, {u"B", 2}}},
        {"any_codes", "P-D=9|P-P=0|X=-3|", kTextLength, {{u"P-D", 9}, {u"P-P", 0}, {u"X", -3}}},
        {"missing_final_bar", "A=1|B=2", kTextLength, {{u"A", 1}}},
        {"no_equals", "A=1|B|", kTextLength, {{u"A", 1}}},
        {"failed_call", "A=1|", -2, {}},
        {"length_cuts_an_entry", "A=1|B=22|", 7, {{u"A", 1}}},
        {"ends_at_the_terminator", std::string("A=1|\0B=2|", 9), 9, {{u"A", 1}}},
        {"long_name_cut_to_31",
         std::string(40, 'x') + "=5|",
         kTextLength,
         {{std::u16string(31, u'x'), 5}}},
        {"multibyte_names", "云台=7|Câmera=8|", kTextLength, {{u"云台", 7}, {u"Câmera", 8}}},
        // The 31st unit would be the first half of the eighth camera.
        {"cut_before_half_a_pair",
         std::string(16, 'a') + Repeat(kCamera, 8) + "=1|",
         kTextLength,
         {{std::u16string(16, u'a') + u"📷📷📷📷📷📷📷", 1}}},
        {"invalid_utf8_name", "\xFF=4|", kTextLength, {{u"\uFFFD", 4}}},
        {"non_numeric_code", "A=1|B= 2|C=3|", kTextLength, {{u"A", 1}}},
        {"extreme_codes", "A=32767|B=-32768|", kTextLength, {{u"A", 32767}, {u"B", -32768}}},
        {"code_above_16_bits", "A=1|B=32768|C=3|", kTextLength, {{u"A", 1}}},
        {"huge_code", "A=99999999999999999999|", kTextLength, {}},
    };
    for (const auto& c : cases) {
        const std::int32_t length =
            c.length == kTextLength ? std::int32_t(c.text.size()) : c.length;
        EXPECT_EQ(ParsePtzProtocolList(c.text, length), c.expected) << c.name;
    }
}

TEST(ProtocolListBuffer, test_length_beyond_the_buffer_reads_only_the_buffer) {
    // A full buffer without a terminator, ending in a cut entry; the recorder claims more.
    // Exactly the buffer's bytes on the heap, so that a read beyond them is caught.
    std::string text = Repeat("P=1|", 15) + "Q=";
    text.resize(64, '7');
    const std::vector<char> buffer(text.begin(), text.end());
    EXPECT_EQ(ParsePtzProtocolList(buffer, 1 << 30).size(), 15u) << "the complete entries only";
    EXPECT_EQ(ParsePtzProtocolList(buffer, INT32_MAX).size(), 15u);
}

}  // namespace
