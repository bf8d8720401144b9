// The functions the monitoring client calls.
#include "dll/Entries.h"

#include <filesystem>
#include <type_traits>

#include "records/ConfigTransfer.h"
#include "session/ConfigSession.h"
#include "device/CallConv.h"

namespace {

// Nothing leaves an entry by an exception: a failed session ends the call, never the host.
std::int32_t Run(std::uint32_t handle, std::uint32_t language, std::optional<std::int32_t> user) {
    try {
        return session::RunConfigSession(handle, language, user) ? RAVELIN_DONE : RAVELIN_REFUSED;
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
    if (session::ConfigSessionOpen())
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
    return RunTransfer(records::ExportConfig, handle, path, user, flags);
}

std::int32_t RAVELIN_CALL zelImportConfig(std::uint32_t handle, const wchar_t* path,
                                          std::int32_t user, std::uint32_t flags) {
    return RunTransfer(records::ImportConfig, handle, path, user, flags);
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
static_assert(records::kConfigBusy == RAVELIN_CONFIG_BUSY);
static_assert(records::kConfigBadArgument == RAVELIN_CONFIG_BAD_ARGUMENT);
static_assert(records::kConfigReadFailed == RAVELIN_CONFIG_READ_FAILED);
static_assert(records::kConfigFileUnreadable == RAVELIN_CONFIG_FILE_UNREADABLE);
static_assert(records::kConfigFileUnwritable == RAVELIN_CONFIG_FILE_UNWRITABLE);
static_assert(records::kConfigNotOurs == RAVELIN_CONFIG_NOT_OURS);
static_assert(records::kConfigNewerFormat == RAVELIN_CONFIG_NEWER_FORMAT);
static_assert(records::kConfigTruncated == RAVELIN_CONFIG_TRUNCATED);
static_assert(records::kConfigOutOfRange == RAVELIN_CONFIG_OUT_OF_RANGE);
static_assert(records::kConfigWrongType == RAVELIN_CONFIG_WRONG_TYPE);
static_assert(records::kConfigUnknownField == RAVELIN_CONFIG_UNKNOWN_FIELD);
static_assert(records::kConfigCounts == RAVELIN_CONFIG_COUNTS);
static_assert(records::kConfigFailed == RAVELIN_CONFIG_FAILED);
static_assert(records::kConfigSendFailed == RAVELIN_CONFIG_SEND_FAILED);
static_assert(records::kConfigSendPresetsFailed == RAVELIN_CONFIG_SEND_PRESETS_FAILED);
static_assert(records::kConfigSendCruiseFailed == RAVELIN_CONFIG_SEND_CRUISE_FAILED);
static_assert(records::kExportSecrets == RAVELIN_EXPORT_SECRETS);
static_assert(records::kImportClone == RAVELIN_IMPORT_CLONE);
