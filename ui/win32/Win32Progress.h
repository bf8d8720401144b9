// The progress window on real windows: a captioned popup in the middle of the screen with a
// line of text and a progress bar. Everything runs on the thread that shows it, which is busy
// with the work it reports on, so each update paints the window and handles its own pending
// messages, and no other window's.
#pragma once

#include <memory>
#include <string_view>
#include <type_traits>

#include "ui/ProgressWindow.h"
#include "ui/win32/Win32Graphics.h"
#include "ui/win32/WinApi.h"

namespace ui::win32 {

class Win32Progress : public ProgressWindow {
  public:
    static constexpr const wchar_t* kClassName = L"RavelinProgress";

    Win32Progress(HINSTANCE module, std::u16string_view caption, std::u16string_view text, int done,
                  int total);

    void SetProgress(int done, int total) override;

    HWND hwnd() const { return window_.get(); }
    HWND bar() const { return bar_; }

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Paints the window and handles what is waiting for it.
    void Pump();

    struct WindowDestroyer {
        void operator()(HWND hwnd) const { DestroyWindow(hwnd); }
    };

    // Owned from the moment each is made, so that a set-up failing part way releases them;
    // the window goes before the font its text uses.
    std::unique_ptr<Win32Font> font_;
    std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer> window_;
    HWND bar_ = nullptr;
};

}  // namespace ui::win32
