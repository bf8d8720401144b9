// The functions the monitoring client calls.
#include "dll/Entries.h"

#include <filesystem>
#include <type_traits>

#include "app/ConfigTransfer.h"
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

std::optional<std::int32_t> UserOf(std::int32_t user) {
    return user == RAVELIN_ALL_RIGHTS ? std::nullopt : std::optional<std::int32_t>(user);
}

// The configuration-file entries: never while a window is open, never by an exception.
template <typename Transfer>
std::int32_t RunTransfer(Transfer transfer, std::uint32_t handle, const wchar_t* path,
                         std::int32_t user, std::uint32_t flags) {
    if (app::ConfigSessionOpen())
        return RAVELIN_CONFIG_BUSY;
    if (path == nullptr || *path == L'\0')
        return RAVELIN_CONFIG_BAD_ARGUMENT;
    try {
        return transfer(handle, std::filesystem::path(path), UserOf(user), flags).code;
    } catch (...) {
        return RAVELIN_CONFIG_FAILED;
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

std::int32_t RAVELIN_CALL zelExportConfig(std::uint32_t handle, const wchar_t* path,
                                          std::int32_t user, std::uint32_t flags) {
    return RunTransfer(app::ExportConfig, handle, path, user, flags);
}

std::int32_t RAVELIN_CALL zelImportConfig(std::uint32_t handle, const wchar_t* path,
                                          std::int32_t user, std::uint32_t flags) {
    return RunTransfer(app::ImportConfig, handle, path, user, flags);
}

}  // extern "C"

// The entries are what the published header says a client looks up, in the device library's
// calling convention.
static_assert(std::is_same_v<decltype(&zelInitConfig), RavelinInitConfig>);
static_assert(std::is_same_v<decltype(&zelInitConfigEx), RavelinInitConfigEx>);
using DeviceConventionEntry = std::int32_t(ZEL_CALL*)(std::uint32_t, std::uint32_t);
static_assert(std::is_same_v<DeviceConventionEntry, RavelinInitConfig>);
static_assert(std::is_same_v<decltype(&zelExportConfig), RavelinExportConfig>);
static_assert(std::is_same_v<decltype(&zelImportConfig), RavelinImportConfig>);

// The library's results are the published ones.
static_assert(app::kConfigBusy == RAVELIN_CONFIG_BUSY);
static_assert(app::kConfigBadArgument == RAVELIN_CONFIG_BAD_ARGUMENT);
static_assert(app::kConfigReadFailed == RAVELIN_CONFIG_READ_FAILED);
static_assert(app::kConfigFileUnreadable == RAVELIN_CONFIG_FILE_UNREADABLE);
static_assert(app::kConfigFileUnwritable == RAVELIN_CONFIG_FILE_UNWRITABLE);
static_assert(app::kConfigNotOurs == RAVELIN_CONFIG_NOT_OURS);
static_assert(app::kConfigNewerFormat == RAVELIN_CONFIG_NEWER_FORMAT);
static_assert(app::kConfigTruncated == RAVELIN_CONFIG_TRUNCATED);
static_assert(app::kConfigOutOfRange == RAVELIN_CONFIG_OUT_OF_RANGE);
static_assert(app::kConfigWrongType == RAVELIN_CONFIG_WRONG_TYPE);
static_assert(app::kConfigUnknownField == RAVELIN_CONFIG_UNKNOWN_FIELD);
static_assert(app::kConfigCounts == RAVELIN_CONFIG_COUNTS);
static_assert(app::kConfigFailed == RAVELIN_CONFIG_FAILED);
static_assert(app::kConfigSendFailed == RAVELIN_CONFIG_SEND_FAILED);
static_assert(app::kConfigSendPresetsFailed == RAVELIN_CONFIG_SEND_PRESETS_FAILED);
static_assert(app::kConfigSendCruiseFailed == RAVELIN_CONFIG_SEND_CRUISE_FAILED);
static_assert(app::kExportSecrets == RAVELIN_EXPORT_SECRETS);
static_assert(app::kImportClone == RAVELIN_IMPORT_CLONE);
