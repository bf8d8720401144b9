// The Win32 backend: real dialogs from the library's own dialog resources.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "ui/Backend.h"
#include "ui/Geometry.h"
#include "ui/win32/WinApi.h"
#include "ui/win32/Win32Window.h"

namespace ui::win32 {

class Win32Backend : public Backend {
  public:
    // module: the library whose resources hold the templates and bitmaps.
    explicit Win32Backend(HINSTANCE module);
    ~Win32Backend() override;

    Window* CreateChild(Dialog& dialog, int templateId, Window& parent) override;
    int RunModal(Dialog& dialog, int templateId, Window* owner) override;
    int DesktopMessageBox(std::u16string_view text, std::u16string_view caption,
                          unsigned type) override;
    std::unique_ptr<FontHandle> CreateFont(std::u16string_view face, int height) override;
    std::unique_ptr<ImageListHandle> CreateImageList(int width, int height, int initial,
                                                     int grow) override;

    // The window of a dialog handle made by this backend, or null.
    static Win32Window* FromHandle(HWND hwnd);
    // Whether the handle is a live dialog made by this backend; callable from any thread.
    static bool IsOurs(HWND hwnd);
    // Dialog windows made by this backend and not yet destroyed.
    static int LiveWindowCount();

    // Timers of dialogs: armed for real, or, for tests that deliver each tick themselves,
    // only recorded. Callable from any thread.
    static void HoldTimersForTests(bool held);
    static bool TimersHeld();
    static void RecordTimer(HWND hwnd, int timerId, bool running);
    static bool IsTimerRunning(HWND hwnd, int timerId);

    // What the last paint of an owner-drawn control drew, kept for tests that read a paint
    // back from another thread: the control's client area and the rectangles with their fill.
    struct Paint {
        Rect client;
        std::vector<std::pair<Rect, Color>> rects;
    };
    static void KeepPaintsForTests(bool kept);
    static std::optional<Paint> LastPaint(HWND hwnd, int id);
    static void ForgetPaint(HWND hwnd, int id);

  private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR HandleMessage(Win32Window& window, UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE module_;
};

}  // namespace ui::win32
