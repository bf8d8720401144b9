// Driving the configuration window from a second thread.
#include "host/WindowDriver.h"

#include <cstdio>

#include "host/PngWriter.h"
#include "host/ProcessDialogs.h"
#include "host/ScreenCapture.h"
#include "host/TreeNavigator.h"
#include "host/WideText.h"

namespace host {
namespace {

constexpr DWORD kPollMs = 10;
constexpr DWORD kRepeatCloseMs = 1000;

// Returns once the window's thread has handled everything queued before this call.
void SyncWith(HWND window) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
}

}  // namespace

WindowDriver::WindowDriver(Plan plan) : plan_(std::move(plan)), thread_([this] { Run(); }) {}

WindowDriver::~WindowDriver() {
    Stop();
}

void WindowDriver::Stop() {
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
}

void WindowDriver::Run() {
    const HWND main = WaitForWindow();
    if (!main)
        return;
    if (plan_.page)
        SelectPage(main);
    if (plan_.press)
        Press(main, *plan_.press);
    if (!plan_.closeAfterMs || !Wait(*plan_.closeAfterMs))
        return;
    // A dialog the click opened is what the picture shows.
    if (plan_.screenshot) {
        HWND dialog = plan_.press ? ProcessDialogs::OtherDialog(main) : nullptr;
        TakeScreenshot(dialog ? dialog : main);
    }
    Close(main);
}

HWND WindowDriver::WaitForWindow() {
    while (!stop_) {
        // The window shows itself once its initialisation has made every page.
        if (HWND main = ProcessDialogs::MainWindow()) {
            SyncWith(main);
            windowSeen_ = true;
            return main;
        }
        Sleep(kPollMs);
    }
    return nullptr;
}

void WindowDriver::SelectPage(HWND main) {
    const TreeNavigator tree(GetDlgItem(main, ProcessDialogs::kTreeId));
    const std::vector<TreeNavigator::Node> nodes = tree.Nodes();
    for (const TreeNavigator::Node& node : nodes) {
        if (node.caption != *plan_.page)
            continue;
        if (!tree.Select(node.item))
            Report("the tree did not select \"" + Utf8FromWide(*plan_.page) + "\"");
        SyncWith(main);
        return;
    }
    std::string captions;
    for (const TreeNavigator::Node& node : nodes)
        captions += (captions.empty() ? "" : ", ") + Utf8FromWide(node.caption);
    Report("no page \"" + Utf8FromWide(*plan_.page) + "\" in the tree; it has " + captions);
}

void WindowDriver::Press(HWND main, int id) {
    for (HWND page = GetWindow(main, GW_CHILD); page; page = GetWindow(page, GW_HWNDNEXT)) {
        HWND button = IsWindowVisible(page) ? GetDlgItem(page, id) : nullptr;
        if (!button || !IsWindowVisible(button) || !IsWindowEnabled(button))
            continue;
        PostMessageW(button, BM_CLICK, 0, 0);
        for (int waited = 0; waited < 5000 && !stop_; waited += int(kPollMs)) {
            if (HWND dialog = ProcessDialogs::OtherDialog(main)) {
                SyncWith(dialog);
                return;
            }
            Sleep(kPollMs);
        }
        SyncWith(main);
        return;
    }
    Report("the shown page has no usable control " + std::to_string(id));
}

bool WindowDriver::Wait(int milliseconds) {
    for (int waited = 0; waited < milliseconds && !stop_; waited += int(kPollMs))
        Sleep(kPollMs);
    return !stop_;
}

void WindowDriver::TakeScreenshot(HWND window) {
    std::uint32_t width = 0, height = 0;
    std::vector<std::uint8_t> rgb;
    std::string error;
    const std::string name = Utf8FromWide(plan_.screenshot->wstring());
    if (!ScreenCapture::Window(window, width, height, rgb, error) ||
        !PngWriter::Save(*plan_.screenshot, width, height, rgb, error)) {
        Report("no screenshot in " + name + ": " + error);
        return;
    }
    screenshotSaved_ = true;
}

void WindowDriver::Close(HWND main) {
    // A box that is open gets its answer first; the close is repeated in case a box took it.
    DWORD sinceClose = kRepeatCloseMs;
    while (!stop_ && IsWindow(main)) {
        if (HWND box = ProcessDialogs::OtherDialog(main)) {
            ProcessDialogs::Dismiss(box);
            Sleep(100);
            continue;
        }
        if (sinceClose >= kRepeatCloseMs) {
            PostMessageW(main, WM_CLOSE, 0, 0);
            sinceClose = 0;
        }
        Sleep(kPollMs);
        sinceClose += kPollMs;
    }
}

void WindowDriver::Report(const std::string& message) {
    failed_ = true;
    std::fprintf(stderr, "RavelinHost: %s\n", message.c_str());
    std::fflush(stderr);
}

}  // namespace host
