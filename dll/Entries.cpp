// The two functions the monitoring client calls.
#include "dll/Entries.h"

#include <type_traits>

#include "dll/ConfigSession.h"
#include "device/CallConv.h"

namespace {

// Nothing leaves an entry by an exception: a failed session ends the call, never the host.
std::int32_t Run(std::uint32_t handle, std::uint32_t language, std::optional<std::int32_t> user) {
    try {
        return app::RunConfigSession(handle, language, user) ? RAVELIN_DONE : RAVELIN_REFUSED;
    } catch (...) {
        return RAVELIN_REFUSED;
    }
}

}  // namespace

extern "C" {

std::int32_t RAVELIN_CALL zelInitConfig(std::uint32_t handle, std::uint32_t language) {
    return Run(handle, language, std::nullopt);
}

std::int32_t RAVELIN_CALL zelInitConfigEx(std::uint32_t handle, std::uint32_t language,
                                          std::uint32_t /*reserved*/, std::int32_t user) {
    return Run(handle, language, user);
}

}  // extern "C"

// The entries are what the published header says a client looks up, in the device library's
// calling convention.
static_assert(std::is_same_v<decltype(&zelInitConfig), RavelinInitConfig>);
static_assert(std::is_same_v<decltype(&zelInitConfigEx), RavelinInitConfigEx>);
using DeviceConventionEntry = std::int32_t(ZEL_CALL*)(std::uint32_t, std::uint32_t);
static_assert(std::is_same_v<DeviceConventionEntry, RavelinInitConfig>);
