// The one reader of numbers in edit and list texts.
#include "ui/NumberText.h"

#include <algorithm>
#include <limits>

namespace ui {

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

std::int32_t IntegerFromText(std::u16string_view text, std::int32_t minimum, std::int32_t maximum) {
    return std::clamp(IntegerFromText(text), minimum, maximum);
}

}  // namespace ui
