// The functions the monitoring client calls.
#include "dll/Entries.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <type_traits>

#include "device/CallConv.h"
#include "records/ConfigMessage.h"
#include "records/ConfigTransfer.h"
#include "records/Fetch.h"
#include "session/ConfigSession.h"

namespace {

// The text column of a message's language: 0 Chinese, 1 English, 2 Portuguese, and 3, the
// window entries' selector of Portuguese, Portuguese as well; any other value English.
std::uint32_t MessageLanguage(std::int32_t language) {
    switch (language) {
        case 0:
            return 0;
        case 2:
        case 3:
            return 3;
        default:
            return 2;
    }
}

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

// The last export or import result of each thread that called one, for zelConfigMessage.
class LastResults {
  public:
    void Keep(records::TransferResult result) {
        const std::lock_guard<std::mutex> lock(mutex_);
        results_[std::this_thread::get_id()] = std::move(result);
    }
    // The sentence of the calling thread's last result, and after a check its lines.
    std::u16string Message(std::uint32_t language) {
        const std::lock_guard<std::mutex> lock(mutex_);
        const auto found = results_.find(std::this_thread::get_id());
        if (found == results_.end())
            return {};
        std::u16string message = records::ConfigMessage(found->second, language);
        if (const std::u16string lines = records::ConfigChangeLines(found->second, language);
            !lines.empty())
            message += u"\n" + lines;
        return message;
    }

  private:
    std::mutex mutex_;
    std::map<std::thread::id, records::TransferResult> results_;
};

LastResults& Last() {
    static LastResults last;
    return last;
}

records::TransferResult Refusal(records::Outcome outcome, std::int32_t code, bool import) {
    records::TransferResult result;
    result.outcome = outcome;
    result.code = code;
    result.import = import;
    return result;
}

// The configuration-file entries: never while a window is open, never by an exception. The
// result is kept for the calling thread's zelConfigMessage.
template <typename Transfer>
std::int32_t RunTransfer(Transfer transfer, bool import, std::uint32_t handle, const wchar_t* path,
                         std::int32_t user, std::uint32_t flags) {
    try {
        records::TransferResult result;
        if (session::ConfigSessionOpen())
            result = Refusal(records::Outcome::Busy, RAVELIN_CONFIG_BUSY, import);
        else if (path == nullptr || *path == L'\0')
            result = Refusal(records::Outcome::BadArgument, RAVELIN_CONFIG_BAD_ARGUMENT, import);
        else
            result = transfer(handle, std::filesystem::path(path), UserOf(user), flags);
        const std::int32_t code = result.code;
        Last().Keep(std::move(result));
        return code;
    } catch (...) {
        return RAVELIN_CONFIG_FAILED;
    }
}

// As many units of text as fit into chars with a terminating zero, a surrogate pair never cut;
// wchar_t holds UTF-16 on Windows and whole characters elsewhere.
void CopyOut(const std::u16string& text, wchar_t* out, std::int32_t chars) {
    std::wstring wide;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        const bool pair = unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size() &&
                          text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000;
        if (sizeof(wchar_t) == 2 || !pair) {
            wide.push_back(wchar_t(unit));
            continue;
        }
        wide.push_back(wchar_t(0x10000 + ((unit - 0xD800) << 10) + (text[++i] - 0xDC00)));
    }
    std::size_t fits = std::min(wide.size(), std::size_t(chars - 1));
    if (fits > 0 && fits < wide.size() && wide[fits - 1] >= 0xD800 && wide[fits - 1] < 0xDC00)
        --fits;
    std::copy_n(wide.begin(), fits, out);
    out[fits] = L'\0';
}

std::int32_t MessageLength(const std::u16string& text) {
    std::int32_t length = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Outside Windows a surrogate pair is one wchar_t.
        if (sizeof(wchar_t) != 2 && text[i] >= 0xD800 && text[i] < 0xDC00 && i + 1 < text.size())
            ++i;
        ++length;
    }
    return length;
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
    return RunTransfer(records::ExportConfig, false, handle, path, user, flags);
}

std::int32_t RAVELIN_CALL zelImportConfig(std::uint32_t handle, const wchar_t* path,
                                          std::int32_t user, std::uint32_t flags) {
    return RunTransfer(records::ImportConfig, true, handle, path, user, flags);
}

std::int32_t RAVELIN_CALL zelConfigMessage(std::int32_t language, wchar_t* text,
                                           std::int32_t chars) {
    try {
        const std::u16string message = Last().Message(MessageLanguage(language));
        if (text != nullptr && chars > 0)
            CopyOut(message, text, chars);
        return MessageLength(message);
    } catch (...) {
        if (text != nullptr && chars > 0)
            *text = L'\0';
        return 0;
    }
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
static_assert(std::is_same_v<decltype(&zelConfigMessage), RavelinConfigMessage>);

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
static_assert(records::kConfigPutBack == RAVELIN_CONFIG_PUT_BACK);
static_assert(records::kConfigNotPutBack == RAVELIN_CONFIG_NOT_PUT_BACK);
static_assert(records::kConfigSaveFailed == RAVELIN_CONFIG_SAVE_FAILED);
static_assert(records::kConfigDuplicateName == RAVELIN_CONFIG_DUPLICATE_NAME);
static_assert(records::kExportSecrets == RAVELIN_EXPORT_SECRETS);
static_assert(records::kImportClone == RAVELIN_IMPORT_CLONE);
static_assert(records::kImportCheckOnly == RAVELIN_IMPORT_CHECK_ONLY);
static_assert(records::kLargestConfigFile == RAVELIN_CONFIG_LARGEST_FILE);
