// The number in a port edit.
#include "ui/PortText.h"

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

}  // namespace ui
