#pragma once

#include <functional>
#include <windows.h>

#include "GdiHandles.h"
#include "SecondaryWindow.h"

// The about window: the game's name, version and banner, and a link to the
// makers' page that lights up under the pointer. It opens centred on the main
// window, stands alone beside it, exists at most once and is thrown away when
// closed.
class frmAbout : public SecondaryWindow<frmAbout> {
public:
    // Identifiers of the window's controls; OK is the window's IDOK.
    enum Control : int {
        idImage1 = 101,
        idlblTitle,
        idlblDescription,
        idlblVersion,
        idPicture1,
        idtxtURL,
        idcmdCancel = IDOK
    };

    // Opens the window centred on the outer frame of `mainWindow`, with the
    // program's icon and banner from its resources (blank where one is
    // missing), or brings the open one to the front where it stands.
    static void open(HINSTANCE instance, HWND mainWindow);
    // The same with the pictures given; a new window keeps them until it
    // closes, an open one keeps its own.
    static void open(HINSTANCE instance, HWND mainWindow, IconHandle icon, BitmapHandle banner);
    // Hands an address to the system to open in the default browser. It is
    // ShellExecuteW's default action; it can be replaced to watch the link.
    static std::function<void(const wchar_t* address)> openAddress;

    ~frmAbout();

private:
    friend class SecondaryWindow<frmAbout>;

    frmAbout(HINSTANCE instance, IconHandle icon, BitmapHandle banner);
    static LRESULT CALLBACK txtURLProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR self);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void formCreate();
    void formLoad(HWND mainWindow);
    void drawItem(const DRAWITEMSTRUCT& item);
    LRESULT controlColours(HDC dc, HWND control);
    void cmdCancelClick();
    void txtURLMouseMove(int x, int y);
    void txtURLButtonUp(int x, int y);
    void txtURLClick();
    void restLink();
    void leaveLink();
    void setLinkColour(COLORREF colour);

    HWND Image1 = nullptr;
    HWND lblTitle = nullptr;
    HWND lblDescription = nullptr;
    HWND lblVersion = nullptr;
    HWND Picture1 = nullptr;
    HWND txtURL = nullptr;
    HWND cmdCancel = nullptr;
    IconHandle icon;
    BitmapHandle banner;
    // Every layout pixel is this many screen pixels.
    int scale;
    FontHandle titleFont;
    FontHandle standardFont;
    FontHandle linkFont;
    // True while the pointer is on the link and the link holds the mouse.
    bool linkHovered = false;
    // A press began on the link; letting go on it is a click.
    bool linkPressed = false;
    COLORREF linkColour;
};
