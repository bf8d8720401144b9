// The two checksums a PNG file carries: CRC-32 over each chunk, Adler-32 over the zlib data.
#pragma once

#include <cstddef>
#include <cstdint>

namespace host {

// CRC-32 (polynomial 0xEDB88320, reflected); pass a previous result to continue it.
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t previous = 0);

// Adler-32; pass a previous result to continue it (a fresh one starts at 1).
std::uint32_t Adler32(const std::uint8_t* data, std::size_t size, std::uint32_t previous = 1);

}  // namespace host
