// The byte format of the simulated recorder's state file, encoded and parsed in memory:
//   8 bytes  magic "ZSIMSTAT"
//   u32      format version (1)
//   u32      number of records (23)
//   records  u32 id, u32 size, the record image; ids 1..23 in order, each of its exact size
//   u32      CRC-32 of every byte before it
// All numbers little-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "sim/RecorderState.h"

namespace sim {

class StateCodec {
  public:
    static constexpr std::uint32_t kFormatVersion = 1;

    static std::vector<std::uint8_t> Encode(const RecorderState& state);

    // Parses a whole state file image. On failure returns false with the reason in error and
    // leaves state untouched.
    static bool Decode(const std::uint8_t* bytes, std::size_t size, RecorderState& state,
                       std::string& error);

    // Size of every well-formed state file.
    static std::size_t EncodedSize();
};

}  // namespace sim
