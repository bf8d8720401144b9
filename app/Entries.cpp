// The two functions the monitoring client calls.
#include "app/Entries.h"

#include "app/ConfigSession.h"

namespace {

// Nothing leaves an entry by an exception: a failed session ends the call, never the host.
std::int32_t Run(std::uint32_t handle, std::uint32_t language, std::optional<std::int32_t> user) {
    try {
        return app::RunConfigSession(handle, language, user) ? 0 : -1;
    } catch (...) {
        return -1;
    }
}

}  // namespace

extern "C" {

std::int32_t ZEL_CALL zelInitConfig(std::uint32_t handle, std::uint32_t language) {
    return Run(handle, language, std::nullopt);
}

std::int32_t ZEL_CALL zelInitConfigEx(std::uint32_t handle, std::uint32_t language,
                                      std::uint32_t /*reserved*/, std::int32_t user) {
    return Run(handle, language, user);
}

}  // extern "C"
