// The progress window on real windows: a captioned popup in the middle of the screen with a
// line of text and a progress bar. Everything runs on the thread that shows it, which is busy
// with the work it reports on, so each update paints the window and handles its own pending
// messages, and no other window's.
#pragma once

#include <string_view>

#include "ui/ProgressWindow.h"
#include "ui/win32/WinApi.h"

namespace ui::win32 {

class Win32Progress : public ProgressWindow {
  public:
    static constexpr const wchar_t* kClassName = L"RavelinProgress";

    Win32Progress(HINSTANCE module, std::u16string_view caption, std::u16string_view text, int done,
                  int total);
    ~Win32Progress() override;

    void SetProgress(int done, int total) override;

    HWND hwnd() const { return hwnd_; }
    HWND bar() const { return bar_; }

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Paints the window and handles what is waiting for it.
    void Pump();

    HWND hwnd_ = nullptr;
    HWND bar_ = nullptr;
    HFONT font_ = nullptr;
};

}  // namespace ui::win32
