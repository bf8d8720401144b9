// Sessions that fail while they are set up or their window is built: one allocation fails, at
// each point in turn. The entry reports -1 and leaves no window, no graphics object and no
// save behind, and the next session starts as usual.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "dll/Entries.h"
#include "tests/support/AllocationFailure.h"
#include "tests/support/ScenarioTest.h"
#include "window/CMainDlg.h"
#include "ui/GraphicsObject.h"

namespace {

using namespace testsupport;

// Real windows take long to make under Wine: every point would take minutes.
int PointsTried() {
    return OnRealWindows() ? 60 : 100000;
}

class SessionFailure : public ScenarioTest {
  protected:
    struct Outcome {
        int result = 0;
        bool opened = false;
        bool whole = false;    // the window opened with its last page
        long allocations = 0;  // until the window waited for input or the failure
    };

    // A session of the rights entry whose allocation number `failing` fails, if it comes
    // before the window waits for input.
    Outcome RunFailingAt(long failing) {
        recorder.ClearLog();
        Outcome outcome;
        outcome.opened = RunSession(
            [&] {
                AllocationFailure::Arm(failing);
                outcome.result = zelInitConfigEx(recorder.handle(), 2, 0, zsimUserId("admin"));
                AllocationFailure::Disarm();
            },
            [&outcome](Operator& op) {
                AllocationFailure::Disarm();
                op.SelectTreeItem(u"Alarm Out");
                outcome.whole = op.VisiblePages() == std::vector<std::u16string>{u"Alarm Out"};
                op.Close();
            },
            true);
        outcome.allocations = AllocationFailure::Counted();
        return outcome;
    }
};

TEST_F(SessionFailure, test_failed_allocation_before_the_window_opens_ends_the_call_cleanly) {
    const Outcome whole = RunFailingAt(LONG_MAX);
    ASSERT_TRUE(whole.whole);
    const long points = whole.allocations;
    ASSERT_GT(points, 100) << "the session builds its window";

    const long step = std::max(1L, points / PointsTried());
    int failedSessions = 0;
    for (long failing = 1; failing <= points; failing += step) {
        SCOPED_TRACE("allocation " + std::to_string(failing) + " of " + std::to_string(points));
        const Outcome outcome = RunFailingAt(failing);
        EXPECT_EQ(windowsLeft, 0);
        ResetMainDialogFontForTests();
        EXPECT_EQ(ui::GraphicsObject::LiveCount(), 0) << "graphics objects left behind";
        EXPECT_FALSE(recorder.Log().empty()) << "the session before was left open";
        if (outcome.result == -1) {
            ++failedSessions;
            EXPECT_FALSE(outcome.opened) << "a failed session showed its window";
            EXPECT_EQ(CallCount("zelDispSaveMenu"), 0) << "a failed session saved";
        } else {
            // The failure ended inside a device call or a window procedure: the session went on.
            EXPECT_EQ(outcome.result, 0);
            EXPECT_TRUE(outcome.whole) << "a half-made window was shown";
            EXPECT_EQ(CallCount("zelDispSaveMenu"), 1);
        }
        if (HasFatalFailure() || HasNonfatalFailure())
            break;  // one broken point tells it; the rest would repeat it
    }
    EXPECT_GT(failedSessions, 0);
}

}  // namespace
