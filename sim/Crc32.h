// CRC-32 (the reflected 0xEDB88320 polynomial of zip and PNG) over a byte range.
#pragma once

#include <cstddef>
#include <cstdint>

namespace sim {

class Crc32 {
  public:
    static std::uint32_t Of(const std::uint8_t* bytes, std::size_t size);
};

}  // namespace sim
