#define WIN32_LEAN_AND_MEAN
#include <cwchar>
#include <windows.h>

// A stand-in for the system's winmm.dll that the planted-DLL test leaves
// beside the game: whenever it is loaded, it leaves the file "planted.loaded"
// beside itself, and it plays nothing.
BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    // Its own path, whatever the letter case it was asked for in.
    wchar_t path[MAX_PATH + 16];
    const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    wchar_t* name = std::wcsrchr(path, L'\\');
    if (length == 0 || length >= MAX_PATH || !name)
        return TRUE;
    std::wcscpy(name + 1, L"planted.loaded");
    HANDLE marker = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (marker != INVALID_HANDLE_VALUE)
        CloseHandle(marker);
    return TRUE;
}

// What the game plays its sounds with, so that a program importing it from
// winmm starts with this DLL in its place.
extern "C" __declspec(dllexport) BOOL WINAPI sndPlaySoundW(LPCWSTR, UINT)
{
    return FALSE;
}
