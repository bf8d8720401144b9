/* Ravelin.h: the entries of Ravelin.dll, for the monitoring clients that load it.

   Ravelin.dll shows the configuration window of one video recorder. A client that holds an open
   session with the recorder (a handle of the device library zelDisp.dll) loads the library,
   looks up an entry by its name and calls it on its user-interface thread. The call returns
   when the operator closes the window. Two more entries write a recorder's configuration into
   a file and restore it from one, without a window, and a third says what came of the last of
   them. See docs/integration.md and
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
   number of records it sent, a check the number it would send), one negative code per cause
   otherwise. zelConfigMessage says the same as a sentence, naming the record and field. */
#define RAVELIN_CONFIG_BUSY (-2)            /* a configuration window is open; nothing done */
#define RAVELIN_CONFIG_BAD_ARGUMENT (-3)    /* no path, or flags this version does not know */
#define RAVELIN_CONFIG_READ_FAILED (-4)     /* reading the rights or a record failed */
#define RAVELIN_CONFIG_FILE_UNREADABLE (-5) /* import: the file cannot be opened or read */
#define RAVELIN_CONFIG_FILE_UNWRITABLE (-6) /* export: the file cannot be written or replaced */
/* Not JSON, bytes after the document, a file larger than RAVELIN_CONFIG_LARGEST_FILE, or not a
   configuration file of this library. */
#define RAVELIN_CONFIG_NOT_OURS (-7)
#define RAVELIN_CONFIG_NEWER_FORMAT (-8)   /* written in a newer version of the format */
#define RAVELIN_CONFIG_TRUNCATED (-9)      /* the file ends too early */
#define RAVELIN_CONFIG_OUT_OF_RANGE (-10)  /* a value its field cannot hold */
#define RAVELIN_CONFIG_WRONG_TYPE (-11)    /* a value of the wrong kind */
#define RAVELIN_CONFIG_UNKNOWN_FIELD (-12) /* a name no record has */
#define RAVELIN_CONFIG_COUNTS (-13)        /* more entries than the recorder or data model has */
#define RAVELIN_CONFIG_FAILED (-14)        /* anything else (out of memory) */
/* A send failed during an import and every record sent before it was sent back, in the
   reverse order, with what the recorder held: the recorder is as it was; nothing was made
   permanent. */
#define RAVELIN_CONFIG_PUT_BACK (-15)
/* A send failed during an import and some records sent before it could not be sent back:
   they hold the file's values until the recorder restarts; nothing was made permanent. */
#define RAVELIN_CONFIG_NOT_PUT_BACK (-16)
/* Every record that differed was sent, but making them permanent failed. */
#define RAVELIN_CONFIG_SAVE_FAILED (-17)
#define RAVELIN_CONFIG_DUPLICATE_NAME (-18) /* a name twice in one object of the file */

/* The largest file an import reads, in bytes (8 MiB); a larger one is refused unread. */
#define RAVELIN_CONFIG_LARGEST_FILE (8u << 20)

/* Flags. */
#define RAVELIN_EXPORT_SECRETS 1u /* export: write the dial-up, DDNS and e-mail passwords too */
#define RAVELIN_IMPORT_CLONE                                       \
    1u /* import: take the file's network identity, DVR number and \
          channel names also onto another recorder */
#define RAVELIN_IMPORT_CHECK_ONLY                                     \
    2u /* import: read the recorder and compare only; return how many \
          records an import would send, and send nothing */

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
   code. A failed send puts back what was sent before it (RAVELIN_CONFIG_PUT_BACK); every other
   refusal comes before anything is sent.
   flags: 0, RAVELIN_IMPORT_CLONE, RAVELIN_IMPORT_CHECK_ONLY, or both */
typedef int32_t(RAVELIN_CALL* RavelinImportConfig)(uint32_t handle, const wchar_t* path,
                                                   int32_t user, uint32_t flags);

/* The result of the calling thread's last export or import as one sentence, naming the record
   and field where there is one; after a check, followed by one line per field an import would
   change ("Net.preferredDns: 8.8.8.8 -> 1.1.1.1"), the lines separated by L'\n'.
   language: RAVELIN_MESSAGE_CHINESE (0), RAVELIN_MESSAGE_ENGLISH (1) or
             RAVELIN_MESSAGE_PORTUGUESE (2); 3, the window entries' Portuguese, is Portuguese
             too, any other value English
   text:     receives as much of the text as fits into chars, always with a terminating zero;
             null, or chars 0, to ask for the length only
   Returns the length of the whole text in characters, without the terminating zero (0 when
   the thread has called neither entry). */
typedef int32_t(RAVELIN_CALL* RavelinConfigMessage)(int32_t language, wchar_t* text, int32_t chars);

/* The languages of zelConfigMessage. */
#define RAVELIN_MESSAGE_CHINESE 0 /* Simplified Chinese */
#define RAVELIN_MESSAGE_ENGLISH 1
#define RAVELIN_MESSAGE_PORTUGUESE 2

/* The names to look up with GetProcAddress. */
#define RAVELIN_INIT_CONFIG "zelInitConfig"
#define RAVELIN_INIT_CONFIG_EX "zelInitConfigEx"
#define RAVELIN_EXPORT_CONFIG "zelExportConfig"
#define RAVELIN_IMPORT_CONFIG "zelImportConfig"
#define RAVELIN_CONFIG_MESSAGE "zelConfigMessage"

/* The entries themselves, for clients that link the library's import library. */
int32_t RAVELIN_CALL zelInitConfig(uint32_t handle, uint32_t language);
int32_t RAVELIN_CALL zelInitConfigEx(uint32_t handle, uint32_t language, uint32_t reserved,
                                     int32_t user);
int32_t RAVELIN_CALL zelExportConfig(uint32_t handle, const wchar_t* path, int32_t user,
                                     uint32_t flags);
int32_t RAVELIN_CALL zelImportConfig(uint32_t handle, const wchar_t* path, int32_t user,
                                     uint32_t flags);
int32_t RAVELIN_CALL zelConfigMessage(int32_t language, wchar_t* text, int32_t chars);

#ifdef __cplusplus
}
#endif

#endif /* RAVELIN_H */
