// IPv4 values: the first dotted field is the most significant byte.
#include <gtest/gtest.h>

#include <cstring>

#include "device/Ipv4.h"
#include "device/NetworkRecords.h"

namespace {

struct Ipv4Case {
    std::uint8_t a, b, c, d;
    std::uint32_t value;
    std::u16string text;
};

class Ipv4 : public testing::TestWithParam<Ipv4Case> {};

TEST_P(Ipv4, test_value_octets_and_text) {
    const Ipv4Case& c = GetParam();
    EXPECT_EQ(device::Ipv4FromOctets(c.a, c.b, c.c, c.d), c.value);
    EXPECT_EQ(device::Ipv4Octet(c.value, 0), c.a);
    EXPECT_EQ(device::Ipv4Octet(c.value, 3), c.d);
    EXPECT_EQ(device::FormatIpv4(c.value), c.text);
}

INSTANTIATE_TEST_SUITE_P(Addresses, Ipv4,
                         testing::Values(Ipv4Case{0, 0, 0, 0, 0u, u"0.0.0.0"},
                                         Ipv4Case{255, 255, 255, 255, 0xFFFFFFFFu,
                                                  u"255.255.255.255"},
                                         Ipv4Case{192, 168, 1, 10, 0xC0A8010Au, u"192.168.1.10"},
                                         Ipv4Case{10, 0, 0, 254, 0x0A0000FEu, u"10.0.0.254"}));

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
