// The clock words and the big-endian minute fields of the schedule.
#include <gtest/gtest.h>

#include <cstring>

#include "device/ClockWords.h"
#include "device/NetworkOrder.h"
#include "device/RecordingRecords.h"

namespace {

TEST(ClockWords, test_date_and_time_words) {
    EXPECT_EQ(device::ClockDateWord(2011, 5, 9), 0x07DB0509u);
    EXPECT_EQ(device::ClockTimeWord(7, 3, 0), 0x00070300u);
    EXPECT_EQ(device::ClockTimeWord(23, 59, 59), 0x00173B3Bu);
    EXPECT_EQ(device::ClockFromWords(0x07DB0C1Fu, 0x00173B3Bu),
              (device::DateTime{2011, 12, 31, 23, 59, 59}));
}

TEST(ScheduleMinutes, test_minutes_are_stored_big_endian_hours_little_endian) {
    device::ScheduleEntry entry{};
    entry.startMinuteBE = device::HostToNetwork16(30);
    entry.startHour = 7;
    entry.endMinuteBE = device::HostToNetwork16(59);
    entry.endHour = 23;
    unsigned char bytes[sizeof entry];
    std::memcpy(bytes, &entry, sizeof entry);
    EXPECT_EQ(bytes[4], 0);
    EXPECT_EQ(bytes[5], 30);
    EXPECT_EQ(bytes[6], 7);
    EXPECT_EQ(bytes[7], 0);
    EXPECT_EQ(bytes[8], 0);
    EXPECT_EQ(bytes[9], 59);
    EXPECT_EQ(device::NetworkToHost16(entry.endMinuteBE), 59);
}

}  // namespace
