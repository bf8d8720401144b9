// Numbers read from edit texts.
#include "ui/NumberText.h"

#include <limits>

namespace ui {

std::uint16_t PortFromText(std::u16string_view text) {
    std::uint32_t value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9')
            break;
        value = value * 10 + std::uint32_t(c - u'0');
        if (value > 65535)
            return 65535;
    }
    return static_cast<std::uint16_t>(value);
}

std::int32_t IntegerFromText(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    long long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i] - u'0');
        if (value > std::numeric_limits<std::int32_t>::max()) {
            value = std::numeric_limits<std::int32_t>::max() + (negative ? 1LL : 0LL);
            break;
        }
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace ui
