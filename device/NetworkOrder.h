// 16-bit host/network byte-order conversion, as the schedule's minute fields need it.
#pragma once

#include <bit>
#include <cstdint>

namespace device {

static_assert(std::endian::native == std::endian::little, "records are little-endian images");

constexpr std::uint16_t HostToNetwork16(std::uint16_t value) {
    return static_cast<std::uint16_t>((value >> 8) | (value << 8));
}

constexpr std::uint16_t NetworkToHost16(std::uint16_t value) {
    return HostToNetwork16(value);
}

}  // namespace device
