// Records of the PTZ and serial pages: PTZ links, presets, cruises and the serial ports.
#pragma once

#include <cstddef>
#include <cstdint>

#include "device/Limits.h"

namespace device {

#pragma pack(push, 1)

struct PtzChannel {
    std::int8_t dataBits;  // 5 to 8
    std::int8_t stopBits;  // 1 or 2
    std::int8_t parity;    // 0 none, 1 odd, 2 even, 3 mark, 4 space
    std::uint8_t reserved1;
    std::int32_t baudRate;
    std::int16_t protocol;  // 0 = none, else a code of the device's protocol list
    std::int16_t address;   // 0 to 255
    std::int16_t speed;     // 0 to 89
    std::uint8_t reserved2[2];
};
static_assert(sizeof(PtzChannel) == 16);
static_assert(offsetof(PtzChannel, parity) == 2);
static_assert(offsetof(PtzChannel, baudRate) == 4);
static_assert(offsetof(PtzChannel, protocol) == 8);
static_assert(offsetof(PtzChannel, address) == 10);
static_assert(offsetof(PtzChannel, speed) == 12);
static_assert(offsetof(PtzChannel, reserved2) == 14);

struct PtzRecord {
    std::uint8_t head[4];
    PtzChannel channels[kMaxChannels];
};
static_assert(sizeof(PtzRecord) == 260);
static_assert(offsetof(PtzRecord, channels) == 4);

// Size of the buffer that receives the device's protocol list text.
inline constexpr std::size_t kPtzProtocolBufferSize = 8192;

inline constexpr int kCruiseSlots = 16;

struct CruiseSlot {
    std::uint8_t set;     // 1 when a preset is chosen for the slot
    std::uint8_t preset;  // PTZPoint slot number; 0 shows as no preset
};
static_assert(sizeof(CruiseSlot) == 2);

struct CruisePatrol {
    std::uint8_t used;
    std::uint8_t reserved;
    std::int16_t intervalSeconds;  // 5 to 60
    CruiseSlot slots[kCruiseSlots];
};
static_assert(sizeof(CruisePatrol) == 36);
static_assert(offsetof(CruisePatrol, intervalSeconds) == 2);
static_assert(offsetof(CruisePatrol, slots) == 4);

inline constexpr int kCruisePatrols = 16;

struct PtzCruiseRecord {
    CruisePatrol patrols[kCruisePatrols];
};
static_assert(sizeof(PtzCruiseRecord) == 576);

inline constexpr int kPresetSlots = 255;

struct PresetSlot {
    std::uint8_t used;  // non-zero = preset defined
    char name[32];
};
static_assert(sizeof(PresetSlot) == 33);
static_assert(offsetof(PresetSlot, name) == 1);

struct PtzPointRecord {
    PresetSlot slots[kPresetSlots];
};
static_assert(sizeof(PtzPointRecord) == 8415);

struct SerialPort {
    std::int8_t function;  // 0 none, 1 PTZ matrix, 2 keyboard, 3 adapter, 5 transparent
    std::int8_t dataBits;
    std::int8_t stopBits;
    std::int8_t parity;
    std::int32_t baudRate;
};
static_assert(sizeof(SerialPort) == 8);
static_assert(offsetof(SerialPort, baudRate) == 4);

struct SerialsRecord {
    std::uint8_t head[4];
    SerialPort ports[2];  // 0 RS485, 1 RS232
    std::uint8_t keyboardProtocol;
    std::uint8_t adapterProtocol;
    std::uint8_t reserved[2];
};
static_assert(sizeof(SerialsRecord) == 24);
static_assert(offsetof(SerialsRecord, ports) == 4);
static_assert(offsetof(SerialsRecord, keyboardProtocol) == 20);
static_assert(offsetof(SerialsRecord, adapterProtocol) == 21);
static_assert(offsetof(SerialsRecord, reserved) == 22);

#pragma pack(pop)

}  // namespace device
