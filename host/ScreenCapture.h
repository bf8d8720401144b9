// A picture of a window as the screen shows it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace host {

class ScreenCapture {
  public:
    // Copies the window's rectangle from the screen: width * height RGB pixels, rows from the
    // top. False with a message in error when the window or the copy fails.
    static bool Window(HWND window, std::uint32_t& width, std::uint32_t& height,
                       std::vector<std::uint8_t>& rgb, std::string& error);
};

}  // namespace host
