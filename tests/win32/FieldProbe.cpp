#include <cstdio>
#include <windows.h>

// Tells the end-to-end test where the game's window shows its field: the size
// of the window's client area and its top-left corner on the screen.
int main()
{
    HWND window = FindWindowW(nullptr, L"Vermilo");
    if (!window)
        return 1;
    RECT client;
    GetClientRect(window, &client);
    POINT origin {0, 0};
    ClientToScreen(window, &origin);
    std::printf("%ld %ld %ld %ld\n", client.right, client.bottom, origin.x, origin.y);
    return 0;
}
