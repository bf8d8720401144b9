// Window and control style bits and message-box codes with their Win32 values, for code that
// does not see windows.h (the pages and the headless backend).
#pragma once

#include <cstdint>

namespace ui {

// Window styles.
inline constexpr std::uint32_t kWsVisible = 0x10000000;
inline constexpr std::uint32_t kWsDisabled = 0x08000000;
inline constexpr std::uint32_t kWsGroup = 0x00020000;
inline constexpr std::uint32_t kWsTabStop = 0x00010000;
inline constexpr std::uint32_t kWsChild = 0x40000000;

// Dialog styles.
inline constexpr std::uint32_t kDsControl = 0x0400;  // a child dialog inside another's tab order

// Button styles.
inline constexpr std::uint32_t kBsTypeMask = 0x0000000F;
inline constexpr std::uint32_t kBsPushButton = 0x0;
inline constexpr std::uint32_t kBsDefPushButton = 0x1;
inline constexpr std::uint32_t kBsCheckBox = 0x2;
inline constexpr std::uint32_t kBsAutoCheckBox = 0x3;
inline constexpr std::uint32_t kBsRadioButton = 0x4;
inline constexpr std::uint32_t kBsGroupBox = 0x7;
inline constexpr std::uint32_t kBsAutoRadioButton = 0x9;

// Edit, combo box, list view, date picker styles.
inline constexpr std::uint32_t kEsPassword = 0x0020;
inline constexpr std::uint32_t kEsNumber = 0x2000;
inline constexpr std::uint32_t kCbsDropDownList = 0x0003;
inline constexpr std::uint32_t kLvsReport = 0x0001;
// Extended list view styles (set at run time, not in the template).
inline constexpr std::uint32_t kLvsExGridLines = 0x0001;
inline constexpr std::uint32_t kLvsExFullRowSelect = 0x0020;
inline constexpr std::uint32_t kDtsUpDown = 0x0001;
inline constexpr std::uint32_t kDtsTimeFormat = 0x0009;
inline constexpr std::uint32_t kEsAutoHScroll = 0x0080;

// Message boxes.
inline constexpr unsigned kMbOk = 0x0;
inline constexpr unsigned kMbYesNo = 0x4;
inline constexpr unsigned kMbIconExclamation = 0x30;
inline constexpr unsigned kMbIconInformation = 0x40;
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

// Notification codes that reach a dialog's command and notify handlers.
inline constexpr int kBnClicked = 0;
inline constexpr int kCbnSelChange = 1;
inline constexpr int kEnChange = 0x0300;
inline constexpr int kTvnSelChanged = -451;      // TVN_SELCHANGEDW
inline constexpr int kDtnDateTimeChange = -759;  // DTN_DATETIMECHANGE
inline constexpr int kIpnFieldChanged = -860;    // IPN_FIELDCHANGED
inline constexpr int kNmSetFocus = -7;           // a common control took the focus
inline constexpr int kNmKillFocus = -8;          // a common control lost the focus

}  // namespace ui
