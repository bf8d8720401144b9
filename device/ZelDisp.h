// The device-access library's functions. Every call takes the session handle first and
// returns a signed status: negative is failure. Get fills the whole record on success;
// Set sends the whole record.
#pragma once

#include <cstdint>

#include "device/CallConv.h"
#include "device/Records.h"

using ZelHandle = std::uint32_t;

extern "C" {

std::int32_t ZEL_CALL zelDispHisiNewMenuNormalGet(ZelHandle handle, device::NormalRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuNormalSet(ZelHandle handle,
                                                  const device::NormalRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuCodeGet(ZelHandle handle, device::CodeRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuCodeSet(ZelHandle handle, const device::CodeRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuRecTimerGet(ZelHandle handle,
                                                    device::RecTimerRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuRecTimerSet(ZelHandle handle,
                                                    const device::RecTimerRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuRecAdminGet(ZelHandle handle,
                                                    device::RecAdminRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuRecAdminSet(ZelHandle handle,
                                                    const device::RecAdminRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuSerialsGet(ZelHandle handle, device::SerialsRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuSerialsSet(ZelHandle handle,
                                                   const device::SerialsRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuNetGet(ZelHandle handle, device::NetRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuNetSet(ZelHandle handle, const device::NetRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuNTPGet(ZelHandle handle, device::NtpRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuNTPSet(ZelHandle handle, const device::NtpRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuDialGet(ZelHandle handle, device::DialRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuDialSet(ZelHandle handle, const device::DialRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuDDNSGet(ZelHandle handle, device::DdnsRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuDDNSSet(ZelHandle handle, const device::DdnsRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuSMTPGet(ZelHandle handle, device::SmtpRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuSMTPSet(ZelHandle handle, const device::SmtpRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuAlarmInGet(ZelHandle handle, device::AlarmInRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuAlarmInSet(ZelHandle handle,
                                                   const device::AlarmInRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuAlarmOutGet(ZelHandle handle,
                                                    device::AlarmOutRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuAlarmOutSet(ZelHandle handle,
                                                    const device::AlarmOutRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuVideoLostGet(ZelHandle handle,
                                                     device::VideoLostRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuVideoLostSet(ZelHandle handle,
                                                     const device::VideoLostRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuVideoCoverGet(ZelHandle handle,
                                                      device::VideoCoverRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuVideoCoverSet(ZelHandle handle,
                                                      const device::VideoCoverRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuVideoMotionGet(ZelHandle handle,
                                                       device::VideoMotionRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuVideoMotionSet(ZelHandle handle,
                                                       const device::VideoMotionRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuEventGet(ZelHandle handle, device::EventRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuEventSet(ZelHandle handle,
                                                 const device::EventRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuPTZGet(ZelHandle handle, device::PtzRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuPTZSet(ZelHandle handle, const device::PtzRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuVideoOutGet(ZelHandle handle,
                                                    device::VideoOutRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuVideoOutSet(ZelHandle handle,
                                                    const device::VideoOutRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuChanNameGet(ZelHandle handle,
                                                    device::ChanNameRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuChanNameSet(ZelHandle handle,
                                                    const device::ChanNameRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuVersionGet(ZelHandle handle, device::VersionRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuHddInfoGet(ZelHandle handle, device::HddInfoRecord* record);
// Writes the protocol list text (name=code|...) into a buffer of kPtzProtocolBufferSize bytes
// and returns its length in bytes.
std::int32_t ZEL_CALL zelDispHisiNewMenuPTZProtocolGet(ZelHandle handle, char* buffer);

// One channel's presets and cruise; channel is 0-based.
std::int32_t ZEL_CALL zelDispHisiNewMenuPTZPointGet(ZelHandle handle, std::int32_t channel,
                                                    device::PtzPointRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuPTZPointSet(ZelHandle handle, std::int32_t channel,
                                                    const device::PtzPointRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuPTZCruiseGet(ZelHandle handle, std::int32_t channel,
                                                     device::PtzCruiseRecord* record);
std::int32_t ZEL_CALL zelDispHisiNewMenuPTZCruiseSet(ZelHandle handle, std::int32_t channel,
                                                     const device::PtzCruiseRecord* record);

// Fills the 64 right flags of the given user.
std::int32_t ZEL_CALL zelDispHisiNewMenuUserListGet(ZelHandle handle, std::int32_t user,
                                                    std::uint8_t* rights);
// The recorder's clock as a packed date word and a packed time word.
std::int32_t ZEL_CALL zelDispPaTimeGet(ZelHandle handle, std::uint32_t* date, std::uint32_t* time);
std::int32_t ZEL_CALL zelDispPaTimeSet(ZelHandle handle, std::uint32_t date, std::uint32_t time);
// Makes the settings sent so far permanent.
std::int32_t ZEL_CALL zelDispSaveMenu(ZelHandle handle);
std::int32_t ZEL_CALL zelDispRebootDVR(ZelHandle handle);

}  // extern "C"
