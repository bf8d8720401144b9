// The names of the device library's 50 functions, for checks of imports and exports.
#pragma once

#include <array>
#include <string_view>

namespace device {

inline constexpr std::array<std::string_view, 50> kZelDispFunctionNames = {
    "zelDispHisiNewMenuNormalGet",
    "zelDispHisiNewMenuNormalSet",
    "zelDispHisiNewMenuCodeGet",
    "zelDispHisiNewMenuCodeSet",
    "zelDispHisiNewMenuRecTimerGet",
    "zelDispHisiNewMenuRecTimerSet",
    "zelDispHisiNewMenuRecAdminGet",
    "zelDispHisiNewMenuRecAdminSet",
    "zelDispHisiNewMenuSerialsGet",
    "zelDispHisiNewMenuSerialsSet",
    "zelDispHisiNewMenuNetGet",
    "zelDispHisiNewMenuNetSet",
    "zelDispHisiNewMenuNTPGet",
    "zelDispHisiNewMenuNTPSet",
    "zelDispHisiNewMenuDialGet",
    "zelDispHisiNewMenuDialSet",
    "zelDispHisiNewMenuDDNSGet",
    "zelDispHisiNewMenuDDNSSet",
    "zelDispHisiNewMenuSMTPGet",
    "zelDispHisiNewMenuSMTPSet",
    "zelDispHisiNewMenuAlarmInGet",
    "zelDispHisiNewMenuAlarmInSet",
    "zelDispHisiNewMenuAlarmOutGet",
    "zelDispHisiNewMenuAlarmOutSet",
    "zelDispHisiNewMenuVideoLostGet",
    "zelDispHisiNewMenuVideoLostSet",
    "zelDispHisiNewMenuVideoCoverGet",
    "zelDispHisiNewMenuVideoCoverSet",
    "zelDispHisiNewMenuVideoMotionGet",
    "zelDispHisiNewMenuVideoMotionSet",
    "zelDispHisiNewMenuEventGet",
    "zelDispHisiNewMenuEventSet",
    "zelDispHisiNewMenuPTZGet",
    "zelDispHisiNewMenuPTZSet",
    "zelDispHisiNewMenuVideoOutGet",
    "zelDispHisiNewMenuVideoOutSet",
    "zelDispHisiNewMenuChanNameGet",
    "zelDispHisiNewMenuChanNameSet",
    "zelDispHisiNewMenuVersionGet",
    "zelDispHisiNewMenuHddInfoGet",
    "zelDispHisiNewMenuPTZProtocolGet",
    "zelDispHisiNewMenuPTZPointGet",
    "zelDispHisiNewMenuPTZPointSet",
    "zelDispHisiNewMenuPTZCruiseGet",
    "zelDispHisiNewMenuPTZCruiseSet",
    "zelDispHisiNewMenuUserListGet",
    "zelDispPaTimeGet",
    "zelDispPaTimeSet",
    "zelDispSaveMenu",
    "zelDispRebootDVR",
};

}  // namespace device
