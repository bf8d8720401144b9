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
    static bool Window(HWND window, Picture& picture, std::string& error);
};

}  // namespace host
