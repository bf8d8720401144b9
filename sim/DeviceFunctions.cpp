// The 50 functions of the device library, served by the simulated recorder of the handle.
// An unknown handle fails with -1; no exception leaves these functions.
#include <type_traits>
#include <utility>

#include "device/ZelDisp.h"
#include "sim/RecorderRegistry.h"

namespace {

using device::RecordSet;
using sim::Recorder;

template <auto Member>
using RecordOf = std::remove_cvref_t<decltype(std::declval<RecordSet&>().*Member)>;

std::shared_ptr<Recorder> Find(ZelHandle handle) {
    try {
        return sim::RecorderRegistry::Instance().Find(handle);
    } catch (...) {
        return nullptr;
    }
}

// A record held once in the state.
template <auto Member>
Recorder::RecordAccess Whole(const char* function) {
    return {function,
            [](RecordSet& state, std::int32_t) {
                return reinterpret_cast<std::uint8_t*>(&(state.*Member));
            },
            sizeof(RecordOf<Member>), false};
}

// A record held once per channel slot.
template <auto Member>
Recorder::RecordAccess PerChannel(const char* function) {
    return {function,
            [](RecordSet& state, std::int32_t channel) {
                return reinterpret_cast<std::uint8_t*>(&(state.*Member)[std::size_t(channel)]);
            },
            sizeof((std::declval<RecordSet&>().*Member)[0]), true};
}

template <auto Member, typename Record>
std::int32_t Get(ZelHandle handle, const char* function, Record* out) {
    static_assert(std::is_same_v<RecordOf<Member>, Record>);
    const auto recorder = Find(handle);
    return recorder ? recorder->Get(Whole<Member>(function), -1, out) : -1;
}

template <auto Member, typename Record>
std::int32_t Set(ZelHandle handle, const char* function, const Record* in) {
    static_assert(std::is_same_v<RecordOf<Member>, Record>);
    const auto recorder = Find(handle);
    return recorder ? recorder->Set(Whole<Member>(function), -1, in) : -1;
}

template <auto Member, typename Record>
std::int32_t GetSlot(ZelHandle handle, const char* function, std::int32_t channel, Record* out) {
    static_assert(std::is_same_v<std::remove_extent_t<RecordOf<Member>>, Record>);
    const auto recorder = Find(handle);
    return recorder ? recorder->Get(PerChannel<Member>(function), channel, out) : -1;
}

template <auto Member, typename Record>
std::int32_t SetSlot(ZelHandle handle, const char* function, std::int32_t channel,
                     const Record* in) {
    static_assert(std::is_same_v<std::remove_extent_t<RecordOf<Member>>, Record>);
    const auto recorder = Find(handle);
    return recorder ? recorder->Set(PerChannel<Member>(function), channel, in) : -1;
}

}  // namespace

extern "C" {

std::int32_t ZEL_CALL zelDispHisiNewMenuNormalGet(ZelHandle handle, device::NormalRecord* record) {
    return Get<&RecordSet::normal>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuNormalSet(ZelHandle handle,
                                                  const device::NormalRecord* record) {
    return Set<&RecordSet::normal>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuCodeGet(ZelHandle handle, device::CodeRecord* record) {
    return Get<&RecordSet::code>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuCodeSet(ZelHandle handle,
                                                const device::CodeRecord* record) {
    return Set<&RecordSet::code>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuRecTimerGet(ZelHandle handle,
                                                    device::RecTimerRecord* record) {
    return Get<&RecordSet::recTimer>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuRecTimerSet(ZelHandle handle,
                                                    const device::RecTimerRecord* record) {
    return Set<&RecordSet::recTimer>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuRecAdminGet(ZelHandle handle,
                                                    device::RecAdminRecord* record) {
    return Get<&RecordSet::recAdmin>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuRecAdminSet(ZelHandle handle,
                                                    const device::RecAdminRecord* record) {
    return Set<&RecordSet::recAdmin>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuSerialsGet(ZelHandle handle,
                                                   device::SerialsRecord* record) {
    return Get<&RecordSet::serials>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuSerialsSet(ZelHandle handle,
                                                   const device::SerialsRecord* record) {
    return Set<&RecordSet::serials>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuNetGet(ZelHandle handle, device::NetRecord* record) {
    return Get<&RecordSet::net>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuNetSet(ZelHandle handle, const device::NetRecord* record) {
    return Set<&RecordSet::net>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuNTPGet(ZelHandle handle, device::NtpRecord* record) {
    return Get<&RecordSet::ntp>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuNTPSet(ZelHandle handle, const device::NtpRecord* record) {
    return Set<&RecordSet::ntp>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuDialGet(ZelHandle handle, device::DialRecord* record) {
    return Get<&RecordSet::dial>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuDialSet(ZelHandle handle,
                                                const device::DialRecord* record) {
    return Set<&RecordSet::dial>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuDDNSGet(ZelHandle handle, device::DdnsRecord* record) {
    return Get<&RecordSet::ddns>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuDDNSSet(ZelHandle handle,
                                                const device::DdnsRecord* record) {
    return Set<&RecordSet::ddns>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuSMTPGet(ZelHandle handle, device::SmtpRecord* record) {
    return Get<&RecordSet::smtp>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuSMTPSet(ZelHandle handle,
                                                const device::SmtpRecord* record) {
    return Set<&RecordSet::smtp>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuAlarmInGet(ZelHandle handle,
                                                   device::AlarmInRecord* record) {
    return Get<&RecordSet::alarmIn>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuAlarmInSet(ZelHandle handle,
                                                   const device::AlarmInRecord* record) {
    return Set<&RecordSet::alarmIn>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuAlarmOutGet(ZelHandle handle,
                                                    device::AlarmOutRecord* record) {
    return Get<&RecordSet::alarmOut>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuAlarmOutSet(ZelHandle handle,
                                                    const device::AlarmOutRecord* record) {
    return Set<&RecordSet::alarmOut>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuVideoLostGet(ZelHandle handle,
                                                     device::VideoLostRecord* record) {
    return Get<&RecordSet::videoLost>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuVideoLostSet(ZelHandle handle,
                                                     const device::VideoLostRecord* record) {
    return Set<&RecordSet::videoLost>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuVideoCoverGet(ZelHandle handle,
                                                      device::VideoCoverRecord* record) {
    return Get<&RecordSet::videoCover>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuVideoCoverSet(ZelHandle handle,
                                                      const device::VideoCoverRecord* record) {
    return Set<&RecordSet::videoCover>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuVideoMotionGet(ZelHandle handle,
                                                       device::VideoMotionRecord* record) {
    return Get<&RecordSet::videoMotion>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuVideoMotionSet(ZelHandle handle,
                                                       const device::VideoMotionRecord* record) {
    return Set<&RecordSet::videoMotion>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuEventGet(ZelHandle handle, device::EventRecord* record) {
    return Get<&RecordSet::event>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuEventSet(ZelHandle handle,
                                                 const device::EventRecord* record) {
    return Set<&RecordSet::event>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuPTZGet(ZelHandle handle, device::PtzRecord* record) {
    return Get<&RecordSet::ptz>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuPTZSet(ZelHandle handle, const device::PtzRecord* record) {
    return Set<&RecordSet::ptz>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuVideoOutGet(ZelHandle handle,
                                                    device::VideoOutRecord* record) {
    return Get<&RecordSet::videoOut>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuVideoOutSet(ZelHandle handle,
                                                    const device::VideoOutRecord* record) {
    return Set<&RecordSet::videoOut>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuChanNameGet(ZelHandle handle,
                                                    device::ChanNameRecord* record) {
    return Get<&RecordSet::chanName>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuChanNameSet(ZelHandle handle,
                                                    const device::ChanNameRecord* record) {
    return Set<&RecordSet::chanName>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuVersionGet(ZelHandle handle,
                                                   device::VersionRecord* record) {
    return Get<&RecordSet::version>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuHddInfoGet(ZelHandle handle,
                                                   device::HddInfoRecord* record) {
    return Get<&RecordSet::hddInfo>(handle, __func__, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuPTZProtocolGet(ZelHandle handle, char* buffer) {
    const auto recorder = Find(handle);
    return recorder ? recorder->GetProtocolList(__func__, buffer) : -1;
}

std::int32_t ZEL_CALL zelDispHisiNewMenuPTZPointGet(ZelHandle handle, std::int32_t channel,
                                                    device::PtzPointRecord* record) {
    return GetSlot<&RecordSet::ptzPoint>(handle, __func__, channel, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuPTZPointSet(ZelHandle handle, std::int32_t channel,
                                                    const device::PtzPointRecord* record) {
    return SetSlot<&RecordSet::ptzPoint>(handle, __func__, channel, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuPTZCruiseGet(ZelHandle handle, std::int32_t channel,
                                                     device::PtzCruiseRecord* record) {
    return GetSlot<&RecordSet::ptzCruise>(handle, __func__, channel, record);
}
std::int32_t ZEL_CALL zelDispHisiNewMenuPTZCruiseSet(ZelHandle handle, std::int32_t channel,
                                                     const device::PtzCruiseRecord* record) {
    return SetSlot<&RecordSet::ptzCruise>(handle, __func__, channel, record);
}

std::int32_t ZEL_CALL zelDispHisiNewMenuUserListGet(ZelHandle handle, std::int32_t user,
                                                    std::uint8_t* rights) {
    const auto recorder = Find(handle);
    return recorder ? recorder->GetRights(__func__, user, rights) : -1;
}
std::int32_t ZEL_CALL zelDispPaTimeGet(ZelHandle handle, std::uint32_t* date, std::uint32_t* time) {
    const auto recorder = Find(handle);
    return recorder ? recorder->GetClock(__func__, date, time) : -1;
}
std::int32_t ZEL_CALL zelDispPaTimeSet(ZelHandle handle, std::uint32_t date, std::uint32_t time) {
    const auto recorder = Find(handle);
    return recorder ? recorder->SetClock(__func__, date, time) : -1;
}
std::int32_t ZEL_CALL zelDispSaveMenu(ZelHandle handle) {
    const auto recorder = Find(handle);
    return recorder ? recorder->SaveMenu(__func__) : -1;
}
std::int32_t ZEL_CALL zelDispRebootDVR(ZelHandle handle) {
    const auto recorder = Find(handle);
    return recorder ? recorder->Reboot(__func__) : -1;
}

}  // extern "C"
