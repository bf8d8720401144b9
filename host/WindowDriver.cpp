// Driving the configuration window from a second thread.
#include "host/WindowDriver.h"

#include <commctrl.h>

#include <cstdio>
#include <initializer_list>
#include <utility>
#include <vector>

#include "host/PngFile.h"
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
    if (plan_.progressScreenshot)
        TakeProgressScreenshot();
    const HWND main = WaitForWindow();
    if (!main)
        return;
    if (plan_.page)
        SelectPage(main);
    HWND dialog = plan_.press.empty() ? nullptr : Press(main);
    HWND list = plan_.dropDown ? DropDown(main, *plan_.dropDown) : nullptr;
    if (plan_.windowImport)
        dialog = ImportInWindow(main, *plan_.windowImport);
    if (!plan_.closeAfterMs || !Wait(*plan_.closeAfterMs))
        return;
    if (plan_.systemMenu)
        OpenSystemMenu(main);
    // A dialog the clicks opened is what the picture shows.
    if (plan_.screenshot && TakeScreenshot(dialog ? dialog : main, *plan_.screenshot, list))
        screenshotSaved_ = true;
    if (plan_.systemMenu)
        CloseMenu(main);
    // A question of the import pictured is answered No, so that closing imports nothing.
    if (plan_.windowImport && dialog && plan_.importPicture != HostOptions::ImportPicture::Message)
        ProcessDialogs::Dismiss(dialog);
    Close(main);
}

namespace {

void PressKeys(std::initializer_list<std::pair<WORD, bool>> strokes) {
    std::vector<INPUT> inputs;
    for (const auto& [key, up] : strokes) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    }
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

void WindowDriver::OpenSystemMenu(HWND main) {
    SetForegroundWindow(main);
    PressKeys({{VK_MENU, false}, {VK_SPACE, false}, {VK_SPACE, true}, {VK_MENU, true}});
    // Once the menu has painted itself.
    Sleep(500);
}

void WindowDriver::CloseMenu(HWND main) {
    // The menu's loop reads the keys of the window's thread: one Escape closes the menu, the
    // next leaves the menu mode.
    for (int i = 0; i < 2; ++i) {
        PostMessageW(main, WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageW(main, WM_KEYUP, VK_ESCAPE, 0);
        Sleep(200);
    }
}

void WindowDriver::TakeProgressScreenshot() {
    HWND window = nullptr;
    while (!stop_ && !(window = ProcessDialogs::ProgressWindow())) {
        if (ProcessDialogs::MainWindow()) {
            Report("the configuration window came without a progress window (try --latency 40)");
            return;
        }
        Sleep(kPollMs);
    }
    // Half way, so that the picture shows what the bar counts.
    while (!stop_ && IsWindow(window)) {
        HWND bar = ProcessDialogs::ProgressBar(window);
        DWORD_PTR done = 0, total = 0;
        SendMessageTimeoutW(bar, PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 1000, &done);
        SendMessageTimeoutW(bar, PBM_GETRANGE, FALSE, 0, SMTO_ABORTIFHUNG, 1000, &total);
        if (total > 0 && done * 2 >= total) {
            if (TakeScreenshot(window, *plan_.progressScreenshot))
                progressScreenshotSaved_ = true;
            return;
        }
        Sleep(kPollMs);
    }
    Report("the progress window closed before its picture was taken");
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
    HWND current = main;
    HWND opened = nullptr;
    for (int id : plan_.press) {
        // On the main window the button is on the shown page.
        HWND button = nullptr;
        if (current == main) {
            for (HWND page = GetWindow(main, GW_CHILD); page && !button;
                 page = GetWindow(page, GW_HWNDNEXT)) {
                if (IsWindowVisible(page))
                    button = GetDlgItem(page, id);
            }
        } else {
            button = GetDlgItem(current, id);
        }
        if (!button || !IsWindowVisible(button) || !IsWindowEnabled(button)) {
            Report("the shown page or dialog has no usable control " + std::to_string(id));
            return opened;
        }
        PostMessageW(button, BM_CLICK, 0, 0);
        HWND dialog = nullptr;
        for (int waited = 0; waited < 5000 && !stop_ && !dialog; waited += int(kPollMs)) {
            dialog = ProcessDialogs::OtherDialog(main);
            if (dialog == current)
                dialog = nullptr;
            if (!dialog)
                Sleep(kPollMs);
        }
        if (!dialog) {
            SyncWith(current);
            return opened;
        }
        SyncWith(dialog);
        opened = current = dialog;
    }
    return opened;
}

HWND WindowDriver::DropDown(HWND main, int id) {
    HWND combo = nullptr;
    for (HWND page = GetWindow(main, GW_CHILD); page && !combo;
         page = GetWindow(page, GW_HWNDNEXT)) {
        if (IsWindowVisible(page))
            combo = GetDlgItem(page, id);
    }
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!combo || !IsWindowVisible(combo) || !GetComboBoxInfo(combo, &info)) {
        Report("the shown page has no drop-down list " + std::to_string(id));
        return nullptr;
    }
    SetForegroundWindow(main);
    PostMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    if (plan_.dropDownTop)
        PostMessageW(info.hwndList, LB_SETTOPINDEX, WPARAM(*plan_.dropDownTop), 0);
    SyncWith(main);
    return info.hwndList;
}

HWND WindowDriver::NextDialog(HWND main, HWND previous, int milliseconds) {
    for (int waited = 0; waited < milliseconds && !stop_; waited += int(kPollMs)) {
        HWND dialog = ProcessDialogs::OtherDialog(main);
        if (dialog && dialog != previous && IsWindowVisible(dialog)) {
            SyncWith(dialog);
            return dialog;
        }
        Sleep(kPollMs);
    }
    return nullptr;
}

bool WindowDriver::ChooseFile(HWND open, const std::filesystem::path& file) {
    constexpr int kFileNameCombo = 0x47C;
    constexpr int kFileNameEdit = 0x480;
    HWND name = GetDlgItem(open, kFileNameCombo);
    if (!name)
        name = GetDlgItem(open, kFileNameEdit);
    if (!name)
        return false;
    if (HWND edit = FindWindowExW(name, nullptr, L"Edit", nullptr))
        name = edit;
    SendMessageW(name, WM_SETTEXT, 0, LPARAM(file.wstring().c_str()));
    PostMessageW(open, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return true;
}

HWND WindowDriver::ImportInWindow(HWND main, const std::filesystem::path& file) {
    using Picture = HostOptions::ImportPicture;
    constexpr int kImportCommand = 0x0110;
    const auto answer = [](HWND box, int button) {
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    };
    PostMessageW(main, WM_SYSCOMMAND, kImportCommand, 0);
    HWND dialog = NextDialog(main, nullptr, 5000);
    // A box with Yes before the Open dialog asks about the pages' unsaved changes.
    if (dialog && GetDlgItem(dialog, IDYES)) {
        if (plan_.importPicture == Picture::Question)
            return dialog;
        answer(dialog, IDYES);
        dialog = NextDialog(main, dialog, 5000);
    }
    if (!dialog || !ChooseFile(dialog, file)) {
        Report("the import command opened no file dialog");
        return nullptr;
    }
    for (HWND box = NextDialog(main, dialog, 10000); box; box = NextDialog(main, box, 10000)) {
        if (!GetDlgItem(box, IDYES))
            return plan_.importPicture == Picture::Message ? box : nullptr;
        // The window's own question is the preview; the restart question is the desktop's.
        const bool preview = GetWindow(box, GW_OWNER) == main;
        if (preview && plan_.importPicture == Picture::Preview)
            return box;
        answer(box, preview ? IDYES : IDNO);
    }
    Report("no message after the import");
    return nullptr;
}

bool WindowDriver::Wait(int milliseconds) {
    for (int waited = 0; waited < milliseconds && !stop_; waited += int(kPollMs))
        Sleep(kPollMs);
    return !stop_;
}

bool WindowDriver::TakeScreenshot(HWND window, const std::filesystem::path& file, HWND also) {
    Picture picture;
    std::string error;
    if (!ScreenCapture::Window(window, picture, error, also) ||
        !PngFile::Save(file, picture, error)) {
        Report("no screenshot in " + Utf8FromWide(file.wstring()) + ": " + error);
        return false;
    }
    return true;
}

void WindowDriver::Close(HWND main) {
    // A box that is open gets its answer first; the close is repeated in case a box took it.
    DWORD sinceClose = kRepeatCloseMs;
    while (!stop_ && IsWindow(main)) {
        if (HWND box = ProcessDialogs::OtherDialog(main)) {
            // The main window's own question whether to close without the unsaved changes:
            // closing goes on.
            if (ProcessDialogs::IsClosingQuestion(main, box)) {
                if (plan_.closingScreenshot && !closingScreenshotSaved_) {
                    // Once the box has painted itself.
                    SyncWith(box);
                    Sleep(300);
                    closingScreenshotSaved_ = TakeScreenshot(box, *plan_.closingScreenshot);
                }
                PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
            } else {
                ProcessDialogs::Dismiss(box);
            }
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
