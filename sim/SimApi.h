// The simulated recorder's own functions: open and close recorders, shape them for a test or
// a demo (counts, rights, clock, failures, latency) and read the log of device calls. These
// live beside the 50 device functions in the simulator's zelDisp.dll; Ravelin.dll never
// imports them.
#pragma once

#include <cstdint>

#include "device/CallConv.h"

using ZelHandle = std::uint32_t;

extern "C" {

// Opens a recorder and returns its handle, or 0 on failure with a message in error (always
// terminated when errorSize > 0). statePath null or empty: the default recorder, kept in
// memory only. Otherwise the recorder is the one of that configuration file (an export, say):
// its records, the defaults for what it leaves out, the counts of its Version record; a
// missing file is created from the defaults. zelDispSaveMenu writes every record back into
// it, passwords included. A file that is not a configuration file, or a damaged one, is an
// error of one line naming the file, and is left untouched.
ZelHandle ZEL_CALL zsimOpen(const char* statePath, char* error, std::int32_t errorSize);
void ZEL_CALL zsimClose(ZelHandle handle);

// Writes the channel, alarm-input and alarm-output counts into the Version record exactly as
// given (values outside 0..16 are accepted, to test callers). Returns 0, or -1 for an
// unknown handle.
std::int32_t ZEL_CALL zsimSetCounts(ZelHandle handle, std::int32_t channels,
                                    std::int32_t alarmInputs, std::int32_t alarmOutputs);

// Replaces a whole record as the recorder keeps it, also one without a Set function. record
// names it: Normal, Code, RecTimer, Serials, Net, NTP, Dial, DDNS, SMTP, AlarmIn, VideoLost,
// VideoCover, VideoMotion, PTZ, VideoOut, ChanName, Version, HddInfo, Event, RecAdmin,
// AlarmOut, or PTZPoint and PTZCruise (all 16 channel slots at once); size must be the
// record's size. Not logged. Returns 0, or -1 for an unknown handle or name, a null record
// or a wrong size.
std::int32_t ZEL_CALL zsimSetRecord(ZelHandle handle, const char* record, const void* bytes,
                                    std::int32_t size);

// The user number that zelDispHisiNewMenuUserListGet knows by a rights profile's name
// ("admin", "no-network", "no-info", "guest"), or -1 for an unknown name.
std::int32_t ZEL_CALL zsimUserId(const char* name);

// Sets the clock from the two clock words; running != 0 lets it advance with real time.
// Returns 0, or -1 for an unknown handle or words that are no valid date and time. A new
// recorder's clock runs from the PC's local time; zelDispPaTimeSet keeps the clock running
// or standing still.
std::int32_t ZEL_CALL zsimSetClock(ZelHandle handle, std::uint32_t date, std::uint32_t time,
                                   std::int32_t running);

// Makes the named device function fail (return -1) on its next `times` calls; -1 = always,
// 0 = no longer. scribble in 0..255 fills the caller's buffer with that byte before failing;
// -1 leaves the buffer untouched. A call with bad arguments (a null buffer, a channel outside
// 0..15) fails on its own and is not counted. Returns 0, or -1 for an unknown handle or
// function name, or values outside those ranges.
std::int32_t ZEL_CALL zsimFail(ZelHandle handle, const char* function, std::int32_t times,
                               std::int32_t scribble);
// The same once the function's next `after` calls (0 or more) have succeeded: for a failure in
// the middle of a sequence of calls of one function. Returns 0, or -1 as zsimFail does and for
// a negative `after`.
std::int32_t ZEL_CALL zsimFailAfter(ZelHandle handle, const char* function, std::int32_t after,
                                    std::int32_t times, std::int32_t scribble);

// Every device call on this recorder sleeps this long first. Returns 0, or -1 for an unknown
// handle or a negative time.
std::int32_t ZEL_CALL zsimSetLatency(ZelHandle handle, std::int32_t milliseconds);

// Replaces the text zelDispHisiNewMenuPTZProtocolGet reports (any text, malformed lists
// included; at most 8191 so that the terminator fits the caller's buffer). Not kept in the
// state file. Returns 0, or -1 for an unknown handle, a null text or one too long.
std::int32_t ZEL_CALL zsimSetProtocolList(ZelHandle handle, const char* text);

// The call log: every device call on the handle, in order.
std::int32_t ZEL_CALL zsimLogSize(ZelHandle handle);
// Entry index: the function's name, the channel or user argument (-1 when the function has
// none), and the bytes the caller sent (a Set's record; for zelDispPaTimeSet the date word
// and then the time word, 8 bytes; null and 0 otherwise). Any output may be null. The
// pointers stay valid until the log is cleared or the recorder closed. Returns 0, or -1.
std::int32_t ZEL_CALL zsimLogEntry(ZelHandle handle, std::int32_t index, const char** function,
                                   std::int32_t* argument, const std::uint8_t** bytes,
                                   std::int32_t* size);
void ZEL_CALL zsimClearLog(ZelHandle handle);

// Number of successful zelDispRebootDVR calls since the recorder was opened.
std::int32_t ZEL_CALL zsimRebootCount(ZelHandle handle);

}  // extern "C"
