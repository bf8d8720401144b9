// An import onto the open session's recorder, as the window runs it.
#include "records/SessionImport.h"

#include <algorithm>

#include "records/DeviceHandle.h"
#include "records/RecordWatch.h"
#include "records/Recorder.h"
#include "records/SessionState.h"

namespace records {

TransferResult CheckImportIntoSession(const std::filesystem::path& path, std::uint32_t flags) {
    return ImportConfigWithRights(DeviceHandle, path, UserRights, flags | kImportCheckOnly);
}

TransferResult ImportIntoSession(const std::filesystem::path& path, std::uint32_t flags,
                                 std::vector<std::vector<std::uint8_t>>& before) {
    SentRecords sent;
    TransferResult result = ImportConfigWithRights(DeviceHandle, path, UserRights, flags, sent);
    // A later import that went through made everything permanent, the records left behind too.
    if (result.outcome == Outcome::NotPutBack || result.outcome == Outcome::Imported)
        ImportNotPutBack = result.outcome == Outcome::NotPutBack;
    before.clear();
    for (const RecordRef& record : result.changed) {
        const std::span<std::uint8_t> cached = CachedBytes(record.id, record.channel);
        before.emplace_back(cached.begin(), cached.end());
        if (cached.empty() || !sent.records || RereadRecord(record.id, record.channel))
            continue;
        const std::span<const std::uint8_t> accepted =
            RecordBytes(*sent.records, record.id, record.channel);
        std::copy(accepted.begin(), accepted.end(), cached.begin());
        TellChanged(record.id, record.channel);
    }
    return result;
}

}  // namespace records
