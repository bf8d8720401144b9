// printf-style formatting of numbers into UI text.
#include "ui/Format.h"

#include <cstdarg>
#include <cstdio>

namespace ui {

std::u16string Format(const char* format, ...) {
    char buffer[128];
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (length < 0)
        return {};
    const int used = length < int(sizeof buffer) ? length : int(sizeof buffer) - 1;
    return std::u16string(buffer, buffer + used);
}

}  // namespace ui
