// Every function of the device library as a uniform call on a byte buffer.
#include "tests/sim/DeviceCalls.h"

#include <cstring>

namespace simtest {
namespace {

template <typename Record>
DeviceCall Get(std::string_view name, std::int32_t(ZEL_CALL* get)(ZelHandle, Record*)) {
    return {name, CallKind::Fills, sizeof(Record), [get](ZelHandle handle, std::uint8_t* buffer) {
                return get(handle, reinterpret_cast<Record*>(buffer));
            }};
}

template <typename Record>
DeviceCall Set(std::string_view name, std::int32_t(ZEL_CALL* set)(ZelHandle, const Record*)) {
    return {name, CallKind::Sends, sizeof(Record), [set](ZelHandle handle, std::uint8_t* buffer) {
                return set(handle, reinterpret_cast<const Record*>(buffer));
            }};
}

template <typename Record>
DeviceCall GetSlot(std::string_view name,
                   std::int32_t(ZEL_CALL* get)(ZelHandle, std::int32_t, Record*)) {
    return {name, CallKind::Fills, sizeof(Record), [get](ZelHandle handle, std::uint8_t* buffer) {
                return get(handle, 0, reinterpret_cast<Record*>(buffer));
            }};
}

template <typename Record>
DeviceCall SetSlot(std::string_view name,
                   std::int32_t(ZEL_CALL* set)(ZelHandle, std::int32_t, const Record*)) {
    return {name, CallKind::Sends, sizeof(Record), [set](ZelHandle handle, std::uint8_t* buffer) {
                return set(handle, 0, reinterpret_cast<const Record*>(buffer));
            }};
}

std::int32_t GetClock(ZelHandle handle, std::uint8_t* buffer) {
    std::uint32_t words[2];
    std::memcpy(words, buffer, sizeof words);
    const std::int32_t result = zelDispPaTimeGet(handle, &words[0], &words[1]);
    std::memcpy(buffer, words, sizeof words);
    return result;
}

std::int32_t SetClock(ZelHandle handle, std::uint8_t* buffer) {
    std::uint32_t words[2];
    std::memcpy(words, buffer, sizeof words);
    return zelDispPaTimeSet(handle, words[0], words[1]);
}

}  // namespace

#define SIM_GET(thing) Get("zelDispHisiNewMenu" #thing "Get", zelDispHisiNewMenu##thing##Get)
#define SIM_SET(thing) Set("zelDispHisiNewMenu" #thing "Set", zelDispHisiNewMenu##thing##Set)

std::vector<DeviceCall> AllDeviceCalls() {
    return {
        SIM_GET(Normal),
        SIM_SET(Normal),
        SIM_GET(Code),
        SIM_SET(Code),
        SIM_GET(RecTimer),
        SIM_SET(RecTimer),
        SIM_GET(RecAdmin),
        SIM_SET(RecAdmin),
        SIM_GET(Serials),
        SIM_SET(Serials),
        SIM_GET(Net),
        SIM_SET(Net),
        SIM_GET(NTP),
        SIM_SET(NTP),
        SIM_GET(Dial),
        SIM_SET(Dial),
        SIM_GET(DDNS),
        SIM_SET(DDNS),
        SIM_GET(SMTP),
        SIM_SET(SMTP),
        SIM_GET(AlarmIn),
        SIM_SET(AlarmIn),
        SIM_GET(AlarmOut),
        SIM_SET(AlarmOut),
        SIM_GET(VideoLost),
        SIM_SET(VideoLost),
        SIM_GET(VideoCover),
        SIM_SET(VideoCover),
        SIM_GET(VideoMotion),
        SIM_SET(VideoMotion),
        SIM_GET(Event),
        SIM_SET(Event),
        SIM_GET(PTZ),
        SIM_SET(PTZ),
        SIM_GET(VideoOut),
        SIM_SET(VideoOut),
        SIM_GET(ChanName),
        SIM_SET(ChanName),
        SIM_GET(Version),
        SIM_GET(HddInfo),
        {"zelDispHisiNewMenuPTZProtocolGet", CallKind::Fills, device::kPtzProtocolBufferSize,
         [](ZelHandle handle, std::uint8_t* buffer) {
             return zelDispHisiNewMenuPTZProtocolGet(handle, reinterpret_cast<char*>(buffer));
         }},
        GetSlot("zelDispHisiNewMenuPTZPointGet", zelDispHisiNewMenuPTZPointGet),
        SetSlot("zelDispHisiNewMenuPTZPointSet", zelDispHisiNewMenuPTZPointSet),
        GetSlot("zelDispHisiNewMenuPTZCruiseGet", zelDispHisiNewMenuPTZCruiseGet),
        SetSlot("zelDispHisiNewMenuPTZCruiseSet", zelDispHisiNewMenuPTZCruiseSet),
        {"zelDispHisiNewMenuUserListGet", CallKind::Fills, 64,
         [](ZelHandle handle, std::uint8_t* buffer) {
             return zelDispHisiNewMenuUserListGet(handle, 0, buffer);
         }},
        {"zelDispPaTimeGet", CallKind::Fills, 8, GetClock},
        {"zelDispPaTimeSet", CallKind::Sends, 8, SetClock},
        {"zelDispSaveMenu", CallKind::Other, 0,
         [](ZelHandle handle, std::uint8_t*) { return zelDispSaveMenu(handle); }},
        {"zelDispRebootDVR", CallKind::Other, 0,
         [](ZelHandle handle, std::uint8_t*) { return zelDispRebootDVR(handle); }},
    };
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

std::map<std::string, std::vector<std::uint8_t>> Snapshot(ZelHandle handle) {
    std::map<std::string, std::vector<std::uint8_t>> records;
    for (const DeviceCall& c : AllDeviceCalls()) {
        if (!IsRecordGet(c))
            continue;
        std::vector<std::uint8_t> buffer(kCallBufferSize, 0);
        EXPECT_EQ(c.call(handle, buffer.data()), 0) << c.name;
        buffer.resize(c.size);
        records[std::string(c.name)] = buffer;
    }
    return records;
}

}  // namespace simtest
