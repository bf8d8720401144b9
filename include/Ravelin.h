/* Ravelin.h: the entries of Ravelin.dll, for the monitoring clients that load it.

   Ravelin.dll shows the configuration window of one video recorder. A client that holds an open
   session with the recorder (a handle of the device library zelDisp.dll) loads the library,
   looks up an entry by its name and calls it on its user-interface thread. The call returns
   when the operator closes the window. Two more entries write a recorder's configuration into
   a file and restore it from one, without a window. See docs/integration.md and
   docs/config-files.md.

   Plain C, for C and C++ clients of both bitnesses. */
#ifndef RAVELIN_H
#define RAVELIN_H

#include <stddef.h> /* wchar_t */
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

/* What the configuration-file entries return: 0 or more on success (an import returns the
   number of records it sent), one negative code per cause otherwise. */
#define RAVELIN_CONFIG_BUSY (-2)            /* a configuration window is open; nothing done */
#define RAVELIN_CONFIG_BAD_ARGUMENT (-3)    /* no path, or flags this version does not know */
#define RAVELIN_CONFIG_READ_FAILED (-4)     /* reading the rights or a record failed */
#define RAVELIN_CONFIG_FILE_UNREADABLE (-5) /* import: the file cannot be opened or read */
#define RAVELIN_CONFIG_FILE_UNWRITABLE (-6) /* export: the file cannot be written or replaced */
#define RAVELIN_CONFIG_NOT_OURS (-7)        /* not a configuration file of this library */
#define RAVELIN_CONFIG_NEWER_FORMAT (-8)    /* written in a newer version of the format */
#define RAVELIN_CONFIG_TRUNCATED (-9)       /* the file ends too early */
#define RAVELIN_CONFIG_OUT_OF_RANGE (-10)   /* a value its field cannot hold */
#define RAVELIN_CONFIG_WRONG_TYPE (-11)     /* a value of the wrong kind */
#define RAVELIN_CONFIG_UNKNOWN_FIELD (-12)  /* a name no record has */
#define RAVELIN_CONFIG_COUNTS (-13)         /* more entries than the recorder or data model has */
#define RAVELIN_CONFIG_FAILED (-14)         /* anything else (out of memory) */
/* A send failed during an import: the failing record, later ones not sent, nothing made
   permanent. RAVELIN_CONFIG_SEND_FAILED - step for the record of that step of the reading
   (1 Normal, 2 Code, ... 21 AlarmOut, as docs/integration.md lists them);
   RAVELIN_CONFIG_SEND_PRESETS_FAILED - channel and RAVELIN_CONFIG_SEND_CRUISE_FAILED - channel
   (channel 0-based) for a channel's presets and cruise. */
#define RAVELIN_CONFIG_SEND_FAILED (-100)
#define RAVELIN_CONFIG_SEND_PRESETS_FAILED (-200)
#define RAVELIN_CONFIG_SEND_CRUISE_FAILED (-300)

/* Flags. */
#define RAVELIN_EXPORT_SECRETS 1u /* export: write the dial-up, DDNS and e-mail passwords too */
#define RAVELIN_IMPORT_CLONE                                       \
    1u /* import: take the file's network identity, DVR number and \
          channel names also onto another recorder */

/* The user argument of the configuration-file entries for every right. */
#define RAVELIN_ALL_RIGHTS (-1)

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

/* Writes the records the user may see into one file (UTF-8 JSON), replacing any file there
   only once every record was read. Returns 0 or a negative code.
   path:  the file, UTF-16
   user:  the recorder's user as zelInitConfigEx takes it, or RAVELIN_ALL_RIGHTS
   flags: 0 or RAVELIN_EXPORT_SECRETS */
typedef int32_t(RAVELIN_CALL* RavelinExportConfig)(uint32_t handle, const wchar_t* path,
                                                   int32_t user, uint32_t flags);

/* Checks the whole file, then sends each record the user may change that differs from the
   recorder's, then makes them permanent. Returns the number of records sent, or a negative
   code (nothing sent for every code but the send failures).
   flags: 0 or RAVELIN_IMPORT_CLONE */
typedef int32_t(RAVELIN_CALL* RavelinImportConfig)(uint32_t handle, const wchar_t* path,
                                                   int32_t user, uint32_t flags);

/* The names to look up with GetProcAddress. */
#define RAVELIN_INIT_CONFIG "zelInitConfig"
#define RAVELIN_INIT_CONFIG_EX "zelInitConfigEx"
#define RAVELIN_EXPORT_CONFIG "zelExportConfig"
#define RAVELIN_IMPORT_CONFIG "zelImportConfig"

/* The entries themselves, for clients that link the library's import library. */
int32_t RAVELIN_CALL zelInitConfig(uint32_t handle, uint32_t language);
int32_t RAVELIN_CALL zelInitConfigEx(uint32_t handle, uint32_t language, uint32_t reserved,
                                     int32_t user);
int32_t RAVELIN_CALL zelExportConfig(uint32_t handle, const wchar_t* path, int32_t user,
                                     uint32_t flags);
int32_t RAVELIN_CALL zelImportConfig(uint32_t handle, const wchar_t* path, int32_t user,
                                     uint32_t flags);

#ifdef __cplusplus
}
#endif

#endif /* RAVELIN_H */
