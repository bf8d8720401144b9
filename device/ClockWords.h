// The two words in which the recorder's clock is read and set: the date word holds the year
// in bits 16-31, the month in 8-15 and the day in 0-7; the time word the hour in bits 16-23,
// the minute in 8-15 and the second in 0-7.
#pragma once

#include <cstdint>

#include "device/PackedDateTime.h"

namespace device {

constexpr std::uint32_t ClockDateWord(int year, int month, int day) {
    return (std::uint32_t(year & 0xFFFF) << 16) | (std::uint32_t(month & 0xFF) << 8) |
           std::uint32_t(day & 0xFF);
}

constexpr std::uint32_t ClockTimeWord(int hour, int minute, int second) {
    return (std::uint32_t(hour & 0xFF) << 16) | (std::uint32_t(minute & 0xFF) << 8) |
           std::uint32_t(second & 0xFF);
}

constexpr DateTime ClockFromWords(std::uint32_t date, std::uint32_t time) {
    DateTime out;
    out.year = int(date >> 16);
    out.month = int((date >> 8) & 0xFF);
    out.day = int(date & 0xFF);
    out.hour = int((time >> 16) & 0xFF);
    out.minute = int((time >> 8) & 0xFF);
    out.second = int(time & 0xFF);
    return out;
}

}  // namespace device
