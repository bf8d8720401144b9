/* Ravelin.h: the two entries of Ravelin.dll, for the monitoring clients that load it.

   Ravelin.dll shows the configuration window of one video recorder. A client that holds an open
   session with the recorder (a handle of the device library zelDisp.dll) loads the library,
   looks up an entry by its name and calls it on its user-interface thread. The call returns
   when the operator closes the window. See docs/integration.md.

   Plain C, for C and C++ clients of both bitnesses. */
#ifndef RAVELIN_H
#define RAVELIN_H

#include <stdint.h>

/* The platform's C calling convention: __cdecl on 32-bit Windows, the only one on 64-bit. The
   entries are exported by their plain names, without decoration. */
#if defined(_WIN32) && !defined(_WIN64)
#define RAVELIN_CALL __cdecl
#else
#define RAVELIN_CALL
#endif

/* The language argument. Any other value also selects English. */
#define RAVELIN_LANGUAGE_CHINESE 0u /* Simplified Chinese */
#define RAVELIN_LANGUAGE_ENGLISH 2u
#define RAVELIN_LANGUAGE_PORTUGUESE 3u

/* What an entry returns. A client need not look at it. */
#define RAVELIN_DONE 0       /* the window was shown and closed */
#define RAVELIN_REFUSED (-1) /* a session was already open, or the session failed */

#ifdef __cplusplus
extern "C" {
#endif

/* Opens the configuration window with every page allowed.
   handle:   the client's session with the recorder, passed unchanged to zelDisp.dll
   language: RAVELIN_LANGUAGE_CHINESE, _ENGLISH or _PORTUGUESE */
typedef int32_t(RAVELIN_CALL* RavelinInitConfig)(uint32_t handle, uint32_t language);

/* The same, with the pages the recorder allows the given user.
   reserved: not used, pass 0
   user:     the recorder's user, passed unchanged to the device library's user-rights call */
typedef int32_t(RAVELIN_CALL* RavelinInitConfigEx)(uint32_t handle, uint32_t language,
                                                   uint32_t reserved, int32_t user);

/* The names to look up with GetProcAddress. */
#define RAVELIN_INIT_CONFIG "zelInitConfig"
#define RAVELIN_INIT_CONFIG_EX "zelInitConfigEx"

/* The entries themselves, for clients that link the library's import library. */
int32_t RAVELIN_CALL zelInitConfig(uint32_t handle, uint32_t language);
int32_t RAVELIN_CALL zelInitConfigEx(uint32_t handle, uint32_t language, uint32_t reserved,
                                     int32_t user);

#ifdef __cplusplus
}
#endif

#endif /* RAVELIN_H */
