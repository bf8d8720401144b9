// One configuration session: session state, the reading of the recorder, the main dialog.
#include "session/ConfigSession.h"

#include <stdexcept>

#include "records/DeviceHandle.h"
#include "records/Fetch.h"
#include "records/FetchProgress.h"
#include "session/SessionConfigFiles.h"
#include "window/CMainDlg.h"
#include "ui/Backend.h"

namespace session {
namespace {

bool sessionOpen = false;

MainDialogRunner mainDialogRunner = RunMainDialog;
BackendInstaller backendInstaller = nullptr;

class SessionGuard {
  public:
    SessionGuard() { sessionOpen = true; }
    ~SessionGuard() { sessionOpen = false; }
    SessionGuard(const SessionGuard&) = delete;
    SessionGuard& operator=(const SessionGuard&) = delete;
};

}  // namespace

bool ConfigSessionOpen() {
    return sessionOpen;
}

void RunMainDialog() {
    if (!ui::HasBackend())
        return;
    SessionConfigFiles files;
    CMainDlg dialog(&files);
    // The window never ends with -1 of its own: the backend could not make it.
    if (dialog.DoModal() == -1)
        throw std::runtime_error("the configuration window could not be made");
}

bool RunConfigSession(ZelHandle handle, std::uint32_t language, std::optional<std::int32_t> user) {
    if (sessionOpen)
        return false;
    SessionGuard guard;
    if (backendInstaller)
        backendInstaller();
    records::LanguageIndex = records::LanguageFromSelector(language);
    records::DeviceHandle = handle;
    records::ImportNotPutBack = false;
    {
        // Gone before the configuration window opens, also when the reading fails.
        records::FetchProgress progress(
            records::LanguageIndex, (user ? 1 : 0) + records::ReadingCalls(device::kMaxChannels));
        records::FetchRights(handle, user, &progress);
        records::FetchConfigCache(&progress);
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

}  // namespace session
