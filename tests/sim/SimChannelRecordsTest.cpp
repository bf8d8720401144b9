// The per-channel preset and tour records: one independent slot per channel, and channels
// outside 0..15 and missing records refused without touching the caller's buffer.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "tests/sim/DeviceCalls.h"

namespace {

using namespace simtest;

TEST(ChannelRecords, test_each_channel_has_its_own_slot) {
    const std::vector<DeviceCall> calls = ChannelCalls();
    for (std::size_t k = 0; k < calls.size(); k += 2) {
        const DeviceCall &get = calls[k], &set = calls[k + 1];
        SimRecorder recorder;
        std::vector<Bytes> before;
        for (int c = 0; c < device::kMaxChannels; ++c)
            before.push_back(Read(get, recorder.handle(), c));
        Bytes sent = Pattern(set);
        ASSERT_EQ(set.call(recorder.handle(), sent.data(), 9), 0) << set.name;
        sent.resize(set.size);
        for (int c = 0; c < device::kMaxChannels; ++c) {
            EXPECT_EQ(Read(get, recorder.handle(), c), c == 9 ? sent : before[std::size_t(c)])
                << get.name << " channel " << c;
        }
    }
}

TEST(ChannelRecords, test_channel_outside_0_to_15_fails_without_touching_the_buffer) {
    SimRecorder recorder;
    const auto slots = [&recorder] {  // every channel's presets and tours
        std::vector<Bytes> records;
        for (const DeviceCall& get : ChannelCalls()) {
            for (int c = 0; get.kind == CallKind::Fills && c < device::kMaxChannels; ++c)
                records.push_back(Read(get, recorder.handle(), c));
        }
        return records;
    };
    const std::vector<Bytes> before = slots();
    for (const DeviceCall& c : ChannelCalls()) {
        for (std::int32_t channel : {-1, 16, 40, INT32_MIN, INT32_MAX}) {
            Bytes buffer(kCallBufferSize, 0xA5);
            EXPECT_LT(c.call(recorder.handle(), buffer.data(), channel), 0) << c.name << channel;
            EXPECT_EQ(buffer, Bytes(kCallBufferSize, 0xA5)) << c.name << channel;
        }
        EXPECT_LT(c.call(recorder.handle(), nullptr), 0) << c.name;
    }
    EXPECT_EQ(slots(), before) << "a refused Set changed a slot";
}

}  // namespace
