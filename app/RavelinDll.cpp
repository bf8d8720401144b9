// Loading and unloading of Ravelin.dll. The library keeps no per-process setup of its own.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
