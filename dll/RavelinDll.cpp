// Loading of Ravelin.dll: remembers the library's module, whose resources hold the dialog
// templates and bitmaps, and runs the configuration window on real windows.
#include "ui/win32/WinApi.h"

#include "dll/CRavelinApp.h"
#include "session/ConfigSession.h"
#include "ui/win32/Win32Backend.h"

namespace {

dll::CRavelinApp theApp;
HINSTANCE libraryModule = nullptr;

// The backend is made on the first session, not while the library loads: making it loads
// the common controls, which must not happen under the loader's lock.
void UseRealWindows() {
    static ui::win32::Win32Backend backend(libraryModule);
    ui::SetBackend(&backend);
}

}  // namespace

// Loading and unloading also make and destroy the library's static objects (mutexes, empty
// window lists, the backend and the window's font); none of them throws.
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    // No exception may reach the loader: a library that cannot start refuses to load.
    try {
        libraryModule = instance;
        DisableThreadLibraryCalls(instance);
        session::SetBackendInstaller(UseRealWindows);
        return theApp.InitInstance() ? TRUE : FALSE;
    } catch (...) {
        return FALSE;
    }
}
