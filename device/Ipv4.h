// IPv4 values of the records: a.b.c.d is (a << 24) | (b << 16) | (c << 8) | d.
#pragma once

#include <cstdint>
#include <string>

namespace device {

constexpr std::uint32_t Ipv4FromOctets(std::uint8_t a, std::uint8_t b, std::uint8_t c,
                                       std::uint8_t d) {
    return (std::uint32_t(a) << 24) | (std::uint32_t(b) << 16) | (std::uint32_t(c) << 8) | d;
}

// Octet 0 is the first dotted field.
constexpr std::uint8_t Ipv4Octet(std::uint32_t address, int index) {
    return static_cast<std::uint8_t>(address >> (8 * (3 - index)));
}

// "a.b.c.d"
std::u16string FormatIpv4(std::uint32_t address);

}  // namespace device
