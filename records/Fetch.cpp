// The reading of a recorder at the start of a session.
#include "records/Fetch.h"

#include <algorithm>
#include <cstring>

#include "device/ZelDisp.h"
#include "records/DeviceHandle.h"
#include "records/FetchProgress.h"
#include "records/RecordTable.h"

namespace records {
namespace {

// Counts a device call of the reading; its result is not examined.
class Step {
  public:
    explicit Step(FetchProgress* progress) : progress_(progress) {}
    void operator()(std::int32_t) const {
        if (progress_)
            progress_->CallDone();
    }

  private:
    FetchProgress* progress_;
};

// Takes the field by value: record fields are packed and may be misaligned.
std::int32_t ClampCount(std::int32_t reported, std::int32_t most) {
    return std::clamp(reported, 0, most);
}

}  // namespace

int ReadingCalls(int channels) {
    int calls = 0;
    for (const RecordRow& row : Rows())
        calls += row.perChannel ? channels : 1;
    return calls;
}

std::uint32_t LanguageFromSelector(std::uint32_t language) {
    if (language == 0)
        return 0;
    if (language == 3)
        return 3;
    return 2;
}

void FetchRights(ZelHandle handle, std::optional<std::int32_t> user, FetchProgress* progress) {
    if (!user) {
        std::memset(UserRights, 1, sizeof UserRights);
        return;
    }
    // A failed fetch must not leave pages allowed from an earlier session, whatever the
    // device library wrote into the flags before failing.
    std::memset(UserRights, 0, sizeof UserRights);
    const Step step(progress);
    if (zelDispHisiNewMenuUserListGet(handle, *user, UserRights) < 0) {
        std::memset(UserRights, 0, sizeof UserRights);
    }
    step(0);
}

void FetchConfigCache(FetchProgress* progress) {
    const Step step(progress);
    for (const RecordRow& row : Rows()) {
        if (!row.perChannel)
            step(GetRecord(DeviceHandle, ConfigCache, row.id));
    }

    // The counts index the cache's fixed arrays: a device reporting 40 or -3 channels
    // must never address a slot outside them. The Version page shows the raw fields.
    const device::VersionRecord& version = ConfigCache.version;
    ChannelCount = ClampCount(version.videoInputs, device::kMaxChannels);
    AlarmInCount = ClampCount(version.alarmInputs, device::kMaxAlarmInputs);
    AlarmOutCount = ClampCount(version.alarmOutputs, device::kMaxAlarmOutputs);
    if (progress)
        progress->SetCalls(progress->Done() + ReadingCalls(ChannelCount) - ReadingCalls(0));

    for (int channel = 0; channel < ChannelCount; ++channel) {
        for (const RecordRow& row : Rows()) {
            if (row.perChannel)
                step(GetRecord(DeviceHandle, ConfigCache, row.id, channel));
        }
    }
}

}  // namespace records
