// IPv4 values: the first dotted field is the most significant byte.
#include <gtest/gtest.h>

#include <cstring>

#include "device/Ipv4.h"
#include "device/NetworkRecords.h"

namespace {

TEST(Ipv4, test_value_octets_and_text) {
    const struct {
        std::uint8_t a, b, c, d;
        std::uint32_t value;
        std::u16string text;
    } cases[] = {{0, 0, 0, 0, 0u, u"0.0.0.0"},
                 {255, 255, 255, 255, 0xFFFFFFFFu, u"255.255.255.255"},
                 {192, 168, 1, 10, 0xC0A8010Au, u"192.168.1.10"},
                 {10, 0, 0, 254, 0x0A0000FEu, u"10.0.0.254"}};
    for (const auto& c : cases) {
        EXPECT_EQ(device::Ipv4FromOctets(c.a, c.b, c.c, c.d), c.value) << std::hex << c.value;
        EXPECT_EQ(device::Ipv4Octet(c.value, 0), c.a) << std::hex << c.value;
        EXPECT_EQ(device::Ipv4Octet(c.value, 3), c.d) << std::hex << c.value;
        EXPECT_EQ(device::FormatIpv4(c.value), c.text) << std::hex << c.value;
    }
}

TEST(Ipv4, test_record_bytes_hold_octets_in_reverse_order) {
    device::NetRecord net{};
    net.alarmCenter1 = device::Ipv4FromOctets(192, 168, 1, 10);
    unsigned char bytes[sizeof net];
    std::memcpy(bytes, &net, sizeof net);
    EXPECT_EQ(bytes[0x24], 10);
    EXPECT_EQ(bytes[0x25], 1);
    EXPECT_EQ(bytes[0x26], 168);
    EXPECT_EQ(bytes[0x27], 192);
}

}  // namespace
