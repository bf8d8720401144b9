// Finding this process's dialogs among the top-level windows.
#include "host/ProcessDialogs.h"

namespace host {
namespace {

struct Search {
    HWND exclude = nullptr;
    bool wantTree = false;
    HWND found = nullptr;
};

BOOL CALLBACK Visit(HWND window, LPARAM data) {
    Search& search = *reinterpret_cast<Search*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() || window == search.exclude || !IsWindowVisible(window))
        return TRUE;
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (lstrcmpW(className, L"#32770") != 0)
        return TRUE;
    const bool hasTree = GetDlgItem(window, ProcessDialogs::kTreeId) != nullptr;
    if (hasTree != search.wantTree)
        return TRUE;
    search.found = window;
    return FALSE;
}

// Finds a visible top-level window of this process with a progress bar.
BOOL CALLBACK VisitProgress(HWND window, LPARAM data) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() || !IsWindowVisible(window) ||
        !ProcessDialogs::ProgressBar(window))
        return TRUE;
    *reinterpret_cast<HWND*>(data) = window;
    return FALSE;
}

HWND Find(HWND exclude, bool wantTree) {
    Search search{exclude, wantTree, nullptr};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

HWND ProcessDialogs::MainWindow() {
    return Find(nullptr, true);
}

HWND ProcessDialogs::OtherDialog(HWND main) {
    return Find(main, false);
}

HWND ProcessDialogs::ProgressBar(HWND window) {
    return FindWindowExW(window, nullptr, L"msctls_progress32", nullptr);
}

HWND ProcessDialogs::ProgressWindow() {
    HWND found = nullptr;
    EnumWindows(VisitProgress, reinterpret_cast<LPARAM>(&found));
    return found;
}

bool ProcessDialogs::IsClosingQuestion(HWND main, HWND box) {
    return GetWindow(box, GW_OWNER) == main && GetDlgItem(box, IDYES) != nullptr;
}

void ProcessDialogs::Dismiss(HWND dialog) {
    int answer = IDOK;
    if (GetDlgItem(dialog, IDNO))
        answer = IDNO;
    else if (GetDlgItem(dialog, IDCANCEL))
        answer = IDCANCEL;
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
}

}  // namespace host
