// RavelinSoak.exe: many configuration sessions in one process on real windows, each opening
// every page and every dialog, as a long day of an operator would. After a warm-up it prints
// the windows left open, our own count of graphics objects (the platform's counters read 0
// under Wine) and the process's memory, and at the end their growth per session, which must
// be zero: exit status 1 when windows, graphics objects or our own heap grew. The process's
// memory also holds what the window system keeps for itself; the bytes our code holds on the
// heap are counted apart, through this program's operator new and delete.
//   RavelinSoak [sessions]      default 500
#include "ui/win32/WinApi.h"

#include <malloc.h>
#include <psapi.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <new>
#include <string>
#include <thread>
#include <vector>

#include "session/ConfigSession.h"
#include "dll/Entries.h"
#include "host/ProcessDialogs.h"
#include "host/TreeNavigator.h"
#include "window/CMainDlg.h"
#include "sim/SimApi.h"
#include "text/LangText.h"
#include "text/TextIds.h"
#include "ui/Backend.h"
#include "ui/GraphicsObject.h"
#include "ui/win32/Win32Backend.h"

namespace {

std::atomic<long long> heapBytes{0};  // held by our code through operator new

void* Allocate(std::size_t size) {
    void* memory = std::malloc(size ? size : 1);
    if (!memory)
        throw std::bad_alloc();
    heapBytes += static_cast<long long>(_msize(memory));
    return memory;
}

void Release(void* memory) noexcept {
    if (!memory)
        return;
    heapBytes -= static_cast<long long>(_msize(memory));
    std::free(memory);
}

}  // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void operator delete(void* memory) noexcept {
    Release(memory);
}
void operator delete[](void* memory) noexcept {
    Release(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    Release(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    Release(memory);
}

namespace {

// The dialogs and how they open: a page's tree node, then the buttons clicked in turn, the
// first on the page, each next one in the dialog the click before opened.
struct DialogRoute {
    std::uint32_t page;
    std::vector<int> buttons;
};

const DialogRoute kDialogs[] = {
    {text::kTextAlarm, {1168}},       {text::kTextDetect, {1168}},
    {text::kTextPanTiltZoom, {1176}}, {text::kTextPanTiltZoom, {1176, 1184}},
    {text::kTextPanTiltZoom, {1177}}, {text::kTextDisplay, {1168}},
};

constexpr int kWarmUp = 20;

void Wait(const std::function<bool()>& done, int milliseconds = 5000) {
    for (int waited = 0; waited < milliseconds && !done(); waited += 5)
        Sleep(5);
}

// Clicks through a route from the shown page and closes what it opened, last first.
void OpenAndClose(HWND main, const std::vector<int>& buttons) {
    std::vector<HWND> opened;
    HWND in = nullptr;
    for (int id : buttons) {
        HWND button = nullptr;
        for (HWND page = in ? nullptr : GetWindow(main, GW_CHILD); page && !button;
             page = GetWindow(page, GW_HWNDNEXT)) {
            if (IsWindowVisible(page))
                button = GetDlgItem(page, id);
        }
        if (in)
            button = GetDlgItem(in, id);
        if (!button || !IsWindowEnabled(button))
            break;
        const HWND before = host::ProcessDialogs::OtherDialog(main);
        PostMessageW(button, BM_CLICK, 0, 0);
        HWND dialog = nullptr;
        Wait([&] {
            dialog = host::ProcessDialogs::OtherDialog(main);
            return dialog && dialog != before;
        });
        if (!dialog || dialog == before)
            break;
        opened.push_back(in = dialog);
    }
    for (auto it = opened.rbegin(); it != opened.rend(); ++it) {
        PostMessageW(*it, WM_CLOSE, 0, 0);
        Wait([&] { return !IsWindow(*it); });
    }
}

// The operator of one session: every node, every dialog, then the close box.
void Operate() {
    HWND main = nullptr;
    Wait([&] { return (main = host::ProcessDialogs::MainWindow()) != nullptr; }, 30000);
    if (!main)
        return;
    const host::TreeNavigator tree(GetDlgItem(main, host::ProcessDialogs::kTreeId));
    for (const auto& node : tree.Nodes()) {
        tree.Select(node.item);
        for (const DialogRoute& route : kDialogs) {
            if (node.caption == reinterpret_cast<const wchar_t*>(text::LangText(2, route.page)))
                OpenAndClose(main, route.buttons);
        }
    }
    while (IsWindow(main)) {
        if (HWND box = host::ProcessDialogs::OtherDialog(main)) {
            if (host::ProcessDialogs::IsClosingQuestion(main, box))
                PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
            else
                host::ProcessDialogs::Dismiss(box);
        } else
            PostMessageW(main, WM_CLOSE, 0, 0);
        Sleep(20);
    }
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int ProcessWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

struct Reading {
    int windows;
    int graphicsObjects;
    double memoryMb;  // the process's committed memory (its working set where Wine lacks it)
    long long heapBytes;
};

Reading Read() {
    PROCESS_MEMORY_COUNTERS_EX memory{};
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                         sizeof memory);
    const SIZE_T bytes = memory.PrivateUsage    ? memory.PrivateUsage
                         : memory.PagefileUsage ? memory.PagefileUsage
                                                : memory.WorkingSetSize;
    return {ProcessWindows(), ui::GraphicsObject::LiveCount(), double(bytes) / (1024.0 * 1024.0),
            heapBytes.load()};
}

}  // namespace

int main(int argc, char** argv) {
    const int sessions = argc > 1 ? std::atoi(argv[1]) : 500;
    if (sessions <= kWarmUp) {
        std::fprintf(stderr, "usage: RavelinSoak [sessions above %d]\n", kWarmUp);
        return 2;
    }
    char error[256];
    const ZelHandle handle = zsimOpen(nullptr, error, sizeof error);
    if (!handle) {
        std::fprintf(stderr, "RavelinSoak: %s\n", error);
        return 1;
    }
    zsimSetCounts(handle, 16, 16, 4);
    // The program's own resources hold the templates and bitmaps.
    static ui::win32::Win32Backend backend(GetModuleHandleW(nullptr));
    ui::SetBackend(&backend);
    session::SetMainDialogRunner(nullptr);

    Reading baseline{};
    for (int session = 1; session <= sessions; ++session) {
        std::thread operatorThread(Operate);
        zelInitConfig(handle, 2);
        operatorThread.join();
        zsimClearLog(handle);  // the simulator's call log is not ours to count
        if (session == kWarmUp)
            baseline = Read();
        if (session % 100 == 0 || session == kWarmUp) {
            const Reading now = Read();
            std::printf(
                "session %4d: %d windows, %d graphics objects, %.2f MB memory, %lld bytes on our "
                "heap\n",
                session, now.windows, now.graphicsObjects, now.memoryMb, now.heapBytes);
            std::fflush(stdout);
        }
    }
    const Reading end = Read();
    const int counted = sessions - kWarmUp;
    std::printf(
        "growth per session after the warm-up: %.4f windows, %.4f graphics objects, "
        "%.2f KB memory, %.1f bytes on our heap\n",
        double(end.windows - baseline.windows) / counted,
        double(end.graphicsObjects - baseline.graphicsObjects) / counted,
        (end.memoryMb - baseline.memoryMb) * 1024.0 / counted,
        double(end.heapBytes - baseline.heapBytes) / counted);
    zsimClose(handle);
    const bool flat = end.windows == baseline.windows &&
                      end.graphicsObjects == baseline.graphicsObjects &&
                      end.heapBytes == baseline.heapBytes;
    return flat ? 0 : 1;
}
