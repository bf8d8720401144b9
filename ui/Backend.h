// What a backend of the dialog framework provides: windows made from the dialog templates,
// the modal loop, message boxes owned by the desktop, a progress window, fonts and image
// lists, and the PC's clock.
#pragma once

#include <chrono>
#include <memory>
#include <string_view>

#include "ui/DateTimeValue.h"

namespace ui {

class Dialog;
class Window;
class FontHandle;
class ImageListHandle;
class ProgressWindow;

class Backend {
  public:
    virtual ~Backend() = default;

    // Creates the dialog's window as a child of parent from its template and runs the
    // dialog's initialisation. The window stays with the backend until destroyed.
    virtual Window* CreateChild(Dialog& dialog, int templateId, Window& parent) = 0;
    // Creates the dialog's window, runs its initialisation and its modal loop, destroys it.
    // Returns the result given to EndModal.
    virtual int RunModal(Dialog& dialog, int templateId, Window* owner) = 0;
    // A message box owned by the desktop window, not by any dialog.
    virtual int DesktopMessageBox(std::u16string_view text, std::u16string_view caption,
                                  unsigned type) = 0;
    // Shows a progress window with this caption and line of text, its bar at done of total.
    virtual std::unique_ptr<ProgressWindow> ShowProgress(std::u16string_view caption,
                                                         std::u16string_view text, int done,
                                                         int total) = 0;
    virtual std::unique_ptr<FontHandle> CreateFont(std::u16string_view face, int height) = 0;
    virtual std::unique_ptr<ImageListHandle> CreateImageList(int width, int height, int initial,
                                                             int grow) = 0;
    // The PC's local date and time.
    virtual DateTimeValue LocalNow() = 0;
    // Time since a fixed point in the past, for measuring how long work takes.
    virtual std::chrono::milliseconds SteadyNow();
};

// The backend in use. The library installs one before any dialog is made.
Backend& CurrentBackend();
bool HasBackend();
void SetBackend(Backend* backend);

}  // namespace ui
