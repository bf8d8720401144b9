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
    HWND dialog = plan_.press.empty() ? nullptr : Press(main);
    if (!plan_.closeAfterMs || !Wait(*plan_.closeAfterMs))
        return;
    // A dialog the clicks opened is what the picture shows.
    if (plan_.screenshot)
        TakeScreenshot(dialog && IsWindow(dialog) ? dialog : main);
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

HWND WindowDriver::Press(HWND main) {
    const auto usable = [](HWND window, int id) -> HWND {
        HWND button = window && IsWindowVisible(window) ? GetDlgItem(window, id) : nullptr;
        return button && IsWindowVisible(button) && IsWindowEnabled(button) ? button : nullptr;
    };
    HWND dialog = nullptr;  // the dialog the last click opened
    for (std::size_t i = 0; i < plan_.press.size(); ++i) {
        const int id = plan_.press[i];
        HWND owner = dialog;
        HWND button = usable(dialog, id);
        for (HWND page = i == 0 ? GetWindow(main, GW_CHILD) : nullptr; page && !button;
             page = GetWindow(page, GW_HWNDNEXT)) {
            owner = page;
            button = usable(page, id);
        }
        if (!button) {
            Report((i == 0 ? "the shown page" : "the dialog opened before") +
                   std::string(" has no usable control ") + std::to_string(id));
            return dialog;
        }
        PostMessageW(button, BM_CLICK, 0, 0);
        // The dialog it opens is the top one, over the window it was clicked in.
        HWND opened = nullptr;
        for (int waited = 0; waited < 5000 && !stop_ && !opened; waited += int(kPollMs)) {
            HWND top = ProcessDialogs::OtherDialog(main);
            if (top && top != dialog)
                opened = top;
            else
                Sleep(kPollMs);
        }
        if (!opened) {
            SyncWith(owner);
            return dialog;
        }
        SyncWith(opened);
        dialog = opened;
    }
    return dialog;
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
