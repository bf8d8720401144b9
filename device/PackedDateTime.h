// The packed date and time of the Version and HddInfo records: year - 1984 in bits 26-31,
// month 22-25, day 17-21, hour 12-16, minute 6-11, second 0-5. The Version record's build
// date uses the same layout and leaves the time of day unread.
#pragma once

#include <cstdint>
#include <string>

namespace device {

struct DateTime {
    int year = 1984;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    friend bool operator==(const DateTime&, const DateTime&) = default;
};

DateTime UnpackDateTime(std::uint32_t packed);

// Fields outside their bit width are cut to it; years before 1984 pack as 1984.
std::uint32_t PackDateTime(const DateTime& value);

// "%d-%d-%d" of year, month and day, without leading zeros (2011-3-7).
std::u16string FormatBuildDate(std::uint32_t packed);

}  // namespace device
