// The Win32 backend as the tests run it: real windows whose timers only run when the test
// delivers a tick, a PC clock the test may pin, and progress windows read back from the
// screen at each step.
#pragma once

#include <optional>
#include <vector>

#include "tests/support/Operator.h"
#include "ui/win32/Win32Backend.h"

namespace testsupport {

class TestWin32Backend : public ui::win32::Win32Backend {
  public:
    explicit TestWin32Backend(HINSTANCE module) : Win32Backend(module) {}

    ui::DateTimeValue LocalNow() override;
    void PinLocalNow(std::optional<ui::DateTimeValue> now);

    // Whether a dialog armed the timer and has not killed it; callable from any thread.
    static bool IsTimerRunning(HWND dialog, int timerId);
    // Dialog windows of the thread made by a Win32 backend and not yet destroyed.
    static int LiveWindowCount(DWORD thread);
    // Progress windows of the thread not yet destroyed.
    static int LiveProgressCount(DWORD thread);

    std::unique_ptr<ui::ProgressWindow> ShowProgress(std::u16string_view caption,
                                                     std::u16string_view text, int done,
                                                     int total) override;
    std::vector<ProgressSeen> progress;

  protected:
    std::unique_ptr<ui::win32::Win32Window> MakeWindow(ui::Dialog& dialog, bool modal) override;

  private:
    std::optional<ui::DateTimeValue> pinnedNow_;
};

}  // namespace testsupport
