// The platform's headers for the Win32 backend, without the macros that would rename the
// framework's own member functions (MessageBox, CreateFont, ...). Call the W functions.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>

#undef CreateFont
#undef GetWindowText
#undef MessageBox
#undef SetDlgItemText
#undef SetWindowText
