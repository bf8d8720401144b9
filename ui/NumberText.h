// Numbers read from edit texts, as the record fields store them.
#pragma once

#include <cstdint>
#include <string_view>

namespace ui {

// The leading decimal digits of the text, limited to 65535; no digits read as 0.
std::uint16_t PortFromText(std::u16string_view text);

// The integer at the start of the text, after blanks and an optional sign, as the platform's
// wide-string-to-integer conversion reads it; no digits read as 0. Saturates at the i32 range.
std::int32_t IntegerFromText(std::u16string_view text);

}  // namespace ui
