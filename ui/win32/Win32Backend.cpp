// The Win32 backend.
#include "ui/win32/Win32Backend.h"

#include <exception>

#include "ui/Dialog.h"
#include "ui/win32/Win32Graphics.h"
#include "ui/win32/Win32Progress.h"

namespace ui::win32 {

bool Win32Backend::IsOurs(HWND hwnd) {
    return hwnd && GetWindowLongPtrW(hwnd, DWLP_DLGPROC) == reinterpret_cast<LONG_PTR>(DialogProc);
}

std::unique_ptr<Win32Window> Win32Backend::MakeWindow(Dialog& dialog, bool modal) {
    return std::make_unique<Win32Window>(dialog, modal);
}

Win32Backend::Win32Backend(HINSTANCE module) : module_(module) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES |
                                                       ICC_DATE_CLASSES | ICC_INTERNET_CLASSES |
                                                       ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

Win32Backend::~Win32Backend() = default;

Win32Window* Win32Backend::FromHandle(HWND hwnd) {
    return reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

Window* Win32Backend::CreateChild(Dialog& dialog, int templateId, Window& parent) {
    Win32Window* window = MakeWindow(dialog, false).release();  // freed with its window
    HWND hwnd = CreateDialogParamW(module_, MAKEINTRESOURCEW(templateId),
                                   static_cast<Win32Window&>(parent).hwnd(), DialogProc,
                                   reinterpret_cast<LPARAM>(window));
    if (!hwnd) {
        delete window;
        return nullptr;
    }
    if (std::exception_ptr failure = window->TakeInitFailure()) {
        ::DestroyWindow(hwnd);  // frees window
        std::rethrow_exception(failure);
    }
    return window;
}

int Win32Backend::RunModal(Dialog& dialog, int templateId, Window* owner) {
    // Owned here, not by the window procedure: the dialog box is gone when the call returns.
    const std::unique_ptr<Win32Window> window = MakeWindow(dialog, true);
    HWND ownerHwnd = owner ? static_cast<Win32Window*>(owner)->hwnd() : nullptr;
    const INT_PTR result = DialogBoxParamW(module_, MAKEINTRESOURCEW(templateId), ownerHwnd,
                                           DialogProc, reinterpret_cast<LPARAM>(window.get()));
    if (std::exception_ptr failure = window->TakeInitFailure())
        std::rethrow_exception(failure);
    return int(result);
}

int Win32Backend::DesktopMessageBox(std::u16string_view text, std::u16string_view caption,
                                    unsigned type) {
    return MessageBoxW(GetDesktopWindow(), Wide(text).c_str(), Wide(caption).c_str(), type);
}

std::unique_ptr<ProgressWindow> Win32Backend::ShowProgress(std::u16string_view caption,
                                                           std::u16string_view text, int done,
                                                           int total) {
    return std::make_unique<Win32Progress>(module_, caption, text, done, total);
}

std::unique_ptr<FontHandle> Win32Backend::CreateFont(std::u16string_view face, int height) {
    return std::make_unique<Win32Font>(face, height);
}

std::unique_ptr<ImageListHandle> Win32Backend::CreateImageList(int width, int height, int initial,
                                                               int grow) {
    return std::make_unique<Win32ImageList>(module_, width, height, initial, grow);
}

DateTimeValue Win32Backend::LocalNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return DateTimeValue{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

INT_PTR CALLBACK Win32Backend::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // Nothing may leave a window procedure by an exception.
    try {
        if (message == WM_INITDIALOG) {
            auto* window = reinterpret_cast<Win32Window*>(lParam);
            window->Attach(hwnd);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
            try {
                return window->dialog().HandleInitDialog(*window) ? TRUE : FALSE;
            } catch (...) {
                // A half-made dialog is never shown: a modal one ends before its loop starts,
                // and the function that made the window throws the failure on.
                window->KeepInitFailure(std::current_exception());
                if (window->IsModal())
                    EndDialog(hwnd, -1);
                return FALSE;
            }
        }
        Win32Window* window = FromHandle(hwnd);
        if (!window)
            return FALSE;
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            if (!window->IsModal())
                delete window;
            return FALSE;
        }
        return HandleMessage(*window, message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

INT_PTR Win32Backend::HandleMessage(Win32Window& window, UINT message, WPARAM wParam,
                                    LPARAM lParam) {
    Dialog& dialog = window.dialog();
    switch (message) {
        case WM_COMMAND: {
            // The dialog manager sends Enter on a focused push button to the top-level dialog,
            // also when the button belongs to a page hosted inside it: the page gets it.
            const HWND control = reinterpret_cast<HWND>(lParam);
            const HWND owner = control ? GetParent(control) : nullptr;
            if (owner && owner != window.hwnd() && IsChild(window.hwnd(), control)) {
                if (Win32Window* page = FromHandle(owner)) {
                    page->dialog().HandleCommand(LOWORD(wParam), HIWORD(wParam));
                    return TRUE;
                }
            }
            dialog.HandleCommand(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        }
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            dialog.HandleNotify(int(header->idFrom), int(header->code));
            SetWindowLongPtrW(window.hwnd(), DWLP_MSGRESULT, 0);
            return TRUE;
        }
        case WM_TIMER:
            dialog.HandleTimer(int(wParam));
            return TRUE;
        case WM_SYSCOMMAND: {
            // The low four bits of a system command are the platform's own.
            const int id = int(wParam & 0xFFF0);
            if (!IsValidSystemMenuId(id))
                return FALSE;
            return dialog.HandleSysCommand(id) ? TRUE : FALSE;
        }
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlType != ODT_STATIC)
                return FALSE;
            Win32Painter painter(item->hDC, item->rcItem);
            dialog.HandlePaint(int(item->CtlID), painter);
            return TRUE;
        }
        case WM_DESTROY:
            dialog.HandleDestroy();
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace ui::win32
