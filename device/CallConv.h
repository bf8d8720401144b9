// The calling convention shared by the device library's functions and our two entries:
// the platform's C convention, which is __cdecl on 32-bit Windows (undecorated names).
#pragma once

#if defined(_WIN32) && !defined(_WIN64)
#define ZEL_CALL __cdecl
#else
#define ZEL_CALL
#endif
