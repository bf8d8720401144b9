// PNG files of screen pictures, written and read through the platform's image codecs (the
// Windows Imaging Component), which compress them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace host {

// width * height pixels of three bytes (blue, green, red), rows from the top.
struct Picture {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint8_t> bgr;
};

class PngFile {
  public:
    // Writes the picture; false with a message in error when the picture is empty or does not
    // match its size, or the codec or the file fails.
    static bool Save(const std::filesystem::path& file, const Picture& picture, std::string& error);
    // Reads a PNG file in any of the codec's pixel formats.
    static bool Load(const std::filesystem::path& file, Picture& picture, std::string& error);
};

}  // namespace host
