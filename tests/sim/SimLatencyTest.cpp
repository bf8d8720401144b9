// Latency of device calls, and device calls from one thread while another drives the
// simulator's own functions or closes the recorder.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "device/ClockWords.h"
#include "tests/sim/DeviceCalls.h"

namespace {

using namespace simtest;

TEST(Latency, test_every_device_call_takes_at_least_the_latency) {
    SimRecorder recorder;
    ASSERT_EQ(zsimSetLatency(recorder.handle(), 40), 0);
    device::NormalRecord normal{};
    std::uint32_t date = 0, time = 0;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(zelDispHisiNewMenuNormalGet(recorder.handle(), &normal), 0);
    EXPECT_EQ(zelDispPaTimeGet(recorder.handle(), &date, &time), 0);
    EXPECT_EQ(zelDispSaveMenu(recorder.handle()), 0);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, std::chrono::milliseconds(3 * 40));
    EXPECT_EQ(zsimSetLatency(recorder.handle(), -1), -1);
    EXPECT_EQ(zsimSetLatency(0, 10), -1);
}

TEST(Threads, test_device_calls_and_control_calls_interleave) {
    SimRecorder recorder;
    const ZelHandle handle = recorder.handle();
    ASSERT_EQ(zsimSetLatency(handle, 2), 0);
    constexpr int kCalls = 50;
    std::thread client([handle] {
        for (int i = 0; i < kCalls; ++i) {
            device::CodeRecord code{};
            zelDispHisiNewMenuCodeGet(handle, &code);
            zelDispHisiNewMenuCodeSet(handle, &code);
        }
    });
    for (int i = 0; i < kCalls; ++i) {
        zsimSetCounts(handle, i % 17, 4, 2);
        zsimSetClock(handle, device::ClockDateWord(2011, 5, 9), 0, i % 2);
        zsimFail(handle, "zelDispHisiNewMenuNormalGet", 1, -1);
        zsimLogSize(handle);
    }
    client.join();
    EXPECT_EQ(zsimLogSize(handle), 2 * kCalls);
}

TEST(Threads, test_closing_while_another_thread_calls_is_safe) {
    char error[256];
    const ZelHandle handle = zsimOpen(nullptr, error, sizeof error);
    ASSERT_NE(handle, 0u) << error;
    std::atomic<int> succeeded{0};
    std::thread client([handle, &succeeded] {
        device::RecTimerRecord timer;
        while (zelDispHisiNewMenuRecTimerGet(handle, &timer) == 0)
            ++succeeded;
    });
    while (succeeded.load() < 10)
        std::this_thread::yield();
    zsimClose(handle);
    client.join();
    device::NormalRecord normal{};
    EXPECT_EQ(zelDispHisiNewMenuNormalGet(handle, &normal), -1);
}

}  // namespace
