// Text fields of the records: decoding within the field, encoding with the terminator kept.
#include <gtest/gtest.h>

#include <cstring>

#include "device/Utf8Field.h"

namespace {

using device::DecodeUtf8Field;
using device::EncodeUtf8Field;

TEST(Utf8Field, test_field_decodes_to) {
    const struct {
        const char* name;
        std::string bytes;  // the whole field
        std::u16string expected;
    } cases[] = {
        {"ascii_then_padding", std::string("DVR\0\0\0", 6), u"DVR"},
        {"stops_at_first_zero", std::string("ab\0cd", 5), u"ab"},
        {"full_field_without_zero", std::string("abcdefgh", 8), u"abcdefgh"},
        {"chinese", std::string("\xe9\x80\x9a\xe9\x81\x93\0", 7), u"通道"},
        {"four_byte_char_to_pair", std::string("\xf0\x9f\x98\x80\0", 5), u"\U0001F600"},
        {"lone_continuation", std::string("a\x80z\0", 4), u"a\uFFFDz"},
        {"invalid_lead_bytes", std::string("\xc0\xff", 2), u"\uFFFD\uFFFD"},
        {"truncated_sequence_at_field_end", std::string("ab\xe9\x80", 4), u"ab\uFFFD"},
        {"truncated_sequence_before_zero", std::string("\xe9\x80\0x", 4), u"\uFFFD"},
        {"overlong_slash", std::string("\xe0\x80\xaf", 3), u"\uFFFD\uFFFD\uFFFD"},
        {"encoded_surrogate", std::string("\xed\xa0\x80", 3), u"\uFFFD\uFFFD\uFFFD"},
        {"above_unicode_range", std::string("\xf4\x90\x80\x80", 4), u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"empty_field", std::string("\0\0\0", 3), u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeUtf8Field(c.bytes.data(), c.bytes.size()), c.expected) << c.name;
}

TEST(Utf8Field, test_field_holds_the_text_cut_at_whole_characters_and_the_terminator) {
    const struct {
        const char* name;
        std::u16string text;
        std::size_t width;
        std::string expected;  // the whole field
    } cases[] = {
        {"short_text_zero_padded", u"ab", 5, std::string("ab\0\0\0", 5)},
        {"exact_fit_keeps_terminator", u"abcd", 5, std::string("abcd\0", 5)},
        {"longer_text_cut", u"abcdefg", 5, std::string("abcd\0", 5)},
        // 通 is three bytes: with four bytes of room only one whole character fits.
        {"multibyte_cut_at_whole_character", u"通道", 5, std::string("\xe9\x80\x9a\0\0", 5)},
        {"surrogate_pair_never_halved", u"a\U0001F600", 5, std::string("a\0\0\0\0", 5)},
        {"surrogate_pair_fits", u"\U0001F600", 5, std::string("\xf0\x9f\x98\x80\0", 5)},
        {"unpaired_surrogate_replaced", u"\xD800x", 6, std::string("\xef\xbf\xbdx\0\0", 6)},
        {"empty_text", u"", 3, std::string("\0\0\0", 3)},
    };
    for (const auto& c : cases) {
        std::string field(c.width, '\x55');
        EncodeUtf8Field(c.text, field.data(), field.size());
        EXPECT_EQ(field, c.expected) << c.name;
    }
}

TEST(Utf8Field, test_size_counts_utf8_bytes) {
    EXPECT_EQ(device::Utf8Size(u"a"), 1u);
    EXPECT_EQ(device::Utf8Size(u"ção"), 5u);
    EXPECT_EQ(device::Utf8Size(u"通道"), 6u);
    EXPECT_EQ(device::Utf8Size(u"\U0001F600"), 4u);
    EXPECT_EQ(device::Utf8Size(u"\xDC00"), 3u);
}

}  // namespace
