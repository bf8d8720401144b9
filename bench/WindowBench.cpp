// RavelinBench.exe: figures of the configuration window on the real window system, printed, for
// a 16-channel simulated recorder. For 0 and 10 ms per device call: from the entry call to the
// window being shown, beside the floor measured in the same run (the device calls the entry
// made before the window showed, each at its measured cost, plus the same templates, main
// window and every page, made with dialog procedures that do nothing). Then the time from a
// tree node's selection to its page being painted, per page, and the closing check once every
// page was shown: from the close to its question about an edited page.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "device/ZelDisp.h"
#include "host/ProcessDialogs.h"
#include "host/RavelinLibrary.h"
#include "host/SimulatedRecorder.h"
#include "host/TreeNavigator.h"
#include "host/WideText.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

INT_PTR CALLBACK DoNothing(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

// The templates of the main window and of every page, in the library's resources.
constexpr int kMainTemplate = 1000;
constexpr int kPageTemplates[] = {1025, 1026, 1027, 1006, 1007, 1008, 1009, 1010, 1011, 1012,
                                  1013, 1014, 1015, 1016, 1017, 1018, 1019, 1028, 1029, 1030};

// Runs `run` on this thread while another watches for the configuration window, and gives the
// time from the start to the window being visible; the watcher then calls `shown` and closes
// the window. The watcher
// spins, so that the entry and its floor are timed with the processors equally awake (an idle
// virtual processor wakes slowly, which would slow the window system's round trips of either).
double UntilVisible(const std::function<void()>& run, const std::function<void()>& shown = {}) {
    std::atomic<bool> returned{false};
    std::atomic<double> elapsed{0};
    const auto start = Clock::now();
    std::thread watcher([&] {
        while (!returned) {
            if (HWND main = host::ProcessDialogs::MainWindow()) {
                elapsed = Milliseconds(Clock::now() - start);
                if (shown)
                    shown();
                PostMessageW(main, WM_CLOSE, 0, 0);
                return;
            }
            std::this_thread::yield();
        }
    });
    run();
    returned = true;
    watcher.join();
    return elapsed;
}

// Making the same windows with nothing behind them, shown as the entry shows its window.
double BareTemplates(HMODULE library) {
    HWND main = nullptr;
    const double elapsed = UntilVisible([&] {
        main = CreateDialogParamW(library, MAKEINTRESOURCEW(kMainTemplate), nullptr, DoNothing, 0);
        for (int page : kPageTemplates)
            CreateDialogParamW(library, MAKEINTRESOURCEW(page), main, DoNothing, 0);
        ShowWindow(main, SW_SHOW);
        // Until the watcher has seen it.
        while (!host::ProcessDialogs::MainWindow())
            std::this_thread::yield();
    });
    DestroyWindow(main);
    return elapsed;
}

// The cost of one device call at the recorder's latency.
double DeviceCallCost(ZelHandle handle) {
    device::VersionRecord version{};
    const int calls = 10;
    const auto start = Clock::now();
    for (int i = 0; i < calls; ++i)
        zelDispHisiNewMenuVersionGet(handle, &version);
    return Milliseconds(Clock::now() - start) / calls;
}

// A 16-channel simulated recorder in memory, each device call taking latency ms.
bool OpenRecorder(host::SimulatedRecorder& recorder, int latency) {
    std::string error;
    if (recorder.Open("", error) && recorder.SetChannels(16, error) &&
        recorder.SetLatency(latency, error))
        return true;
    std::fprintf(stderr, "RavelinBench: %s\n", error.c_str());
    return false;
}

struct Shown {
    double milliseconds = 0;
    int deviceCalls = 0;
};

// One session: from the entry call to the window shown; the window is closed at once.
Shown EntryToShown(const host::RavelinLibrary& library, ZelHandle handle) {
    zsimClearLog(handle);
    Shown shown;
    // The calls made before the window showed (closing it saves once more).
    shown.milliseconds = UntilVisible([&] { library.initConfig()(handle, 2); },
                                      [&] { shown.deviceCalls = zsimLogSize(handle); });
    return shown;
}

void MeasureOpening(const host::RavelinLibrary& library, HMODULE module, int latency, int runs,
                    bool print = true) {
    host::SimulatedRecorder recorder;
    if (!OpenRecorder(recorder, latency))
        return;
    std::vector<double> window, floor;
    int calls = 0;
    for (int run = 0; run < runs; ++run) {
        const Shown shown = EntryToShown(library, recorder.handle());
        window.push_back(shown.milliseconds);
        calls = shown.deviceCalls;
        floor.push_back(calls * DeviceCallCost(recorder.handle()) + BareTemplates(module));
    }
    const double w = Median(window), f = Median(floor);
    if (print)
        std::printf(
            "window shown, %2d ms per call: %8.1f ms   floor %8.1f ms   ratio %.2f   (%d "
            "device calls, median of %d)\n",
            latency, w, f, f > 0 ? w / f : 0, calls, runs);
}

// The configuration window, once the library has shown it.
HWND WaitForMainWindow() {
    HWND main = nullptr;
    while (!(main = host::ProcessDialogs::MainWindow()))
        Sleep(5);
    return main;
}

// Selects every page's node a few times; each time from the selection to the page painted.
void MeasurePageSwitches(const host::RavelinLibrary& library) {
    host::SimulatedRecorder recorder;
    if (!OpenRecorder(recorder, 0))
        return;
    std::thread driver([] {
        HWND main = WaitForMainWindow();
        HWND tree = GetDlgItem(main, host::ProcessDialogs::kTreeId);
        const host::TreeNavigator navigator(tree);
        std::vector<double> all;
        std::printf("page switch (selection to page painted), 5 times each:\n");
        for (const auto& node : navigator.Nodes()) {
            std::vector<double> times;
            for (int i = 0; i < 5; ++i) {
                // Another node first, so that each selection changes the page.
                SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, 0);
                const auto start = Clock::now();
                SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, LPARAM(node.item));
                // What the switch left to paint, painted now.
                RedrawWindow(main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
                times.push_back(Milliseconds(Clock::now() - start));
            }
            all.insert(all.end(), times.begin(), times.end());
            std::printf("  %-28s median %6.2f ms  max %6.2f ms\n",
                        host::Utf8FromWide(node.caption).c_str(), Median(times),
                        *std::max_element(times.begin(), times.end()));
        }
        std::printf("  all pages: median %.2f ms, max %.2f ms\n", Median(all),
                    all.empty() ? 0 : *std::max_element(all.begin(), all.end()));
        PostMessageW(main, WM_CLOSE, 0, 0);
    });
    library.initConfig()(recorder.handle(), 2);
    driver.join();
}

// From posting a command to the dialog it opens; the dialog is then answered.
double UntilDialog(HWND main, HWND target, WPARAM command, WPARAM answer) {
    const auto start = Clock::now();
    PostMessageW(target, command == BM_CLICK ? BM_CLICK : WM_COMMAND,
                 command == BM_CLICK ? 0 : command, 0);
    HWND box = nullptr;
    while (!(box = host::ProcessDialogs::OtherDialog(main)))
        std::this_thread::yield();
    const double elapsed = Milliseconds(Clock::now() - start);
    PostMessageW(box, WM_COMMAND, answer, 0);
    while (host::ProcessDialogs::OtherDialog(main))
        Sleep(1);
    return elapsed;
}

// Shows every page, then measures the closing check: from the close to its question about an
// edited page, beside a message box alone (Save on the unchanged General page, to its message).
void MeasureClosingCheck(const host::RavelinLibrary& library) {
    host::SimulatedRecorder recorder;
    if (!OpenRecorder(recorder, 0))
        return;
    constexpr int kSave = 1016;
    constexpr int kGeneralLogout = 1015;
    std::thread driver([] {
        HWND main = WaitForMainWindow();
        HWND tree = GetDlgItem(main, host::ProcessDialogs::kTreeId);
        const host::TreeNavigator navigator(tree);
        HWND general = nullptr;
        for (const auto& node : navigator.Nodes()) {
            SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, LPARAM(node.item));
            for (HWND page = GetWindow(main, GW_CHILD); page && !general;
                 page = GetWindow(page, GW_HWNDNEXT)) {
                if (IsWindowVisible(page) && GetDlgItem(page, kGeneralLogout))
                    general = page;
            }
        }
        if (!general) {
            std::fprintf(stderr, "RavelinBench: no General page\n");
            PostMessageW(main, WM_CLOSE, 0, 0);
            return;
        }
        std::vector<double> box, check;
        for (int i = 0; i < 7; ++i)
            box.push_back(UntilDialog(main, GetDlgItem(general, kSave), BM_CLICK, IDOK));
        SetWindowTextW(GetDlgItem(general, kGeneralLogout), L"42");
        for (int i = 0; i < 7; ++i)
            check.push_back(UntilDialog(main, main, IDCANCEL, IDNO));
        std::printf(
            "closing with every page shown, to its question: median %.2f ms (max %.2f); a "
            "message box alone: median %.2f ms\n",
            Median(check), *std::max_element(check.begin(), check.end()), Median(box));
        // The difference is the check itself; below the box's own spread it cannot be told.
        const double own = Median(check) - Median(box);
        if (own > 0)
            std::printf("  the check: about %.2f ms\n", own);
        else
            std::printf("  the check: too small to tell from a message box's own time\n");
        UntilDialog(main, main, IDCANCEL, IDYES);
    });
    library.initConfig()(recorder.handle(), 2);
    driver.join();
}

}  // namespace

int main() {
    host::RavelinLibrary library;
    std::string error;
    if (!library.Load(error)) {
        std::fprintf(stderr, "RavelinBench: %s\n", error.c_str());
        return 1;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&controls);
    HMODULE module = GetModuleHandleW(L"Ravelin.dll");
    // A first session loads what every later one finds ready.
    MeasureOpening(library, module, 0, 1, false);
    std::printf("16-channel simulated recorder, real windows\n");
    MeasureOpening(library, module, 0, 9);
    MeasureOpening(library, module, 10, 3);
    MeasurePageSwitches(library);
    MeasureClosingCheck(library);
    return 0;
}
