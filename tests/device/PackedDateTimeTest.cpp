// Packed dates of the Version and HddInfo records: 6 bits of years since 1984, then 4 bits of
// month, 5 of day, 5 of hour, 6 of minute and 6 of second.
#include <gtest/gtest.h>

#include "device/PackedDateTime.h"

namespace {

using device::DateTime;

TEST(PackedDateTime, test_unpacks_packs_and_formats_the_build_date) {
    const struct {
        std::uint32_t packed;
        DateTime value;
        std::u16string buildDate;  // without leading zeros, whatever the time bits hold
    } cases[] = {
        {0x6D5270C0u, {2011, 5, 9, 7, 3, 0}, u"2011-5-9"},
        {0x6F3F7EFBu, {2011, 12, 31, 23, 59, 59}, u"2011-12-31"},
        {0x6CCE0000u, {2011, 3, 7, 0, 0, 0}, u"2011-3-7"},
        {0x6CCFFFFFu, {2011, 3, 7, 31, 63, 63}, u"2011-3-7"},
        {0u, {1984, 0, 0, 0, 0, 0}, u"1984-0-0"},
        {0xFFFFFFFFu, {2047, 15, 31, 31, 63, 63}, u"2047-15-31"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(device::UnpackDateTime(c.packed), c.value) << std::hex << c.packed;
        EXPECT_EQ(device::PackDateTime(c.value), c.packed) << std::hex << c.packed;
        EXPECT_EQ(device::FormatBuildDate(c.packed), c.buildDate) << std::hex << c.packed;
    }
}

TEST(PackedDateTime, test_pack_keeps_fields_apart_when_out_of_range) {
    // A month of 16 must not spill into the year bits, a negative year must not wrap.
    const DateTime unpacked = device::UnpackDateTime(device::PackDateTime({1980, 16, 1, 0, 0, 0}));
    EXPECT_EQ(unpacked.year, 1984);
    EXPECT_EQ(unpacked.month, 0);
    EXPECT_EQ(unpacked.day, 1);
}

}  // namespace
