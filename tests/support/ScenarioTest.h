// Base of the scenario tests: a simulated recorder, a clean library state, and a session run
// with an operator acting on the configuration window from a thread of its own.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "tests/support/Operator.h"
#include "tests/support/SimRecorder.h"
#include "ui/DateTimeValue.h"

namespace testsupport {

class ScenarioTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Runs entry (which opens the window) on this thread while scenario acts on the window,
    // from the moment it waits for input. Once the scenario returns, whatever it left open
    // ends as if nobody answered. Returns whether the window opened; unless mayFail, its not
    // opening fails the test.
    bool RunSession(const std::function<void()>& entry,
                    const std::function<void(Operator&)>& scenario, bool mayFail = false);
    // The plain entry in English with every right.
    void RunSession(const std::function<void(Operator&)>& scenario);

    int CallCount(const std::string& function) const;
    // The calls of one device function, in order.
    std::vector<LoggedCall> Calls(const std::string& function) const;

    SimRecorder recorder;
    std::optional<ui::DateTimeValue> pcClock;  // the PC's clock in the session; none: the real one
    int windowsLeft = 0;  // dialog and progress windows still alive after the last session
    std::vector<ProgressSeen> progress;  // the progress windows of the last session
};

// Whether the sessions run on real windows, which are slow to make under Wine: the headless
// backend's runs try every case, real windows a representative few.
bool OnRealWindows();

// Checks that the open message box shows text under the caption "Info" with the exclamation
// icon (Yes/No when the answer is one of them), and answers it.
void ExpectMessage(Operator& op, std::u16string_view text, int answer = 1);

// Clicks Save and checks that the page reports success.
void SaveAndSucceed(Operator& op);

// The restart question, in English.
extern const std::u16string kRebootQuestion;

}  // namespace testsupport
