// The recorder's clock: exchanged as two words, standing still or running with real time
// across day, month and year ends, and refusing words that are no date and time.
#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <memory>
#include <thread>

#include "device/ClockWords.h"
#include "tests/sim/DeviceCalls.h"

namespace {

using device::ClockDateWord;
using device::ClockTimeWord;
using namespace simtest;

struct Clock {
    std::uint32_t date = 0, time = 0;
    friend bool operator==(const Clock&, const Clock&) = default;
};

Clock Read(ZelHandle handle) {
    Clock clock;
    EXPECT_EQ(zelDispPaTimeGet(handle, &clock.date, &clock.time), 0);
    return clock;
}

TEST(Clock, test_fixed_clock_stands_still_and_running_clock_rolls_over) {
    struct Case {
        Clock start, next;  // next: one second later
    };
    const Case cases[] = {
        {{ClockDateWord(2011, 12, 31), ClockTimeWord(23, 59, 59)},
         {ClockDateWord(2012, 1, 1), ClockTimeWord(0, 0, 0)}},
        {{ClockDateWord(2011, 2, 28), ClockTimeWord(23, 59, 59)},
         {ClockDateWord(2011, 3, 1), ClockTimeWord(0, 0, 0)}},
    };
    std::vector<std::unique_ptr<SimRecorder>> running, fixed;
    for (const Case& c : cases) {
        running.push_back(std::make_unique<SimRecorder>());
        fixed.push_back(std::make_unique<SimRecorder>());
        ASSERT_EQ(zsimSetClock(running.back()->handle(), c.start.date, c.start.time, 1), 0);
        ASSERT_EQ(zsimSetClock(fixed.back()->handle(), c.start.date, c.start.time, 0), 0);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Clock now = Read(running[i]->handle());
        // At least a second has passed; a slow machine may have taken a few more.
        EXPECT_EQ(now.date, cases[i].next.date) << i;
        EXPECT_GE(now.time, cases[i].next.time) << i;
        EXPECT_LT(now.time, cases[i].next.time + 5) << i;
        EXPECT_EQ(Read(fixed[i]->handle()), cases[i].start) << i;
    }
}

TEST(Clock, test_invalid_words_are_refused_and_change_nothing_and_valid_ones_are_kept) {
    const Clock kept{ClockDateWord(2011, 5, 9), ClockTimeWord(7, 3, 0)};
    const Clock invalid[] = {
        {ClockDateWord(2011, 13, 1), 0},
        {ClockDateWord(2011, 0, 1), 0},
        {ClockDateWord(2011, 4, 0), 0},
        {ClockDateWord(2011, 4, 31), 0},
        {ClockDateWord(2011, 2, 29), 0},
        {ClockDateWord(0, 1, 1), 0},
        {ClockDateWord(2011, 1, 1), ClockTimeWord(24, 0, 0)},
        {ClockDateWord(2011, 1, 1), ClockTimeWord(0, 60, 0)},
        {ClockDateWord(2011, 1, 1), ClockTimeWord(0, 0, 60)},
        {ClockDateWord(2011, 1, 1), 0xFF000000u},
        {0xFFFFFFFFu, 0xFFFFFFFFu},
    };
    SimRecorder recorder;
    ASSERT_EQ(zsimSetClock(recorder.handle(), kept.date, kept.time, 0), 0);
    for (const Clock& c : invalid) {
        EXPECT_LT(zelDispPaTimeSet(recorder.handle(), c.date, c.time), 0) << std::hex << c.date;
        EXPECT_EQ(zsimSetClock(recorder.handle(), c.date, c.time, 0), -1) << std::hex << c.date;
        EXPECT_EQ(Read(recorder.handle()), kept);
    }
    std::uint32_t word = 0x1234;
    EXPECT_LT(zelDispPaTimeGet(recorder.handle(), nullptr, &word), 0);
    EXPECT_LT(zelDispPaTimeGet(recorder.handle(), &word, nullptr), 0);
    EXPECT_EQ(word, 0x1234u);
    EXPECT_EQ(zsimSetClock(0, ClockDateWord(2011, 5, 9), 0, 0), -1);

    // A valid time is read back, and the clock keeps standing.
    const Clock set{ClockDateWord(2020, 2, 29), ClockTimeWord(13, 45, 30)};
    ASSERT_EQ(zelDispPaTimeSet(recorder.handle(), set.date, set.time), 0);
    EXPECT_EQ(Read(recorder.handle()), set);
}

}  // namespace
