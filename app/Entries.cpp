// The two functions the monitoring client calls.
#include "app/Entries.h"

#include "app/ConfigSession.h"

extern "C" {

std::int32_t ZEL_CALL zelInitConfig(std::uint32_t handle, std::uint32_t language) {
    return app::RunConfigSession(handle, language, std::nullopt) ? 0 : -1;
}

std::int32_t ZEL_CALL zelInitConfigEx(std::uint32_t handle, std::uint32_t language,
                                      std::uint32_t /*reserved*/, std::int32_t user) {
    return app::RunConfigSession(handle, language, user) ? 0 : -1;
}

}  // extern "C"
