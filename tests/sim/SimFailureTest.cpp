// Planned failures: a chosen device function fails once, n times or always, optionally
// scribbling over the caller's buffer first, and a failed Set changes nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/sim/DeviceCalls.h"

namespace {

using namespace simtest;

std::int32_t GetNormal(ZelHandle handle) {
    device::NormalRecord record{};
    return zelDispHisiNewMenuNormalGet(handle, &record);
}

TEST(Failures, test_function_fails_as_the_last_plan_says) {
    struct Case {
        std::int32_t times;
        std::vector<std::int32_t> results;  // of the following calls
    };
    const Case cases[] = {
        {1, {-1, 0, 0}},
        {3, {-1, -1, -1, 0}},
        {-1, {-1, -1, -1, -1, -1, -1}},
        {0, {0, 0}},
    };
    for (const Case& c : cases) {
        SimRecorder recorder;
        ASSERT_EQ(zsimFail(recorder.handle(), "zelDispHisiNewMenuNormalGet", c.times, -1), 0);
        std::vector<std::int32_t> results;
        for (std::size_t i = 0; i < c.results.size(); ++i) {
            results.push_back(GetNormal(recorder.handle()));
            // Other functions are not affected.
            device::CodeRecord code{};
            EXPECT_EQ(zelDispHisiNewMenuCodeGet(recorder.handle(), &code), 0);
        }
        EXPECT_EQ(results, c.results) << "times " << c.times;
    }
    // A new plan replaces the one before; zero clears it.
    SimRecorder recorder;
    ASSERT_EQ(zsimFail(recorder.handle(), "zelDispHisiNewMenuNormalGet", -1, -1), 0);
    ASSERT_EQ(zsimFail(recorder.handle(), "zelDispHisiNewMenuNormalGet", 1, -1), 0);
    EXPECT_EQ(GetNormal(recorder.handle()), -1);
    EXPECT_EQ(GetNormal(recorder.handle()), 0);
    ASSERT_EQ(zsimFail(recorder.handle(), "zelDispHisiNewMenuNormalGet", -1, -1), 0);
    ASSERT_EQ(zsimFail(recorder.handle(), "zelDispHisiNewMenuNormalGet", 0, -1), 0);
    EXPECT_EQ(GetNormal(recorder.handle()), 0);
}

// A failure in the middle of a run of calls: the first calls succeed, then the planned ones fail.
TEST(Failures, test_function_fails_after_the_calls_that_succeed_first) {
    const struct {
        std::int32_t after;
        std::int32_t times;
        std::vector<std::int32_t> results;
    } rows[] = {
        {0, 1, {-1, 0}},
        {2, 1, {0, 0, -1, 0}},
        {1, 2, {0, -1, -1, 0}},
        {1, -1, {0, -1, -1, -1}},
    };
    for (const auto& row : rows) {
        SimRecorder recorder;
        ASSERT_EQ(zsimFailAfter(recorder.handle(), "zelDispHisiNewMenuNormalGet", row.after,
                                row.times, -1),
                  0);
        std::vector<std::int32_t> results;
        for (std::size_t i = 0; i < row.results.size(); ++i)
            results.push_back(GetNormal(recorder.handle()));
        EXPECT_EQ(results, row.results) << "after " << row.after << " times " << row.times;
    }
    SimRecorder recorder;
    EXPECT_EQ(zsimFailAfter(recorder.handle(), "zelDispHisiNewMenuNormalGet", -1, 1, -1), -1);
}

// A Get-like function fills exactly its output with the scribble; without a scribble, and on
// every other function, the buffer stays as it was.
TEST(Failures, test_scribble_fills_exactly_the_output_of_get_like_functions) {
    for (const DeviceCall& c : AllDeviceCalls()) {
        for (std::int32_t scribble : {-1, 0x00, 0xAB, 0xFF}) {
            SimRecorder recorder;
            ASSERT_EQ(zsimFail(recorder.handle(), std::string(c.name).c_str(), 1, scribble), 0);
            Bytes buffer(kCallBufferSize, 0x11);
            EXPECT_EQ(c.call(recorder.handle(), buffer.data()), -1) << c.name;
            Bytes expected(kCallBufferSize, 0x11);
            if (c.kind == CallKind::Fills && scribble >= 0)
                std::fill_n(expected.begin(), c.size, std::uint8_t(scribble));
            EXPECT_EQ(buffer, expected) << c.name << " scribble " << scribble;
        }
    }
}

TEST(Failures, test_failed_set_changes_nothing) {
    SimRecorder recorder;
    const device::NetRecord before = Fetch(recorder.handle(), zelDispHisiNewMenuNetGet);
    device::NetRecord changed = before;
    changed.httpPort = 8080;
    ASSERT_EQ(zsimFail(recorder.handle(), "zelDispHisiNewMenuNetSet", 1, 0), 0);
    EXPECT_EQ(zelDispHisiNewMenuNetSet(recorder.handle(), &changed), -1);
    EXPECT_EQ(+Fetch(recorder.handle(), zelDispHisiNewMenuNetGet).httpPort, +before.httpPort);
    EXPECT_EQ(zelDispHisiNewMenuNetSet(recorder.handle(), &changed), 0);
    EXPECT_EQ(+Fetch(recorder.handle(), zelDispHisiNewMenuNetGet).httpPort, 8080);
}

TEST(Failures, test_call_with_bad_arguments_fails_on_its_own_and_is_not_counted) {
    SimRecorder recorder;
    ASSERT_EQ(zsimFail(recorder.handle(), "zelDispHisiNewMenuPTZPointGet", 1, 0xAB), 0);
    device::PtzPointRecord points;
    std::memset(&points, 0x11, sizeof points);
    EXPECT_EQ(zelDispHisiNewMenuPTZPointGet(recorder.handle(), 40, &points), -1);
    EXPECT_EQ(points.slots[0].used, 0x11);  // refused before the plan
    EXPECT_EQ(zelDispHisiNewMenuPTZPointGet(recorder.handle(), 0, &points), -1);
    EXPECT_EQ(points.slots[0].used, 0xAB);
    EXPECT_EQ(zelDispHisiNewMenuPTZPointGet(recorder.handle(), 0, &points), 0);
}

TEST(Failures, test_bad_plans_are_refused) {
    SimRecorder recorder;
    const ZelHandle h = recorder.handle();
    EXPECT_EQ(zsimFail(h, "zelDispHisiNewMenuNormalGetX", 1, -1), -1);
    EXPECT_EQ(zsimFail(h, "NormalGet", 1, -1), -1);
    EXPECT_EQ(zsimFail(h, "zsimOpen", 1, -1), -1);
    EXPECT_EQ(zsimFail(h, nullptr, 1, -1), -1);
    EXPECT_EQ(zsimFail(h, "zelDispSaveMenu", -2, -1), -1);
    EXPECT_EQ(zsimFail(h, "zelDispSaveMenu", 1, 256), -1);
    EXPECT_EQ(zsimFail(h, "zelDispSaveMenu", 1, -2), -1);
    EXPECT_EQ(zsimFail(0, "zelDispSaveMenu", 1, -1), -1);
    EXPECT_EQ(zelDispSaveMenu(h), 0);  // none of them took effect
}

}  // namespace
