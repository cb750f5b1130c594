#include <exception>
#include <objbase.h>
#include <string>
#include <windows.h>

#include "ClockRandom.h"
#include "frmMain.h"

namespace {
int play(HINSTANCE instance)
{
    try {
        ClockRandom random;
        frmMain window(instance, random);
        window.startUp();
        return window.run();
    } catch (const std::exception& failure) {
        const std::string what = failure.what();
        MessageBoxW(nullptr, std::wstring(what.begin(), what.end()).c_str(), L"Vermilo",
                    MB_OK | MB_ICONERROR);
        return 1;
    }
}
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    // First of all: from here on DLLs come from the system folder only, never
    // from the program's own folder (Downloads, say), where anyone may have
    // left a DLL of the same name.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // The shell opens the about window's link through COM objects of its own,
    // which want the window thread in a single-threaded apartment.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const int status = play(instance);
    if (SUCCEEDED(com))
        CoUninitialize();
    return status;
}
