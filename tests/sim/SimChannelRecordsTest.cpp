// The per-channel preset and cruise records: one independent slot per channel, and channels
// outside 0..15 and missing records refused without touching the caller's buffer.
#include <gtest/gtest.h>

#include <vector>

#include "tests/sim/DeviceCalls.h"

namespace {

using namespace simtest;

// The preset and the cruise functions, over raw bytes.
struct ChannelFunctions {
    const char* name;
    std::size_t size;
    std::int32_t (*get)(ZelHandle, std::int32_t, std::uint8_t*);
    std::int32_t (*set)(ZelHandle, std::int32_t, const std::uint8_t*);
};

const ChannelFunctions kFunctions[] = {
    {"PTZPoint", sizeof(device::PtzPointRecord),
     [](ZelHandle h, std::int32_t c, std::uint8_t* b) {
         return zelDispHisiNewMenuPTZPointGet(h, c, reinterpret_cast<device::PtzPointRecord*>(b));
     },
     [](ZelHandle h, std::int32_t c, const std::uint8_t* b) {
         return zelDispHisiNewMenuPTZPointSet(h, c,
                                              reinterpret_cast<const device::PtzPointRecord*>(b));
     }},
    {"PTZCruise", sizeof(device::PtzCruiseRecord),
     [](ZelHandle h, std::int32_t c, std::uint8_t* b) {
         return zelDispHisiNewMenuPTZCruiseGet(h, c, reinterpret_cast<device::PtzCruiseRecord*>(b));
     },
     [](ZelHandle h, std::int32_t c, const std::uint8_t* b) {
         return zelDispHisiNewMenuPTZCruiseSet(h, c,
                                               reinterpret_cast<const device::PtzCruiseRecord*>(b));
     }},
};

TEST(ChannelRecords, test_each_channel_has_its_own_slot) {
    for (const ChannelFunctions& f : kFunctions) {
        SimRecorder recorder;
        std::vector<std::vector<std::uint8_t>> before;
        for (int c = 0; c < device::kMaxChannels; ++c) {
            before.emplace_back(f.size);
            ASSERT_EQ(f.get(recorder.handle(), c, before.back().data()), 0) << f.name << c;
        }
        std::vector<std::uint8_t> sent(f.size, 0x3C);
        ASSERT_EQ(f.set(recorder.handle(), 9, sent.data()), 0) << f.name;
        for (int c = 0; c < device::kMaxChannels; ++c) {
            std::vector<std::uint8_t> now(f.size);
            ASSERT_EQ(f.get(recorder.handle(), c, now.data()), 0);
            EXPECT_EQ(now, c == 9 ? sent : before[std::size_t(c)]) << f.name << " channel " << c;
        }
    }
}

TEST(ChannelRecords, test_channel_outside_0_to_15_fails_without_touching_the_buffer) {
    SimRecorder recorder;
    for (const ChannelFunctions& f : kFunctions) {
        for (std::int32_t channel : {-1, 16, 40, INT32_MIN, INT32_MAX}) {
            std::vector<std::uint8_t> buffer(f.size, 0xA5);
            EXPECT_LT(f.get(recorder.handle(), channel, buffer.data()), 0) << f.name << channel;
            EXPECT_EQ(buffer, std::vector<std::uint8_t>(f.size, 0xA5)) << f.name << channel;
            EXPECT_LT(f.set(recorder.handle(), channel, buffer.data()), 0) << f.name << channel;
        }
        EXPECT_LT(f.get(recorder.handle(), 0, nullptr), 0) << f.name;
        EXPECT_LT(f.set(recorder.handle(), 0, nullptr), 0) << f.name;
        // The refused Sets changed no slot.
        std::vector<std::uint8_t> last(f.size);
        ASSERT_EQ(f.get(recorder.handle(), 15, last.data()), 0);
        EXPECT_NE(last, std::vector<std::uint8_t>(f.size, 0xA5));
    }
}

}  // namespace
