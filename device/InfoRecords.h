// Records of the display and information pages: VideoOut, ChanName, Version, HddInfo.
#pragma once

#include <cstddef>
#include <cstdint>

#include "device/Limits.h"

namespace device {

#pragma pack(push, 1)

struct VideoOutRecord {
    std::uint8_t vgaResolution;  // 0 800*600, 1 1024*768, 2 1280*1024
    std::uint8_t transparency;
    std::uint8_t timeDisplay;
    std::uint8_t channelNameDisplay;
    std::uint8_t tourEnable;
    std::int8_t tourInterval;  // 0 to 60
    std::uint8_t view16;
    std::uint8_t view8[2];
    std::uint8_t view4[4];
    std::uint8_t view1[kMaxChannels];
};
static_assert(sizeof(VideoOutRecord) == 29);
static_assert(offsetof(VideoOutRecord, tourInterval) == 5);
static_assert(offsetof(VideoOutRecord, view16) == 6);
static_assert(offsetof(VideoOutRecord, view8) == 7);
static_assert(offsetof(VideoOutRecord, view4) == 9);
static_assert(offsetof(VideoOutRecord, view1) == 13);

struct ChanNameRecord {
    std::uint8_t head;
    char names[kMaxChannels][32];
};
static_assert(sizeof(ChanNameRecord) == 513);
static_assert(offsetof(ChanNameRecord, names) == 1);

struct VersionRecord {
    char model[16];
    char mainBoard[16];
    std::int32_t systemVersion;  // shown as v / 1000 . v % 1000
    std::uint32_t buildDate;     // packed date
    std::int32_t modelNumber;
    std::int32_t guiVersion;
    std::int32_t videoInputs;
    std::int32_t audioInputs;
    std::int32_t alarmInputs;
    std::int32_t alarmOutputs;
    std::uint32_t ip;
    std::uint8_t mac[6];
    char serialNumber[32];
    char modelSuffix[16];
    std::uint8_t reserved[2];
};
static_assert(sizeof(VersionRecord) == 124);
static_assert(offsetof(VersionRecord, mainBoard) == 16);
static_assert(offsetof(VersionRecord, systemVersion) == 32);
static_assert(offsetof(VersionRecord, buildDate) == 36);
static_assert(offsetof(VersionRecord, modelNumber) == 40);
static_assert(offsetof(VersionRecord, guiVersion) == 44);
static_assert(offsetof(VersionRecord, videoInputs) == 0x30);
static_assert(offsetof(VersionRecord, audioInputs) == 52);
static_assert(offsetof(VersionRecord, alarmInputs) == 0x38);
static_assert(offsetof(VersionRecord, alarmOutputs) == 0x3c);
static_assert(offsetof(VersionRecord, ip) == 64);
static_assert(offsetof(VersionRecord, mac) == 68);
static_assert(offsetof(VersionRecord, serialNumber) == 74);
static_assert(offsetof(VersionRecord, modelSuffix) == 106);
static_assert(offsetof(VersionRecord, reserved) == 122);

struct HddInfoRecord {
    std::uint32_t startTime;  // packed date and time
    std::uint32_t endTime;
    std::int32_t overwritten;
    std::int32_t diskCount;         // at most 8 valid entries
    std::int32_t total[kMaxDisks];  // hundredths of a gigabyte
    std::int32_t free[kMaxDisks];
    std::int32_t bad[kMaxDisks];  // units of 8 MiB
};
static_assert(sizeof(HddInfoRecord) == 112);
static_assert(offsetof(HddInfoRecord, overwritten) == 8);
static_assert(offsetof(HddInfoRecord, diskCount) == 12);
static_assert(offsetof(HddInfoRecord, total) == 16);
static_assert(offsetof(HddInfoRecord, free) == 48);
static_assert(offsetof(HddInfoRecord, bad) == 80);

#pragma pack(pop)

}  // namespace device
