// One configuration session: session state, the fetch of every record, the main dialog.
#include "app/ConfigSession.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "device/ZelDisp.h"
#include "pages/CMainDlg.h"
#include "ui/Backend.h"

namespace app {
namespace {

bool sessionOpen = false;

MainDialogRunner mainDialogRunner = RunMainDialog;

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

// Takes the field by value: record fields are packed and may be misaligned.
std::int32_t ClampCount(std::int32_t reported, std::int32_t most) {
    return std::clamp(reported, 0, most);
}

class SessionGuard {
  public:
    SessionGuard() { sessionOpen = true; }
    ~SessionGuard() { sessionOpen = false; }
    SessionGuard(const SessionGuard&) = delete;
    SessionGuard& operator=(const SessionGuard&) = delete;
};

}  // namespace

void RunMainDialog() {
    if (!ui::HasBackend())
        return;
    CMainDlg dialog;
    // The window never ends with -1 of its own: the backend could not make it.
    if (dialog.DoModal() == -1)
        throw std::runtime_error("the configuration window could not be made");
}

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
    ChannelCount = ClampCount(c.version.videoInputs, device::kMaxChannels);
    AlarmInCount = ClampCount(c.version.alarmInputs, device::kMaxAlarmInputs);
    AlarmOutCount = ClampCount(c.version.alarmOutputs, device::kMaxAlarmOutputs);

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
    mainDialogRunner = runner ? runner : RunMainDialog;
}

}  // namespace app
