// The reference range and the offered bitrates of a stream, for the settings an operator can
// pick and for frame rates only a damaged record holds.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "pages/recording/BitrateRange.h"

namespace {

enum Resolution { kCif = 0, kHd1 = 1, kD1 = 2, kQcif = 3 };
constexpr int kPal = 25;
constexpr int kNtsc = 30;

// The settings the Encode page's scenarios show (CIF at full PAL rate, D1 at full NTSC rate,
// QCIF at 1 PAL frame) are left to them.
TEST(BitrateRange, test_reference_and_offered_bitrates) {
    const std::vector<int> kCifFull = {160, 192, 224, 320, 384, 448, 512, 640, 768, 896, 1024};
    const struct {
        const char* name;
        int resolution, framesPerSecond, fullRate;
        int lower, upper;
        std::vector<int> offered;
    } cases[] = {
        {"cif_full_ntsc", kCif, 30, kNtsc, 192, 1024, kCifFull},
        {"hd1_full",
         kHd1,
         25,
         kPal,
         384,
         2048,
         {320, 384, 448, 512, 640, 768, 896, 1024, 1280, 1536, 1792, 2048}},
        {"qcif_full", kQcif, 25, kPal, 48, 256, {32, 48, 64, 80, 96, 128, 160, 192, 224, 320}},
        {"cif_12_pal", kCif, 12, kPal, 92, 492, {80, 96, 128, 160, 192, 224, 320, 384, 448, 512}},
        {"d1_6_ntsc",
         kD1,
         6,
         kNtsc,
         152,
         816,
         {128, 160, 192, 224, 320, 384, 448, 512, 640, 768, 896}},
        {"cif_1_pal", kCif, 1, kPal, 8, 40, {32, 48}},
        {"cif_1_ntsc", kCif, 1, kNtsc, 4, 32, {}},
        {"qcif_1_ntsc", kQcif, 1, kNtsc, 1, 8, {}},
        // Frame rates of a damaged record: the arithmetic neither overflows nor goes negative.
        {"d1_largest_field", kD1, 0x7FFF / 10, kPal, 100636, 536740, {}},
        {"qcif_largest_field", kQcif, 0x7FFF / 10, kPal, 6288, 33544, {}},
        {"d1_smallest_field", kD1, -32768 / 10, kNtsc, 1, 1, {}},
        {"cif_zero", kCif, 0, kPal, 1, 1, {}},
        // A code no list knows counts as CIF.
        {"unknown_code", 0xFF, 25, kPal, 192, 1024, kCifFull},
        {"no_selection", -1, 25, kPal, 192, 1024, kCifFull},
    };
    for (const auto& c : cases) {
        const BitrateRange range(c.resolution, c.framesPerSecond, c.fullRate);
        EXPECT_EQ(range.Lower(), c.lower) << c.name;
        EXPECT_EQ(range.Upper(), c.upper) << c.name;
        EXPECT_EQ(range.Offered(), c.offered) << c.name;
    }
}

TEST(BitrateRange, test_offered_bitrates_bracket_the_reference_range) {
    const auto table = BitrateRange::StandardBitrates();
    for (int resolution : {kCif, kHd1, kD1, kQcif}) {
        for (int fps = 1; fps <= kNtsc; ++fps) {
            const BitrateRange range(resolution, fps, kNtsc);
            const std::vector<int>& offered = range.Offered();
            if (offered.empty())
                continue;
            // From the largest standard bitrate below the lower reference (or the first) ...
            EXPECT_TRUE(offered.front() == table.front() || offered.front() < range.Lower());
            EXPECT_TRUE(offered.size() < 2 || offered[1] >= range.Lower());
            // ... up to the first at or above the upper reference (or the last offerable).
            EXPECT_TRUE(offered.back() == 2048 || offered.back() >= range.Upper());
            EXPECT_TRUE(offered.size() < 2 || offered[offered.size() - 2] < range.Upper());
        }
    }
}

}  // namespace
