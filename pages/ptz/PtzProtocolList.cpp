// The camera protocols a recorder supports.
#include "pages/ptz/PtzProtocolList.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string_view>

#include "device/Utf8Field.h"

namespace {

// A whole decimal number with an optional sign that fits an i16, else none.
std::optional<std::int16_t> CodeFromText(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int16_t>::max() + 1L)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

// The name as the list shows it: never half of a surrogate pair at the cut.
std::u16string ShownName(std::string_view utf8) {
    std::u16string name = device::DecodeUtf8Field(utf8.data(), utf8.size());
    if (name.size() > kPtzProtocolNameUnits) {
        std::size_t cut = kPtzProtocolNameUnits;
        if (name[cut - 1] >= 0xD800 && name[cut - 1] <= 0xDBFF)
            --cut;
        name.resize(cut);
    }
    return name;
}

}  // namespace

std::vector<PtzProtocol> ParsePtzProtocolList(std::span<const char> buffer, std::int32_t length) {
    std::vector<PtzProtocol> protocols;
    if (length <= 0)
        return protocols;
    std::string_view text(buffer.data(), std::min(buffer.size(), static_cast<std::size_t>(length)));
    text = text.substr(0, text.find('\0'));

    while (!text.empty()) {
        const std::size_t equals = text.find('=');
        if (equals == std::string_view::npos)
            break;
        const std::size_t bar = text.find('|', equals + 1);
        if (bar == std::string_view::npos)
            break;
        const std::optional<std::int16_t> code =
            CodeFromText(text.substr(equals + 1, bar - equals - 1));
        if (!code)
            break;
        protocols.push_back({ShownName(text.substr(0, equals)), *code});
        text.remove_prefix(bar + 1);
    }
    return protocols;
}
