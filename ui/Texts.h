// The UI texts of the session's language. A text missing from the tables reads as empty.
#pragma once

#include <cstdint>
#include <string_view>

namespace ui {

std::u16string_view Text(std::uint32_t id);
std::u16string_view LongTextOf(std::uint32_t id);

}  // namespace ui
