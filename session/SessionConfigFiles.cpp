// The window's configuration-file commands for the open session.
#include "session/SessionConfigFiles.h"

#include <filesystem>

#include "records/ConfigTransfer.h"
#include "records/DeviceHandle.h"
#include "records/Fetch.h"
#include "records/SessionState.h"

namespace session {

using namespace records;

window::ConfigFiles::Result SessionConfigFiles::Export(const std::u16string& path) {
    const TransferResult result =
        ExportConfigWithRights(DeviceHandle, std::filesystem::path(path), UserRights, 0);
    return {result.code == kConfigDone ? Outcome::Done : Outcome::Refused, 0, result.message};
}

window::ConfigFiles::Result SessionConfigFiles::Import(const std::u16string& path) {
    const TransferResult result =
        ImportConfigWithRights(DeviceHandle, std::filesystem::path(path), UserRights, 0);
    Result out{Outcome::Done, 0, result.message};
    if (result.code >= 0) {
        out.sent = result.code;
    } else if (result.code <= kConfigSendFailed) {
        out.outcome = Outcome::FailedPartway;
    } else {
        // Checked and refused before anything was sent.
        out.outcome = Outcome::Refused;
        return out;
    }
    FetchConfigCache();
    return out;
}

}  // namespace session
