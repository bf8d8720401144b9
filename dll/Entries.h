// The two functions the monitoring client calls, as the published header declares them. All
// arguments are 32-bit; the result carries no meaning for the host: 0 after a session, -1 when
// a session was already open or the session failed. Neither ever throws.
#pragma once

#include "include/Ravelin.h"
