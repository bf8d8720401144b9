// The Win32 backend as the tests run it.
#include "tests/support/TestWin32Backend.h"

#include "ui/win32/Win32Progress.h"

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

// Adds a top-level window and the windows below it that are ours to the list in data.
BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM data) {
    auto& windows = *reinterpret_cast<std::vector<HWND>*>(data);
    if (ui::win32::Win32Backend::IsOurs(hwnd))
        windows.push_back(hwnd);
    CollectOurs(hwnd, windows);
    return TRUE;
}

// Counts the progress windows in data.
BOOL CALLBACK CountProgress(HWND hwnd, LPARAM data) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    if (lstrcmpW(name, ui::win32::Win32Progress::kClassName) == 0)
        ++*reinterpret_cast<int*>(data);
    return TRUE;
}

// The real progress window, with what the screen shows of it after each step.
class ReadBackProgress : public ui::ProgressWindow {
  public:
    ReadBackProgress(std::unique_ptr<ui::ProgressWindow> real, std::vector<ProgressSeen>& log)
        : real_(std::move(real)), log_(log), index_(log.size() - 1) {
        ReadBack();
    }
    ~ReadBackProgress() override {
        log_[index_].dialogsWhenClosed = TestWin32Backend::LiveWindowCount(GetCurrentThreadId());
    }
    void SetProgress(int done, int total) override {
        real_->SetProgress(done, total);
        ReadBack();
    }

  private:
    void ReadBack() {
        const auto* window = dynamic_cast<const ui::win32::Win32Progress*>(real_.get());
        HWND bar = window ? window->bar() : nullptr;
        const int done = int(SendMessageW(bar, PBM_GETPOS, 0, 0));
        const int total = int(SendMessageW(bar, PBM_GETRANGE, FALSE, 0));
        log_[index_].steps.emplace_back(done, total);
        if (!window || !IsWindowVisible(window->hwnd()))
            log_[index_].alwaysVisible = false;
    }

    std::unique_ptr<ui::ProgressWindow> real_;
    std::vector<ProgressSeen>& log_;
    std::size_t index_;
};

}  // namespace

std::unique_ptr<ui::ProgressWindow> TestWin32Backend::ShowProgress(std::u16string_view caption,
                                                                   std::u16string_view text,
                                                                   int done, int total) {
    auto real = Win32Backend::ShowProgress(caption, text, done, total);
    const auto* window = dynamic_cast<const ui::win32::Win32Progress*>(real.get());
    ProgressSeen seen;
    seen.caption = ui::win32::WindowText(window ? window->hwnd() : nullptr);
    seen.text = ui::win32::WindowText(window ? GetWindow(window->hwnd(), GW_CHILD) : nullptr);
    progress.push_back(seen);
    return std::make_unique<ReadBackProgress>(std::move(real), progress);
}

int TestWin32Backend::LiveProgressCount(DWORD thread) {
    int count = 0;
    EnumThreadWindows(thread, CountProgress, reinterpret_cast<LPARAM>(&count));
    return count;
}

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
    EnumThreadWindows(thread, CollectTopLevel, reinterpret_cast<LPARAM>(&found));
    return int(found.size());
}

std::unique_ptr<ui::win32::Win32Window> TestWin32Backend::MakeWindow(ui::Dialog& dialog,
                                                                     bool modal) {
    return std::make_unique<HeldTimerWindow>(dialog, modal);
}

}  // namespace testsupport
