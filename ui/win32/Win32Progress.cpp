// The progress window on real windows.
#include "ui/win32/Win32Progress.h"

#include <algorithm>
#include <string>

namespace ui::win32 {
namespace {

constexpr int kTextId = 1;
constexpr int kBarId = 2;
constexpr int kClientWidth = 320;
constexpr int kMargin = 12;
constexpr int kBarHeight = 16;

// The font of message boxes: the system's, so that the texts of every language have glyphs.
std::unique_ptr<Win32Font> MessageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return nullptr;
    auto font = std::make_unique<Win32Font>(metrics.lfMessageFont);
    return font->Get() ? std::move(font) : nullptr;
}

int LineHeight(HWND hwnd, HFONT font) {
    HDC dc = GetDC(hwnd);
    if (!dc)
        return 16;
    HGDIOBJ previous = SelectObject(dc, font ? HGDIOBJ(font) : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(hwnd, dc);
    return std::max<int>(metrics.tmHeight, 8);
}

}  // namespace

LRESULT CALLBACK Win32Progress::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // It closes when the work is done, not when asked to.
    if (message == WM_CLOSE)
        return 0;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

Win32Progress::Win32Progress(HINSTANCE module, std::u16string_view caption,
                             std::u16string_view text, int done, int total) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = module;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_WAIT);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);  // fails harmlessly when the class is there

    const std::wstring title(caption.begin(), caption.end());
    const DWORD style = WS_POPUP | WS_CAPTION | WS_BORDER;
    const DWORD exStyle = WS_EX_DLGMODALFRAME;
    window_.reset(CreateWindowExW(exStyle, kClassName, title.c_str(), style, 0, 0, 0, 0, nullptr,
                                  nullptr, module, nullptr));
    const HWND hwnd = window_.get();
    if (!hwnd)
        return;
    font_ = MessageFont();
    const HFONT font = font_ ? font_->Get() : nullptr;
    const int line = LineHeight(hwnd, font);
    const int clientHeight = kMargin + line + kMargin / 2 + kBarHeight + kMargin;

    const std::wstring label(text.begin(), text.end());
    HWND textWindow = CreateWindowExW(0, L"STATIC", label.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT,
                                      kMargin, kMargin, kClientWidth - 2 * kMargin, line, hwnd,
                                      HMENU(INT_PTR(kTextId)), module, nullptr);
    bar_ = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, kMargin,
                           kMargin + line + kMargin / 2, kClientWidth - 2 * kMargin, kBarHeight,
                           hwnd, HMENU(INT_PTR(kBarId)), module, nullptr);
    if (font && textWindow)
        SendMessageW(textWindow, WM_SETFONT, WPARAM(font), FALSE);

    // The frame around the client area, centred on the screen's work area.
    RECT frame{0, 0, kClientWidth, clientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(hwnd, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd, SW_SHOW);
    SetProgress(done, total);
}

void Win32Progress::SetProgress(int done, int total) {
    if (!bar_)
        return;
    SendMessageW(bar_, PBM_SETRANGE32, 0, std::max(total, 1));
    SendMessageW(bar_, PBM_SETPOS, std::clamp(done, 0, std::max(total, 1)), 0);
    Pump();
}

void Win32Progress::Pump() {
    const HWND hwnd = window_.get();
    if (!hwnd)
        return;
    UpdateWindow(hwnd);
    // Only this window's messages: the host's windows must not see input while the work runs.
    MSG message;
    while (PeekMessageW(&message, hwnd, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace ui::win32
