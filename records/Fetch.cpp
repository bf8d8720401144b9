// The reading of a recorder at the start of a session.
#include "records/Fetch.h"

#include <algorithm>
#include <cstring>

#include "records/FetchProgress.h"
#include "device/ZelDisp.h"

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
    const ZelHandle h = DeviceHandle;
    ConfigCacheRecords& c = ConfigCache;
    const Step step(progress);
    step(zelDispHisiNewMenuNormalGet(h, &c.normal));
    step(zelDispHisiNewMenuCodeGet(h, &c.code));
    step(zelDispHisiNewMenuRecTimerGet(h, &c.recTimer));
    step(zelDispHisiNewMenuSerialsGet(h, &c.serials));
    step(zelDispHisiNewMenuNetGet(h, &c.net));
    step(zelDispHisiNewMenuNTPGet(h, &c.ntp));
    step(zelDispHisiNewMenuDialGet(h, &c.dial));
    step(zelDispHisiNewMenuDDNSGet(h, &c.ddns));
    step(zelDispHisiNewMenuSMTPGet(h, &c.smtp));
    step(zelDispHisiNewMenuAlarmInGet(h, &c.alarmIn));
    step(zelDispHisiNewMenuVideoLostGet(h, &c.videoLost));
    step(zelDispHisiNewMenuVideoCoverGet(h, &c.videoCover));
    step(zelDispHisiNewMenuVideoMotionGet(h, &c.videoMotion));
    step(zelDispHisiNewMenuPTZGet(h, &c.ptz));
    step(zelDispHisiNewMenuVideoOutGet(h, &c.videoOut));
    step(zelDispHisiNewMenuChanNameGet(h, &c.chanName));
    step(zelDispHisiNewMenuVersionGet(h, &c.version));
    step(zelDispHisiNewMenuHddInfoGet(h, &c.hddInfo));
    step(zelDispHisiNewMenuEventGet(h, &c.event));
    step(zelDispHisiNewMenuRecAdminGet(h, &c.recAdmin));
    step(zelDispHisiNewMenuAlarmOutGet(h, &c.alarmOut));

    // The counts index the cache's fixed arrays: a device reporting 40 or -3 channels
    // must never address a slot outside them. The Version page shows the raw fields.
    ChannelCount = ClampCount(c.version.videoInputs, device::kMaxChannels);
    AlarmInCount = ClampCount(c.version.alarmInputs, device::kMaxAlarmInputs);
    AlarmOutCount = ClampCount(c.version.alarmOutputs, device::kMaxAlarmOutputs);
    if (progress)
        progress->SetCalls(progress->Done() + kCallsPerChannel * ChannelCount);

    for (int i = 0; i < ChannelCount; ++i) {
        step(zelDispHisiNewMenuPTZPointGet(h, i, &c.ptzPoint[i]));
        step(zelDispHisiNewMenuPTZCruiseGet(h, i, &c.ptzCruise[i]));
    }
}

}  // namespace records
