// The number in a port edit, as the u16 a record stores.
#pragma once

#include <cstdint>
#include <string_view>

namespace ui {

// The leading decimal digits of the text, limited to 65535; no digits read as 0.
std::uint16_t PortFromText(std::u16string_view text);

}  // namespace ui
