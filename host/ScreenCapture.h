// A picture of a window as the screen shows it.
#pragma once

#include <windows.h>

#include <string>

#include "host/PngFile.h"

namespace host {

class ScreenCapture {
  public:
    // Copies the window's rectangle from the screen. False with a message in error when the
    // window or the copy fails.
    // The window, and with it another that may stand outside it (a dropped-down list).
    static bool Window(HWND window, Picture& picture, std::string& error, HWND also = nullptr);
};

}  // namespace host
