// The Win32 backend: real dialogs from the library's own dialog resources.
#pragma once

#include <memory>

#include "ui/Backend.h"
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
    std::unique_ptr<ProgressWindow> ShowProgress(std::u16string_view caption,
                                                 std::u16string_view text, int done,
                                                 int total) override;
    std::unique_ptr<FontHandle> CreateFont(std::u16string_view face, int height) override;
    std::unique_ptr<ImageListHandle> CreateImageList(int width, int height, int initial,
                                                     int grow) override;
    DateTimeValue LocalNow() override;

    // The window of a dialog handle made by this backend, or null.
    static Win32Window* FromHandle(HWND hwnd);
    // Whether the handle is a dialog window made by a backend of this kind.
    static bool IsOurs(HWND hwnd);

  protected:
    // Makes the object that stands for a dialog's window until the window is destroyed.
    virtual std::unique_ptr<Win32Window> MakeWindow(Dialog& dialog, bool modal);

  private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR HandleMessage(Win32Window& window, UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE module_;
};

}  // namespace ui::win32
