#pragma once

#include <functional>
#include <windows.h>

#include "AboutLink.h"
#include "GdiHandles.h"
#include "SecondaryWindow.h"

// The about window: the game's name, version and banner, and a link to the
// makers' page that lights up under the pointer. It opens centred on the main
// window, stands alone beside it, exists at most once and is thrown away when
// closed.
class frmAbout : public SecondaryWindow<frmAbout> {
public:
    // Hands an address to the system to be opened, for a web page in the
    // default browser.
    using AddressOpener = std::function<void(const wchar_t* address)>;

    // Opens the window centred on the outer frame of `mainWindow`, with the
    // program's icon and banner from its resources (blank where one is
    // missing), or brings the open one to the front where it stands. Its link
    // opens the page through `openAddress`.
    static void open(HINSTANCE instance, HWND mainWindow, AddressOpener openAddress);
    // The same with the pictures given; a new window keeps them until it
    // closes, an open one keeps its own.
    static void open(HINSTANCE instance, HWND mainWindow, AddressOpener openAddress,
                     IconHandle icon, BitmapHandle banner);
    // The system's own way: the shell's default action, quietly doing
    // nothing when there is none.
    static void openInBrowser(const wchar_t* address);

    ~frmAbout();

private:
    friend class SecondaryWindow<frmAbout>;

    frmAbout(HINSTANCE instance, AddressOpener openAddress, IconHandle icon, BitmapHandle banner);
    static LRESULT CALLBACK txtURLProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR self);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void formCreate();
    void formLoad(HWND mainWindow);
    // The link is measured in screen pixels.
    void rescaled();
    void drawItem(const DRAWITEMSTRUCT& item);
    void cmdCancelClick();
    void txtURLClick();
    // Shows the link as its pointer rules say: its colour, and whether it
    // holds the mouse.
    void showLink();

    HWND Image1 = nullptr;
    HWND lblVersion = nullptr;
    HWND Picture1 = nullptr;
    HWND txtURL = nullptr;
    AddressOpener openAddress;
    IconHandle icon;
    BitmapHandle banner;
    AboutLink link;
    // The colour the link was last painted in: lit or not.
    bool shownLit = false;
};
