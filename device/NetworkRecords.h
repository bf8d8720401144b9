// Records of the network service pages: Net (with the alarm centers), NTP, Dial, DDNS, SMTP.
#pragma once

#include <cstddef>
#include <cstdint>

namespace device {

#pragma pack(push, 1)

struct NetRecord {
    std::uint32_t dhcp;  // 1 = obtain the address automatically
    std::uint32_t ip;    // every address: first dotted field in the most significant byte
    std::uint32_t subnetMask;
    std::uint32_t gateway;
    std::uint32_t preferredDns;
    std::uint32_t alternateDns;
    std::uint16_t cmdPort;
    std::uint16_t dataPort;
    std::uint16_t httpPort;
    std::uint16_t talkPort;
    std::uint8_t reserved[4];  // sent back as fetched
    std::uint32_t alarmCenter1;
    std::uint32_t alarmCenter2;
};
static_assert(sizeof(NetRecord) == 44);
static_assert(offsetof(NetRecord, ip) == 4);
static_assert(offsetof(NetRecord, subnetMask) == 8);
static_assert(offsetof(NetRecord, gateway) == 12);
static_assert(offsetof(NetRecord, preferredDns) == 16);
static_assert(offsetof(NetRecord, alternateDns) == 20);
static_assert(offsetof(NetRecord, cmdPort) == 24);
static_assert(offsetof(NetRecord, dataPort) == 26);
static_assert(offsetof(NetRecord, httpPort) == 28);
static_assert(offsetof(NetRecord, talkPort) == 30);
static_assert(offsetof(NetRecord, reserved) == 32);
static_assert(offsetof(NetRecord, alarmCenter1) == 0x24);
static_assert(offsetof(NetRecord, alarmCenter2) == 0x28);

struct NtpRecord {
    std::uint8_t used;
    char server[33];
    std::uint8_t zero[2];
    std::int32_t timeZoneMinutes;  // offset from GMT, east positive
    std::int32_t periodMinutes;    // 0 to 1440
    std::uint32_t startTime;       // hour * 256 + minute
};
static_assert(sizeof(NtpRecord) == 48);
static_assert(offsetof(NtpRecord, server) == 1);
static_assert(offsetof(NtpRecord, zero) == 34);
static_assert(offsetof(NtpRecord, timeZoneMinutes) == 36);
static_assert(offsetof(NtpRecord, periodMinutes) == 40);
static_assert(offsetof(NtpRecord, startTime) == 44);

struct DialRecord {
    std::uint8_t dialMode;     // 0 never, 1 on trigger, 2 always
    std::uint8_t networkType;  // 0 PPPoE, 1 TD-CDMA, 2 WCDMA, 3 CDMA2000
    char user[33];
    char password[17];
};
static_assert(sizeof(DialRecord) == 52);
static_assert(offsetof(DialRecord, networkType) == 1);
static_assert(offsetof(DialRecord, user) == 2);
static_assert(offsetof(DialRecord, password) == 35);

struct DdnsRecord {
    std::uint8_t used;
    std::uint8_t provider;  // 0 to 4
    char server[33];
    char user[33];
    char password[17];
    char domain[33];
};
static_assert(sizeof(DdnsRecord) == 118);
static_assert(offsetof(DdnsRecord, provider) == 1);
static_assert(offsetof(DdnsRecord, server) == 2);
static_assert(offsetof(DdnsRecord, user) == 35);
static_assert(offsetof(DdnsRecord, password) == 68);
static_assert(offsetof(DdnsRecord, domain) == 85);

struct SmtpRecord {
    char from[33];
    char to[33];
    char cc[33];
    char server[33];
    char user[33];
    char password[17];
    std::uint8_t unused[16];  // the page sends zeros here
};
static_assert(sizeof(SmtpRecord) == 198);
static_assert(offsetof(SmtpRecord, to) == 33);
static_assert(offsetof(SmtpRecord, cc) == 66);
static_assert(offsetof(SmtpRecord, server) == 99);
static_assert(offsetof(SmtpRecord, user) == 132);
static_assert(offsetof(SmtpRecord, password) == 165);
static_assert(offsetof(SmtpRecord, unused) == 182);

#pragma pack(pop)

}  // namespace device
