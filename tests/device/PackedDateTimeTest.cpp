// Packed dates of the Version and HddInfo records.
#include <gtest/gtest.h>

#include "device/PackedDateTime.h"

namespace {

using device::DateTime;

constexpr std::uint32_t Packed(int year, int month, int day, int hour, int minute, int second) {
    return (std::uint32_t(year - 1984) << 26) | (std::uint32_t(month) << 22) |
           (std::uint32_t(day) << 17) | (std::uint32_t(hour) << 12) | (std::uint32_t(minute) << 6) |
           std::uint32_t(second);
}

TEST(PackedDateTime, test_unpacks_and_packs_fields) {
    EXPECT_EQ(device::UnpackDateTime(Packed(2011, 5, 9, 7, 3, 0)), (DateTime{2011, 5, 9, 7, 3, 0}));
    EXPECT_EQ(device::UnpackDateTime(Packed(2011, 12, 31, 23, 59, 59)),
              (DateTime{2011, 12, 31, 23, 59, 59}));
    EXPECT_EQ(device::UnpackDateTime(0), (DateTime{1984, 0, 0, 0, 0, 0}));
    EXPECT_EQ(device::UnpackDateTime(0xFFFFFFFFu), (DateTime{2047, 15, 31, 31, 63, 63}));
    EXPECT_EQ(device::PackDateTime({2011, 5, 9, 7, 3, 0}), Packed(2011, 5, 9, 7, 3, 0));
}

TEST(PackedDateTime, test_pack_keeps_fields_apart_when_out_of_range) {
    // A month of 16 must not spill into the year bits, a negative year must not wrap.
    const std::uint32_t packed = device::PackDateTime(DateTime{1980, 16, 1, 0, 0, 0});
    EXPECT_EQ(device::UnpackDateTime(packed).year, 1984);
    EXPECT_EQ(device::UnpackDateTime(packed).month, 0);
    EXPECT_EQ(device::UnpackDateTime(packed).day, 1);
}

TEST(PackedDateTime, test_build_date_text_has_no_leading_zeros) {
    EXPECT_EQ(device::FormatBuildDate(Packed(2011, 12, 31, 0, 0, 0)), u"2011-12-31");
    EXPECT_EQ(device::FormatBuildDate(Packed(2011, 3, 7, 0, 0, 0)), u"2011-3-7");
    // The low 17 bits (the time of day) are not part of the build date.
    EXPECT_EQ(device::FormatBuildDate(Packed(2011, 3, 7, 0, 0, 0) | 0x1FFFFu), u"2011-3-7");
}

}  // namespace
