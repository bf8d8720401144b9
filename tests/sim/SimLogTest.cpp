// The call log: every device call in order with its name, argument and the bytes it sent,
// and the reboot count.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "device/ClockWords.h"
#include "device/ZelDispNames.h"
#include "tests/sim/DeviceCalls.h"

namespace {

using namespace simtest;

TEST(Log, test_every_function_logs_its_name_argument_and_sent_bytes) {
    SimRecorder recorder;
    ASSERT_EQ(zsimSetClock(recorder.handle(), device::ClockDateWord(2011, 5, 9), 0, 0), 0);
    std::vector<std::vector<std::uint8_t>> sent;
    for (const DeviceCall& c : AllDeviceCalls()) {
        Bytes buffer = Pattern(c);
        if (c.name == "zelDispPaTimeSet") {  // a valid clock, as bytes of the two words
            const std::uint32_t words[2] = {device::ClockDateWord(2012, 6, 30),
                                            device::ClockTimeWord(12, 0, 1)};
            std::memcpy(buffer.data(), words, sizeof words);
        }
        sent.emplace_back(buffer.begin(), buffer.begin() + c.size);
        c.call(recorder.handle(), buffer.data());
    }
    const std::vector<LoggedCall> log = recorder.Log();
    ASSERT_EQ(log.size(), device::kZelDispFunctionNames.size());
    const std::vector<DeviceCall> calls = AllDeviceCalls();
    for (std::size_t i = 0; i < log.size(); ++i) {
        const std::string_view name = device::kZelDispFunctionNames[i];
        EXPECT_EQ(calls[i].name, name) << "the call table follows the library's name list";
        EXPECT_EQ(log[i].function, name);
        const bool hasArgument = calls[i].perChannel || name == "zelDispHisiNewMenuUserListGet";
        EXPECT_EQ(log[i].argument, hasArgument ? 0 : -1) << name;
        if (calls[i].kind == CallKind::Sends)
            EXPECT_EQ(log[i].bytes, sent[i]) << name;
        else
            EXPECT_TRUE(log[i].bytes.empty()) << name;
    }
}

TEST(Log, test_arguments_and_refused_and_failed_calls_are_logged) {
    SimRecorder recorder;
    device::PtzCruiseRecord cruise{};
    std::uint8_t rights[64];
    ASSERT_EQ(zsimFail(recorder.handle(), "zelDispHisiNewMenuUserListGet", 1, -1), 0);
    zelDispHisiNewMenuPTZCruiseGet(recorder.handle(), 7, &cruise);
    zelDispHisiNewMenuPTZCruiseSet(recorder.handle(), 40, &cruise);
    zelDispHisiNewMenuUserListGet(recorder.handle(), 3, rights);
    zelDispHisiNewMenuUserListGet(recorder.handle(), -5, rights);
    zelDispHisiNewMenuNormalSet(recorder.handle(), nullptr);
    const std::vector<LoggedCall> log = recorder.Log();
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log[0].argument, 7);
    EXPECT_EQ(log[1].argument, 40);
    EXPECT_EQ(log[1].bytes.size(), sizeof cruise);
    EXPECT_EQ(log[2].argument, 3);
    EXPECT_EQ(log[3].argument, -5);
    EXPECT_EQ(log[4].function, "zelDispHisiNewMenuNormalSet");
    EXPECT_TRUE(log[4].bytes.empty());
}

TEST(Log, test_entries_stay_valid_until_cleared_and_control_calls_are_not_logged) {
    SimRecorder recorder;
    const ZelHandle h = recorder.handle();
    device::NormalRecord normal{};
    normal.language = 3;
    ASSERT_EQ(zelDispHisiNewMenuNormalSet(h, &normal), 0);
    const std::uint8_t* bytes = nullptr;
    ASSERT_EQ(zsimLogEntry(h, 0, nullptr, nullptr, &bytes, nullptr), 0);
    for (int i = 0; i < 500; ++i)  // the log grows well past its first entry's neighbours
        zelDispHisiNewMenuNormalSet(h, &normal);
    zsimSetCounts(h, 4, 4, 4);
    zsimFail(h, "zelDispSaveMenu", 0, -1);
    EXPECT_EQ(zsimLogSize(h), 501);
    EXPECT_EQ(bytes[3], 3);
    for (std::int32_t index : {-1, 501, INT32_MAX})
        EXPECT_EQ(zsimLogEntry(h, index, nullptr, nullptr, nullptr, nullptr), -1) << index;
    zsimClearLog(h);
    EXPECT_EQ(zsimLogSize(h), 0);
    EXPECT_EQ(zsimLogSize(0), -1);
}

TEST(Log, test_reboots_are_counted_and_logged) {
    SimRecorder recorder;
    EXPECT_EQ(zsimRebootCount(recorder.handle()), 0);
    EXPECT_EQ(zelDispRebootDVR(recorder.handle()), 0);
    EXPECT_EQ(zelDispRebootDVR(recorder.handle()), 0);
    ASSERT_EQ(zsimFail(recorder.handle(), "zelDispRebootDVR", 1, -1), 0);
    EXPECT_EQ(zelDispRebootDVR(recorder.handle()), -1);  // a failed reboot does not count
    EXPECT_EQ(zsimRebootCount(recorder.handle()), 2);
    EXPECT_EQ(recorder.Log().size(), 3u);
    EXPECT_EQ(zsimRebootCount(0), -1);
}

}  // namespace
