// One configuration session: session state, the reading of the recorder, the main dialog.
#pragma once

#include <cstdint>
#include <optional>

#include "records/Fetch.h"
#include "records/SessionState.h"

namespace session {

// Runs a session: rights for all pages, or the given user's rights from the device. Returns
// false, touching nothing, when a session is already open (a re-entrant call). A failure of
// the session leaves by an exception, with the session closed and no window left.
bool RunConfigSession(ZelHandle handle, std::uint32_t language, std::optional<std::int32_t> user);

// Whether a session's window is open (the configuration-file entries refuse meanwhile).
bool ConfigSessionOpen();

// The configuration window, run modally with no parent window. Without a dialog backend
// (a host with no user interface) it does nothing. Throws when the window cannot be made or
// its initialisation fails; such a window is never shown and saves nothing on its way out.
void RunMainDialog();

// What runs the window once the cache is filled. Tests may replace it; null restores the
// configuration window.
using MainDialogRunner = void (*)();
void SetMainDialogRunner(MainDialogRunner runner);

// What installs the dialog backend at the start of each session, before the recorder is
// read (the progress window needs it); null: the backend in place is used.
using BackendInstaller = void (*)();
void SetBackendInstaller(BackendInstaller installer);

}  // namespace session
