// One configuration session: session state, the fetch of every record, the main dialog.
#include "app/ConfigSession.h"

#include <algorithm>
#include <cstring>

#include "device/ZelDisp.h"

namespace app {
namespace {

bool sessionOpen = false;

// Until the window exists, a session ends once the cache is filled.
void NoMainDialog() {}

MainDialogRunner mainDialogRunner = NoMainDialog;

void FetchRights(ZelHandle handle, std::optional<std::int32_t> user) {
    if (!user) {
        std::memset(UserRights, 1, sizeof UserRights);
        return;
    }
    // A failed fetch must not leave pages allowed from an earlier session, whatever the
    // device library wrote into the flags before failing.
    std::memset(UserRights, 0, sizeof UserRights);
    if (zelDispHisiNewMenuUserListGet(handle, *user, UserRights) < 0) {
        std::memset(UserRights, 0, sizeof UserRights);
    }
}

class SessionGuard {
  public:
    SessionGuard() { sessionOpen = true; }
    ~SessionGuard() { sessionOpen = false; }
    SessionGuard(const SessionGuard&) = delete;
    SessionGuard& operator=(const SessionGuard&) = delete;
};

}  // namespace

std::uint32_t LanguageFromSelector(std::uint32_t language) {
    if (language == 0)
        return 0;
    if (language == 3)
        return 3;
    return 2;
}

void FetchConfigCache() {
    const ZelHandle h = DeviceHandle;
    ConfigCacheRecords& c = ConfigCache;
    zelDispHisiNewMenuNormalGet(h, &c.normal);
    zelDispHisiNewMenuCodeGet(h, &c.code);
    zelDispHisiNewMenuRecTimerGet(h, &c.recTimer);
    zelDispHisiNewMenuSerialsGet(h, &c.serials);
    zelDispHisiNewMenuNetGet(h, &c.net);
    zelDispHisiNewMenuNTPGet(h, &c.ntp);
    zelDispHisiNewMenuDialGet(h, &c.dial);
    zelDispHisiNewMenuDDNSGet(h, &c.ddns);
    zelDispHisiNewMenuSMTPGet(h, &c.smtp);
    zelDispHisiNewMenuAlarmInGet(h, &c.alarmIn);
    zelDispHisiNewMenuVideoLostGet(h, &c.videoLost);
    zelDispHisiNewMenuVideoCoverGet(h, &c.videoCover);
    zelDispHisiNewMenuVideoMotionGet(h, &c.videoMotion);
    zelDispHisiNewMenuPTZGet(h, &c.ptz);
    zelDispHisiNewMenuVideoOutGet(h, &c.videoOut);
    zelDispHisiNewMenuChanNameGet(h, &c.chanName);
    zelDispHisiNewMenuVersionGet(h, &c.version);
    zelDispHisiNewMenuHddInfoGet(h, &c.hddInfo);
    zelDispHisiNewMenuEventGet(h, &c.event);
    zelDispHisiNewMenuRecAdminGet(h, &c.recAdmin);
    zelDispHisiNewMenuAlarmOutGet(h, &c.alarmOut);

    // The counts index the cache's fixed arrays: a device reporting 40 or -3 channels
    // must never address a slot outside them. The Version page shows the raw fields.
    ChannelCount = std::clamp(c.version.videoInputs, 0, device::kMaxChannels);
    AlarmInCount = std::clamp(c.version.alarmInputs, 0, device::kMaxAlarmInputs);
    AlarmOutCount = std::clamp(c.version.alarmOutputs, 0, device::kMaxAlarmOutputs);

    for (int i = 0; i < ChannelCount; ++i) {
        zelDispHisiNewMenuPTZPointGet(h, i, &c.ptzPoint[i]);
        zelDispHisiNewMenuPTZCruiseGet(h, i, &c.ptzCruise[i]);
    }
}

bool RunConfigSession(ZelHandle handle, std::uint32_t language, std::optional<std::int32_t> user) {
    if (sessionOpen)
        return false;
    SessionGuard guard;
    LanguageIndex = LanguageFromSelector(language);
    DeviceHandle = handle;
    FetchRights(handle, user);
    FetchConfigCache();
    mainDialogRunner();
    return true;
}

void SetMainDialogRunner(MainDialogRunner runner) {
    mainDialogRunner = runner ? runner : NoMainDialog;
}

}  // namespace app
