// Loading of Ravelin.dll: the application object's initialisation runs once per process.
#include <windows.h>

#include "app/CRavelinApp.h"

namespace {

app::CRavelinApp theApp;

}  // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        return theApp.InitInstance() ? TRUE : FALSE;
    return TRUE;
}
