// The readable forms of record values in a configuration file.
#include "config/FieldText.h"

#include <algorithm>
#include <cstdio>

#include "device/PackedDateTime.h"
#include "device/Utf8Field.h"

namespace config {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string FormatAddress(std::uint32_t a) {
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", unsigned(a >> 24), unsigned((a >> 16) & 255),
                  unsigned((a >> 8) & 255), unsigned(a & 255));
    return text;
}

std::string FormatHourMinute(int hour, int minute) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    return text;
}

std::string FormatPackedDateTime(std::uint32_t packed) {
    const device::DateTime t = device::UnpackDateTime(packed);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

std::string FormatHex(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (std::uint8_t b : bytes) {
        text.push_back(kDigits[b >> 4]);
        text.push_back(kDigits[b & 15]);
    }
    return text;
}

std::string FormatMac(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            text.push_back(':');
        text += FormatHex(bytes.subspan(i, 1));
    }
    return text;
}

std::optional<std::vector<int>> ParseNumbers(std::string_view text, std::string_view separators) {
    std::vector<int> numbers;
    std::size_t at = 0;
    for (std::size_t n = 0; n <= separators.size(); ++n) {
        if (n > 0) {
            if (at >= text.size() || text[at] != separators[n - 1])
                return std::nullopt;
            ++at;
        }
        const std::size_t start = at;
        int value = 0;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9' && at - start < 4)
            value = value * 10 + (text[at++] - '0');
        if (at == start)
            return std::nullopt;
        numbers.push_back(value);
    }
    if (at != text.size())
        return std::nullopt;
    return numbers;
}

std::optional<std::vector<std::uint8_t>> ParseHex(std::string_view text, char separator) {
    std::vector<std::uint8_t> bytes;
    std::size_t at = 0;
    while (at < text.size()) {
        if (separator && !bytes.empty()) {
            if (text[at] != separator)
                return std::nullopt;
            ++at;
        }
        if (at + 2 > text.size())
            return std::nullopt;
        const int high = HexDigit(text[at]), low = HexDigit(text[at + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
        at += 2;
    }
    return bytes;
}

std::string FieldText(std::span<const char> field) {
    return device::EncodeUtf8(device::DecodeUtf8Field(field.data(), field.size()));
}

bool IsCleanText(std::span<const char> field) {
    const auto end = std::find(field.begin(), field.end(), '\0');
    if (end == field.end() || !std::all_of(end, field.end(), [](char c) { return c == '\0'; }))
        return false;
    return FieldText(field) == std::string_view(field.data(), std::size_t(end - field.begin()));
}

}  // namespace config
