// printf-style formatting of numbers into UI text (the formats are ASCII).
#pragma once

#include <string>

namespace ui {

std::u16string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace ui
