// The packed date and time of the Version and HddInfo records.
#include "device/PackedDateTime.h"

#include <cstdio>

namespace device {
namespace {

std::uint32_t Field(int value, int bits, int shift) {
    const std::uint32_t mask = (1u << bits) - 1;
    return (static_cast<std::uint32_t>(value < 0 ? 0 : value) & mask) << shift;
}

}  // namespace

DateTime UnpackDateTime(std::uint32_t packed) {
    DateTime out;
    out.year = int((packed >> 26) & 63) + 1984;
    out.month = int((packed >> 22) & 15);
    out.day = int((packed >> 17) & 31);
    out.hour = int((packed >> 12) & 31);
    out.minute = int((packed >> 6) & 63);
    out.second = int(packed & 63);
    return out;
}

std::uint32_t PackDateTime(const DateTime& value) {
    return Field(value.year - 1984, 6, 26) | Field(value.month, 4, 22) | Field(value.day, 5, 17) |
           Field(value.hour, 5, 12) | Field(value.minute, 6, 6) | Field(value.second, 6, 0);
}

std::u16string FormatBuildDate(std::uint32_t packed) {
    const DateTime date = UnpackDateTime(packed);
    char text[32];
    std::snprintf(text, sizeof text, "%d-%d-%d", date.year, date.month, date.day);
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

}  // namespace device
