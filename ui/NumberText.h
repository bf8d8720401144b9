// The one reader of numbers in edit and list texts, as the record fields store them.
#pragma once

#include <cstdint>
#include <string_view>

namespace ui {

// The integer at the start of the text, after blanks and an optional sign, as the platform's
// wide-string-to-integer conversion reads it; no digits read as 0. Saturates at the i32 range.
std::int32_t IntegerFromText(std::u16string_view text);

// The same, limited to minimum..maximum.
std::int32_t IntegerFromText(std::u16string_view text, std::int32_t minimum, std::int32_t maximum);

}  // namespace ui
