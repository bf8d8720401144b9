// Scenario sessions on real windows: the entry runs the window on this thread, the operator
// drives it from a thread of its own.
#include "ui/win32/WinApi.h"

#include <atomic>
#include <thread>

#include "tests/support/ScenarioTest.h"
#include "tests/support/TestWin32Backend.h"
#include "tests/support/Win32Operator.h"
#include "ui/Backend.h"

namespace testsupport {

bool OnRealWindows() {
    return true;
}

bool ScenarioTest::RunSession(const std::function<void()>& entry,
                              const std::function<void(Operator&)>& scenario, bool mayFail) {
    // The resources of this test program hold the templates and bitmaps.
    // Each timer tick comes from the operator, as on the headless backend.
    static TestWin32Backend backend(GetModuleHandleW(nullptr));
    backend.PinLocalNow(pcClock);
    backend.progress.clear();
    ui::SetBackend(&backend);
    MarkerWindow marker;
    Win32Operator op(GetCurrentThreadId(), marker);
    std::atomic<bool> entryReturned{false};
    std::atomic<bool> opened{false};
    std::thread driver([&] {
        if (op.WaitForMainWindow(20000, entryReturned)) {
            opened = true;
            scenario(op);
        } else if (!mayFail) {
            ADD_FAILURE() << "the configuration window did not open";
        }
        // Whatever the scenario left open ends as if nobody answered.
        while (!entryReturned) {
            op.CloseEverything();
            Sleep(20);
        }
    });
    entry();
    entryReturned = true;
    driver.join();
    windowsLeft = TestWin32Backend::LiveWindowCount(GetCurrentThreadId()) +
                  TestWin32Backend::LiveProgressCount(GetCurrentThreadId());
    progress = backend.progress;
    ui::SetBackend(nullptr);
    return opened;
}

}  // namespace testsupport
