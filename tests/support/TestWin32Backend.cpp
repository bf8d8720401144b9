// The Win32 backend as the tests run it.
#include "tests/support/TestWin32Backend.h"

#include <mutex>
#include <set>
#include <utility>
#include <vector>

namespace testsupport {
namespace {

std::mutex timerMutex;
std::set<std::pair<HWND, int>> runningTimers;

// A real window whose timers are only recorded: each tick comes from the test, as on the
// headless backend, so that a slow machine never sees an extra one.
class HeldTimerWindow : public ui::win32::Win32Window {
  public:
    using Win32Window::Win32Window;
    ~HeldTimerWindow() override {
        std::lock_guard lock(timerMutex);
        for (auto it = runningTimers.begin(); it != runningTimers.end();)
            it = it->first == hwnd() ? runningTimers.erase(it) : std::next(it);
    }

    void SetTimer(int timerId, unsigned) override {
        std::lock_guard lock(timerMutex);
        runningTimers.insert({hwnd(), timerId});
    }
    void KillTimer(int timerId) override {
        std::lock_guard lock(timerMutex);
        runningTimers.erase({hwnd(), timerId});
    }
};

void CollectOurs(HWND parent, std::vector<HWND>& found) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ui::win32::Win32Backend::IsOurs(child))
            found.push_back(child);
        CollectOurs(child, found);
    }
}

}  // namespace

ui::DateTimeValue TestWin32Backend::LocalNow() {
    return pinnedNow_ ? *pinnedNow_ : Win32Backend::LocalNow();
}

void TestWin32Backend::PinLocalNow(std::optional<ui::DateTimeValue> now) {
    pinnedNow_ = now;
}

bool TestWin32Backend::IsTimerRunning(HWND dialog, int timerId) {
    std::lock_guard lock(timerMutex);
    return runningTimers.count({dialog, timerId}) != 0;
}

int TestWin32Backend::LiveWindowCount(DWORD thread) {
    std::vector<HWND> found;
    EnumThreadWindows(
        thread,
        [](HWND hwnd, LPARAM data) -> BOOL {
            auto& windows = *reinterpret_cast<std::vector<HWND>*>(data);
            if (ui::win32::Win32Backend::IsOurs(hwnd))
                windows.push_back(hwnd);
            CollectOurs(hwnd, windows);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return int(found.size());
}

std::unique_ptr<ui::win32::Win32Window> TestWin32Backend::MakeWindow(ui::Dialog& dialog,
                                                                     bool modal) {
    return std::make_unique<HeldTimerWindow>(dialog, modal);
}

}  // namespace testsupport
