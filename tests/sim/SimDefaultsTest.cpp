// The default recorder's records agree with one another: alarm links and tours go to defined
// presets, and the PTZ channels use protocols of the reported list.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "tests/sim/DeviceCalls.h"

namespace {

using namespace simtest;

TEST(Defaults, test_ptz_links_and_cruises_refer_to_defined_presets) {
    SimRecorder recorder;
    std::vector<std::vector<int>> defined(device::kMaxChannels);
    for (int c = 0; c < device::kMaxChannels; ++c) {
        device::PtzPointRecord points{};
        ASSERT_EQ(zelDispHisiNewMenuPTZPointGet(recorder.handle(), c, &points), 0);
        for (int k = 0; k < device::kPresetSlots; ++k) {
            if (points.slots[k].used)
                defined[c].push_back(k);
        }
    }
    EXPECT_GE(defined[0].size(), 2u);

    // A link's number is a position among the channel's defined presets.
    const auto alarmIn = Fetch(recorder.handle(), zelDispHisiNewMenuAlarmInGet);
    int links = 0;
    for (const device::AlarmInEntry& e : alarmIn.inputs) {
        for (int c = 0; c < device::kMaxChannels; ++c) {
            if (e.linkage.ptz[c].action == 1) {
                ++links;
                EXPECT_LT(std::size_t(e.linkage.ptz[c].number), defined[c].size()) << c;
            }
        }
    }
    EXPECT_GT(links, 0);

    int usedPatrols = 0;
    for (int c = 0; c < device::kMaxChannels; ++c) {
        device::PtzCruiseRecord cruise{};
        ASSERT_EQ(zelDispHisiNewMenuPTZCruiseGet(recorder.handle(), c, &cruise), 0);
        for (const device::CruisePatrol& p : cruise.patrols) {
            EXPECT_TRUE(p.intervalSeconds >= 5 && p.intervalSeconds <= 60) << c;
            usedPatrols += p.used;
            for (const device::CruiseSlot& s : p.slots) {
                if (s.set) {
                    EXPECT_TRUE(std::count(defined[c].begin(), defined[c].end(), s.preset)) << c;
                }
            }
        }
    }
    EXPECT_GT(usedPatrols, 0);
}

TEST(Defaults, test_ptz_channels_use_listed_protocols) {
    SimRecorder recorder;
    char list[device::kPtzProtocolBufferSize];
    const std::int32_t length = zelDispHisiNewMenuPTZProtocolGet(recorder.handle(), list);
    ASSERT_GT(length, 0);
    std::set<int> codes;
    const std::string_view text(list, std::size_t(length));
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t equals = text.find('=', at), bar = text.find('|', at);
        ASSERT_TRUE(at < equals && equals < bar && bar != text.npos) << list;
        codes.insert(std::stoi(std::string(text.substr(equals + 1, bar - equals - 1))));
        at = bar + 1;
    }
    EXPECT_GE(codes.size(), 4u);

    const device::PtzRecord ptz = Fetch(recorder.handle(), zelDispHisiNewMenuPTZGet);
    int withProtocol = 0;
    for (int c = 0; c < device::kMaxChannels; ++c) {
        const device::PtzChannel& ch = ptz.channels[c];
        EXPECT_EQ(+ch.address, c + 1);
        if (ch.protocol != 0) {
            ++withProtocol;
            EXPECT_TRUE(codes.count(ch.protocol)) << c << ": " << ch.protocol;
        }
    }
    EXPECT_GE(withProtocol, 2);
}

}  // namespace
