// One configuration session: session state, the fetch of every record, the main dialog.
#include "app/ConfigSession.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "app/FetchProgress.h"
#include "device/ZelDisp.h"
#include "pages/CMainDlg.h"
#include "ui/Backend.h"

namespace app {
namespace {

bool sessionOpen = false;

MainDialogRunner mainDialogRunner = RunMainDialog;
BackendInstaller backendInstaller = nullptr;

// The reading: one call per record and two per channel, which the Version record tells.
constexpr int kRecordCalls = 21;
constexpr int kCallsPerChannel = 2;

void FetchRights(ZelHandle handle, std::optional<std::int32_t> user, FetchProgress& progress) {
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
    progress.CallDone();
}

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

bool RunConfigSession(ZelHandle handle, std::uint32_t language, std::optional<std::int32_t> user) {
    if (sessionOpen)
        return false;
    SessionGuard guard;
    if (backendInstaller)
        backendInstaller();
    LanguageIndex = LanguageFromSelector(language);
    DeviceHandle = handle;
    {
        // Gone before the configuration window opens, also when the reading fails.
        FetchProgress progress(
            LanguageIndex, (user ? 1 : 0) + kRecordCalls + kCallsPerChannel * device::kMaxChannels);
        FetchRights(handle, user, progress);
        FetchConfigCache(&progress);
    }
    mainDialogRunner();
    return true;
}

void SetMainDialogRunner(MainDialogRunner runner) {
    mainDialogRunner = runner ? runner : RunMainDialog;
}

void SetBackendInstaller(BackendInstaller installer) {
    backendInstaller = installer;
}

}  // namespace app
