// Writes RGB pictures as PNG files: 8 bits per channel, no filtering, the image data in
// stored (uncompressed) deflate blocks. Large files, but no compression library needed.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace host {

class PngWriter {
  public:
    // rgb holds width * height pixels of three bytes, rows from the top. Returns the whole
    // file, or nothing when the size is zero, beyond what PNG allows, or rgb does not match.
    static std::vector<std::uint8_t> Encode(std::uint32_t width, std::uint32_t height,
                                            const std::vector<std::uint8_t>& rgb);

    // Encodes and writes the file; false with a message in error when that fails.
    static bool Save(const std::filesystem::path& file, std::uint32_t width, std::uint32_t height,
                     const std::vector<std::uint8_t>& rgb, std::string& error);

  private:
    static std::vector<std::uint8_t> ZlibStored(const std::vector<std::uint8_t>& data);
    static void AppendChunk(std::vector<std::uint8_t>& file, const char type[4],
                            const std::vector<std::uint8_t>& data);
};

}  // namespace host
