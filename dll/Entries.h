// The functions the monitoring client calls, as the published header declares them. The two
// window entries return 0 after a session, -1 when a session was already open or the session
// failed; the configuration-file entries return what the header lists. None ever throws.
#pragma once

#include "include/Ravelin.h"
