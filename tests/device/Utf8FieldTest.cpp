// Text fields of the records: decoding within the field, encoding with the terminator kept.
#include <gtest/gtest.h>

#include <cstring>

#include "device/Utf8Field.h"

namespace {

using device::DecodeUtf8Field;
using device::EncodeUtf8Field;

struct DecodeCase {
    const char* name;
    std::string bytes;  // the whole field
    std::u16string expected;
};

class Utf8FieldDecode : public testing::TestWithParam<DecodeCase> {};

TEST_P(Utf8FieldDecode, test_field_decodes_to) {
    const DecodeCase& c = GetParam();
    EXPECT_EQ(DecodeUtf8Field(c.bytes.data(), c.bytes.size()), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, Utf8FieldDecode,
    testing::Values(
        DecodeCase{"ascii_then_padding", std::string("DVR\0\0\0", 6), u"DVR"},
        DecodeCase{"stops_at_first_zero", std::string("ab\0cd", 5), u"ab"},
        DecodeCase{"full_field_without_zero", std::string("abcdefgh", 8), u"abcdefgh"},
        DecodeCase{"chinese", std::string("\xe9\x80\x9a\xe9\x81\x93\0", 7), u"通道"},
        DecodeCase{"four_byte_char_to_pair", std::string("\xf0\x9f\x98\x80\0", 5), u"\U0001F600"},
        DecodeCase{"lone_continuation", std::string("a\x80z\0", 4), u"a\uFFFDz"},
        DecodeCase{"invalid_lead_bytes", std::string("\xc0\xff", 2), u"\uFFFD\uFFFD"},
        DecodeCase{"truncated_sequence_at_field_end", std::string("ab\xe9\x80", 4), u"ab\uFFFD"},
        DecodeCase{"truncated_sequence_before_zero", std::string("\xe9\x80\0x", 4), u"\uFFFD"},
        DecodeCase{"overlong_slash", std::string("\xe0\x80\xaf", 3), u"\uFFFD\uFFFD\uFFFD"},
        DecodeCase{"encoded_surrogate", std::string("\xed\xa0\x80", 3), u"\uFFFD\uFFFD\uFFFD"},
        DecodeCase{"above_unicode_range", std::string("\xf4\x90\x80\x80", 4),
                   u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        DecodeCase{"empty_field", std::string("\0\0\0", 3), u""}),
    [](const testing::TestParamInfo<DecodeCase>& info) { return std::string(info.param.name); });

struct EncodeCase {
    const char* name;
    std::u16string text;
    std::size_t width;
    std::string expected;  // the whole field
};

class Utf8FieldEncode : public testing::TestWithParam<EncodeCase> {};

TEST_P(Utf8FieldEncode, test_field_holds) {
    const EncodeCase& c = GetParam();
    std::string field(c.width, '\x55');
    EncodeUtf8Field(c.text, field.data(), field.size());
    EXPECT_EQ(field, c.expected) << c.name;
    EXPECT_EQ(field.back(), '\0') << "the terminator stays inside the field";
}

INSTANTIATE_TEST_SUITE_P(
    Fields, Utf8FieldEncode,
    testing::Values(
        EncodeCase{"short_text_zero_padded", u"ab", 5, std::string("ab\0\0\0", 5)},
        EncodeCase{"exact_fit_keeps_terminator", u"abcd", 5, std::string("abcd\0", 5)},
        EncodeCase{"longer_text_cut", u"abcdefg", 5, std::string("abcd\0", 5)},
        // 通 is three bytes: with four bytes of room only one whole character fits.
        EncodeCase{"multibyte_cut_at_whole_character", u"通道", 5,
                   std::string("\xe9\x80\x9a\0\0", 5)},
        EncodeCase{"surrogate_pair_never_halved", u"a\U0001F600", 5, std::string("a\0\0\0\0", 5)},
        EncodeCase{"surrogate_pair_fits", u"\U0001F600", 5, std::string("\xf0\x9f\x98\x80\0", 5)},
        EncodeCase{"unpaired_surrogate_replaced", u"\xD800x", 6,
                   std::string("\xef\xbf\xbdx\0\0", 6)},
        EncodeCase{"empty_text", u"", 3, std::string("\0\0\0", 3)}),
    [](const testing::TestParamInfo<EncodeCase>& info) { return std::string(info.param.name); });

TEST(Utf8Field, test_size_counts_utf8_bytes) {
    EXPECT_EQ(device::Utf8Size(u"a"), 1u);
    EXPECT_EQ(device::Utf8Size(u"ção"), 5u);
    EXPECT_EQ(device::Utf8Size(u"通道"), 6u);
    EXPECT_EQ(device::Utf8Size(u"\U0001F600"), 4u);
    EXPECT_EQ(device::Utf8Size(u"\xDC00"), 3u);
}

}  // namespace
