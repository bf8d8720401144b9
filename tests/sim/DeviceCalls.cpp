// Every function of the device library as a uniform call on a byte buffer.
#include "tests/sim/DeviceCalls.h"

#include <cstring>
#include <type_traits>

namespace simtest {
namespace {

// A function on one record: a Get fills it, a Set (on a const record) sends it.
template <typename Record>
DeviceCall Whole(std::string_view name, std::int32_t(ZEL_CALL* function)(ZelHandle, Record*)) {
    return {name, std::is_const_v<Record> ? CallKind::Sends : CallKind::Fills, sizeof(Record),
            [function](ZelHandle handle, std::int32_t, std::uint8_t* buffer) {
                return function(handle, reinterpret_cast<Record*>(buffer));
            }};
}

template <typename Record>
DeviceCall PerChannel(std::string_view name,
                      std::int32_t(ZEL_CALL* function)(ZelHandle, std::int32_t, Record*)) {
    return {name, std::is_const_v<Record> ? CallKind::Sends : CallKind::Fills, sizeof(Record),
            [function](ZelHandle handle, std::int32_t channel, std::uint8_t* buffer) {
                return function(handle, channel, reinterpret_cast<Record*>(buffer));
            },
            true};
}

std::int32_t GetClock(ZelHandle handle, std::int32_t, std::uint8_t* buffer) {
    std::uint32_t words[2];
    std::memcpy(words, buffer, sizeof words);
    const std::int32_t result = zelDispPaTimeGet(handle, &words[0], &words[1]);
    std::memcpy(buffer, words, sizeof words);
    return result;
}

std::int32_t SetClock(ZelHandle handle, std::int32_t, std::uint8_t* buffer) {
    std::uint32_t words[2];
    std::memcpy(words, buffer, sizeof words);
    return zelDispPaTimeSet(handle, words[0], words[1]);
}

}  // namespace

#define SIM_GET(thing) Whole("zelDispHisiNewMenu" #thing "Get", zelDispHisiNewMenu##thing##Get)
#define SIM_RECORD(thing) \
    SIM_GET(thing), Whole("zelDispHisiNewMenu" #thing "Set", zelDispHisiNewMenu##thing##Set)
#define SIM_CHANNEL(thing)                                                         \
    PerChannel("zelDispHisiNewMenu" #thing "Get", zelDispHisiNewMenu##thing##Get), \
        PerChannel("zelDispHisiNewMenu" #thing "Set", zelDispHisiNewMenu##thing##Set)

std::vector<DeviceCall> AllDeviceCalls() {
    return {
        SIM_RECORD(Normal),
        SIM_RECORD(Code),
        SIM_RECORD(RecTimer),
        SIM_RECORD(RecAdmin),
        SIM_RECORD(Serials),
        SIM_RECORD(Net),
        SIM_RECORD(NTP),
        SIM_RECORD(Dial),
        SIM_RECORD(DDNS),
        SIM_RECORD(SMTP),
        SIM_RECORD(AlarmIn),
        SIM_RECORD(AlarmOut),
        SIM_RECORD(VideoLost),
        SIM_RECORD(VideoCover),
        SIM_RECORD(VideoMotion),
        SIM_RECORD(Event),
        SIM_RECORD(PTZ),
        SIM_RECORD(VideoOut),
        SIM_RECORD(ChanName),
        SIM_GET(Version),
        SIM_GET(HddInfo),
        {"zelDispHisiNewMenuPTZProtocolGet", CallKind::Fills, device::kPtzProtocolBufferSize,
         [](ZelHandle handle, std::int32_t, std::uint8_t* buffer) {
             return zelDispHisiNewMenuPTZProtocolGet(handle, reinterpret_cast<char*>(buffer));
         }},
        SIM_CHANNEL(PTZPoint),
        SIM_CHANNEL(PTZCruise),
        {"zelDispHisiNewMenuUserListGet", CallKind::Fills, 64, zelDispHisiNewMenuUserListGet},
        {"zelDispPaTimeGet", CallKind::Fills, 8, GetClock},
        {"zelDispPaTimeSet", CallKind::Sends, 8, SetClock},
        {"zelDispSaveMenu", CallKind::Other, 0,
         [](ZelHandle handle, std::int32_t, std::uint8_t*) { return zelDispSaveMenu(handle); }},
        {"zelDispRebootDVR", CallKind::Other, 0,
         [](ZelHandle handle, std::int32_t, std::uint8_t*) { return zelDispRebootDVR(handle); }},
    };
}

std::vector<DeviceCall> ChannelCalls() {
    std::vector<DeviceCall> calls;
    for (DeviceCall& c : AllDeviceCalls()) {
        if (c.perChannel)
            calls.push_back(std::move(c));
    }
    return calls;
}

bool IsRecordGet(const DeviceCall& c) {
    return c.kind == CallKind::Fills && c.name != "zelDispHisiNewMenuPTZProtocolGet" &&
           c.name != "zelDispHisiNewMenuUserListGet" && c.name != "zelDispPaTimeGet";
}

bool IsRecordSet(const DeviceCall& c) {
    return c.kind == CallKind::Sends && c.name != "zelDispPaTimeSet";
}

std::string GetterOf(const DeviceCall& set) {
    return std::string(set.name.substr(0, set.name.size() - 3)) + "Get";
}

Bytes Pattern(const DeviceCall& c) {
    Bytes bytes(kCallBufferSize);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = std::uint8_t(i * 13 + c.name.size());
    return bytes;
}

Bytes Read(const DeviceCall& get, ZelHandle handle, std::int32_t argument) {
    Bytes buffer(kCallBufferSize, 0);
    EXPECT_EQ(get.call(handle, buffer.data(), argument), 0) << get.name << " " << argument;
    buffer.resize(get.size);
    return buffer;
}

std::map<std::string, Bytes> Snapshot(ZelHandle handle) {
    std::map<std::string, Bytes> records;
    for (const DeviceCall& c : AllDeviceCalls()) {
        if (IsRecordGet(c))
            records[std::string(c.name)] = Read(c, handle);
    }
    return records;
}

}  // namespace simtest
