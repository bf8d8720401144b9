// The default recorder: an 8-channel model whose records hold values the pages can show and
// that agree with one another (bitrates from the list, valid periods, links to defined
// presets, protocols from the reported list).
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "device/Ipv4.h"
#include "device/NetworkOrder.h"
#include "device/PackedDateTime.h"
#include "tests/sim/ScopedRecorder.h"

namespace {

using simtest::Fetch;
using simtest::ScopedRecorder;

TEST(Defaults, test_encoding_uses_listed_bitrates_or_a_custom_one) {
    static const std::set<int> kBitrates = {32,  48,  64,   80,   96,   128,  160,
                                            192, 224, 320,  384,  448,  512,  640,
                                            768, 896, 1024, 1280, 1536, 1792, 2048};
    ScopedRecorder recorder;
    const device::CodeRecord code = Fetch(recorder.handle(), zelDispHisiNewMenuCodeGet);
    ASSERT_EQ(+code.channelCount, 8);
    int customized = 0;
    for (int c = 0; c < code.channelCount; ++c) {
        EXPECT_EQ(+code.channels[c].main.frameRateTimes10, 250);
        for (const device::StreamSettings& s : {code.channels[c].main, code.channels[c].extra}) {
            EXPECT_LE(s.resolution, 3) << c;
            EXPECT_EQ(s.frameRateTimes10 % 10, 0) << c;
            if (s.bitrate == 0) {
                ++customized;
                EXPECT_GT(+s.customBitrate, 0) << c;
            } else {
                EXPECT_TRUE(kBitrates.count(s.bitrate)) << c << ": " << s.bitrate;
            }
        }
    }
    EXPECT_GT(customized, 0);
}

TEST(Defaults, test_schedule_periods_are_valid_with_big_endian_minutes) {
    ScopedRecorder recorder;
    const device::RecTimerRecord timer = Fetch(recorder.handle(), zelDispHisiNewMenuRecTimerGet);
    EXPECT_EQ(+timer.preRecordSeconds, 5);
    int channelsWithPeriods = 0;
    for (const device::ChannelSchedule& schedule : timer.channels) {
        int periods = 0;
        for (const device::ScheduleEntry& e : schedule.entries) {
            if (e.kind != device::kSchedulePeriodInUse)
                continue;
            ++periods;
            EXPECT_LE(e.weekday, 6);
            const int start = e.startHour * 60 + device::NetworkToHost16(e.startMinuteBE);
            const int end = e.endHour * 60 + device::NetworkToHost16(e.endMinuteBE);
            EXPECT_LT(start, end);
            EXPECT_LT(end, 24 * 60);
        }
        channelsWithPeriods += periods > 0;
    }
    EXPECT_GE(channelsWithPeriods, 3);

    // Monday 13:30 on channel 1: the minute's bytes are 0, 30; the hour's 13, 0.
    const auto& entries = timer.channels[0].entries;
    const auto afternoon = std::find_if(std::begin(entries), std::end(entries), [](auto& e) {
        return e.kind == device::kSchedulePeriodInUse && e.weekday == 0 && e.startHour == 13;
    });
    ASSERT_NE(afternoon, std::end(entries));
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&*afternoon);
    EXPECT_EQ(std::vector<int>(bytes + 4, bytes + 8), (std::vector<int>{0, 30, 13, 0}));
}

TEST(Defaults, test_ptz_links_and_cruises_refer_to_defined_presets) {
    ScopedRecorder recorder;
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
    ScopedRecorder recorder;
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

TEST(Defaults, test_two_disks_with_plausible_figures) {
    ScopedRecorder recorder;
    const auto hdd = Fetch(recorder.handle(), zelDispHisiNewMenuHddInfoGet);
    ASSERT_EQ(+hdd.diskCount, 2);
    for (int i = 0; i < hdd.diskCount; ++i) {
        EXPECT_GT(+hdd.total[i], 0);
        EXPECT_LE(+hdd.free[i], +hdd.total[i]);
        EXPECT_GE(+hdd.bad[i], 0);
    }
    EXPECT_LT(+hdd.startTime, +hdd.endTime);  // the packing orders times like numbers
    EXPECT_GE(device::UnpackDateTime(hdd.startTime).month, 1);
}

}  // namespace
