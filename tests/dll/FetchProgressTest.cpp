// When the progress window of the reading shows, on a clock the test turns, and that it is
// closed before the configuration window runs.
#include <gtest/gtest.h>

#include <chrono>

#include "session/ConfigSession.h"
#include "dll/Entries.h"
#include "records/FetchProgress.h"
#include "records/SessionState.h"
#include "tests/support/SimRecorder.h"
#include "text/ProgressText.h"
#include "ui/headless/HeadlessBackend.h"

namespace {

using std::chrono::milliseconds;

// Each reading of the clock moves it on by the step.
milliseconds now{0};
milliseconds step{0};
milliseconds TurningClock() {
    return now += step;
}

ui::headless::HeadlessBackend* backend = nullptr;
int openWhenWindowRan = -1;
void RecordOpenProgress() {
    openWhenWindowRan = backend->OpenProgressWindows();
}

struct ClockCase {
    int stepMs;
    int shownAfterCall;  // 0: never
};

class FetchProgressClock : public testing::TestWithParam<ClockCase> {
  protected:
    void SetUp() override {
        records::ResetSessionForTests();
        headless.SetSteadyClock(TurningClock);
        session::SetMainDialogRunner(RecordOpenProgress);
        ui::SetBackend(&headless);
        backend = &headless;
        now = milliseconds(0);
        openWhenWindowRan = -1;
    }
    void TearDown() override {
        session::SetMainDialogRunner(nullptr);
        ui::SetBackend(nullptr);
        backend = nullptr;
    }

    ui::headless::HeadlessBackend headless;
    testsupport::SimRecorder recorder;
};

// The clock is read when the reading starts and after each call until the window shows: with
// a step of s ms, call k ends at k * s ms into the reading.
TEST_P(FetchProgressClock, test_window_shows_once_the_reading_took_longer_than_the_delay) {
    step = milliseconds(GetParam().stepMs);
    zsimSetCounts(recorder.handle(), 16, 16, 4);
    EXPECT_EQ(zelInitConfig(recorder.handle(), 3), 0);

    EXPECT_EQ(openWhenWindowRan, 0);
    const auto& log = headless.ProgressLog();
    if (GetParam().shownAfterCall == 0) {
        EXPECT_TRUE(log.empty());
        return;
    }
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].caption, text::ProgressText(3).caption);
    EXPECT_EQ(log[0].steps.front(), std::make_pair(GetParam().shownAfterCall, 53));
    EXPECT_EQ(log[0].steps.back(), std::make_pair(53, 53));
    EXPECT_FALSE(log[0].open);
}

INSTANTIATE_TEST_SUITE_P(Steps, FetchProgressClock,
                         testing::Values(ClockCase{5, 0}, ClockCase{50, 7}, ClockCase{300, 2},
                                         ClockCase{301, 1}));

}  // namespace
