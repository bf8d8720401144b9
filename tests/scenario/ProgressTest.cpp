// The progress window while a slow recorder is read: it appears only when the reading takes
// long, counts the device calls up to the last, and is gone before the configuration window
// opens; the calls themselves and their order stay those of a fast recorder.
#include <gtest/gtest.h>

#include <climits>
#include <new>
#include <string>
#include <vector>

#include "dll/Entries.h"
#include "tests/support/AllocationFailure.h"
#include "tests/support/ScenarioTest.h"
#include "text/ProgressText.h"
#include "ui/Backend.h"
#include "ui/GraphicsObject.h"
#include "ui/ProgressWindow.h"

namespace {

using testsupport::AllocationFailure;
using testsupport::Operator;
using testsupport::ScenarioTest;

class Progress : public ScenarioTest {
  protected:
    // A Chinese session of the rights entry on a 16-channel recorder; returns the device calls.
    std::vector<std::string> ReadRecorder(int latencyMs) {
        zsimSetCounts(recorder.handle(), 16, 16, 4);
        zsimSetLatency(recorder.handle(), latencyMs);
        recorder.ClearLog();
        bool opened = false;
        RunSession([&] { zelInitConfigEx(recorder.handle(), 0, 0, zsimUserId("admin")); },
                   [&](Operator& op) {
                       opened = true;
                       zsimSetLatency(recorder.handle(), 0);  // closing needs no waiting
                       op.Close();
                   });
        EXPECT_TRUE(opened);
        EXPECT_EQ(windowsLeft, 0) << "a window was left behind";
        return recorder.LoggedFunctions();
    }
};

TEST_F(Progress, test_only_a_slow_recorder_shows_progress_and_the_calls_stay_the_same) {
    const std::vector<std::string> fast = ReadRecorder(0);
    EXPECT_TRUE(progress.empty()) << "a fast recorder showed the progress window";

    // 54 calls of 8 ms: the reading takes well over the moment the window waits.
    const std::vector<std::string> slow = ReadRecorder(8);
    EXPECT_EQ(slow, fast);
    ASSERT_EQ(progress.size(), 1u);
    const testsupport::ProgressSeen& seen = progress.front();
    EXPECT_EQ(seen.caption, text::ProgressText(0).caption);
    EXPECT_EQ(seen.text, text::ProgressText(0).reading);
    EXPECT_TRUE(seen.alwaysVisible);
    EXPECT_EQ(seen.dialogsWhenClosed, 0) << "still open when the configuration window came";

    // The rights, 21 records and two calls for each of the 16 channels, the count climbing as
    // often as the window repaints.
    ASSERT_GE(seen.steps.size(), 2u);
    EXPECT_GT(seen.steps.front().first, 0);
    EXPECT_EQ(seen.steps.back(), std::make_pair(54, 54));
    for (std::size_t i = 1; i < seen.steps.size(); ++i) {
        SCOPED_TRACE("step " + std::to_string(i));
        EXPECT_GT(seen.steps[i].first, seen.steps[i - 1].first);
        EXPECT_EQ(seen.steps[i].second, 54);
    }
}

// Each allocation of showing the window and moving its bar fails in turn: the failure reaches
// the caller and neither the window nor its font stays behind.
TEST_F(Progress, test_progress_window_failing_part_way_leaves_no_window_and_no_font) {
    const text::ProgressTexts& texts = text::ProgressText(2);
    const auto showAndStep = [&texts] {
        ui::CurrentBackend().ShowProgress(texts.caption, texts.reading, 0, 54)->SetProgress(1, 54);
    };
    long points = 0;
    long failures = 0;
    RunSession(
        [&] {
            AllocationFailure::Arm(LONG_MAX);
            showAndStep();
            points = AllocationFailure::Counted();
            AllocationFailure::Disarm();
            for (long failing = 1; failing <= points; ++failing) {
                AllocationFailure::Arm(failing);
                try {
                    showAndStep();
                } catch (const std::bad_alloc&) {
                    ++failures;
                }
                AllocationFailure::Disarm();
                EXPECT_EQ(ui::GraphicsObject::LiveCount(), 0) << "allocation " << failing;
            }
            zelInitConfig(recorder.handle(), 2);
        },
        [](Operator& op) { op.Close(); });
    EXPECT_GT(points, 2);
    EXPECT_EQ(failures, points) << "a failure did not reach the caller";
    EXPECT_EQ(windowsLeft, 0) << "a progress window was left behind";
}

}  // namespace
