// The two functions the monitoring client calls. All arguments are 32-bit; the result
// carries no meaning for the host: 0 after a session, -1 when a session was already open or
// the session failed. Neither ever throws.
#pragma once

#include <cstdint>

#include "device/CallConv.h"

extern "C" {

std::int32_t ZEL_CALL zelInitConfig(std::uint32_t handle, std::uint32_t language);
std::int32_t ZEL_CALL zelInitConfigEx(std::uint32_t handle, std::uint32_t language,
                                      std::uint32_t reserved, std::int32_t user);

}  // extern "C"
