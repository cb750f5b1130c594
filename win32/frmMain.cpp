#include "frmMain.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "FormBuilder.h"
#include "frmAbout.h"
#include "frmHelp.h"
#include "ProgramWindows.h"
#include "resource.h"
#include "ScreenScale.h"
#include "WideText.h"
#include "WindowProcedure.h"

namespace {
namespace form = frmMainForm;
constexpr const wchar_t* className = L"VermiloMain";
// The board is never painted over.
const DWORD windowStyle = FormBuilder::windowStyle(form::form) | WS_CLIPCHILDREN;
constexpr int outerWidth = form::picBoard.bounds.width;
constexpr int outerHeight = form::picBoard.bounds.height;
constexpr RECT scoreArea {form::lblScore.bounds.left, form::lblScore.bounds.top,
                          form::lblScore.bounds.left + form::lblScore.bounds.width,
                          form::lblScore.bounds.top + form::lblScore.bounds.height};
constexpr UINT standardDpi = 96;
// The score's points at 96 dots per inch.
const int scorePixels = static_cast<int>(form::lblScore.font.points * standardDpi / 72);

void registerClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProcedure<frmMain>;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_VERMILO));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_VERMILO),
                                                        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass); // fails harmlessly once registered
}
}

frmMain::frmMain(HINSTANCE instance, RandomSource& random)
    : instance(instance), pictures(instance), sounds(instance), scoreFont(instance),
      worm(*this, random), Timer1(form::Timer1.interval), Timer2(form::Timer2.interval)
{
    for (int i = 0; i < spriteCount; ++i)
        spriteSurfaces.at(static_cast<std::size_t>(i))
            = std::make_unique<MemoryDC>(pictures.sprite(static_cast<Sprite>(i)));
    for (int i = 0; i < PictureResources::foodCount; ++i)
        foodSurfaces.at(static_cast<std::size_t>(i)) = std::make_unique<MemoryDC>(pictures.food(i));

    registerClass(instance);
    CreateWindowExW(0, className, widen(form::form.caption).c_str(), windowStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, outerWidth, outerHeight, nullptr,
                    FormBuilder::buildMenus(form::menu), instance, this);
    if (!hwnd)
        throw std::runtime_error("The game's window could not be created.");
    accelerators = FormBuilder::buildShortcuts(form::menu);
    createBoard();
    applyScale(GetDpiForWindow(hwnd), nullptr);

    loop.setPreTranslation([this](MSG& msg) { return preTranslate(msg); });
    // A tick the relay passed on after its timer was stopped is not one.
    loop.addWaitable(Timer1.handle(), [this] {
        if (Timer1.isEnabled())
            worm.timer1Tick();
    });
    loop.addWaitable(Timer2.handle(), [this] {
        if (Timer2.isEnabled())
            worm.timer2Tick();
    });
}

frmMain::~frmMain()
{
    // The instructions and about windows end with the game.
    frmHelp::close();
    frmAbout::close();
    if (hwnd)
        DestroyWindow(hwnd);
    DestroyAcceleratorTable(accelerators);
}

void frmMain::createBoard()
{
    picBoard = std::make_unique<PictureBox>(instance, hwnd, form::boardInnerWidth,
                                            form::boardInnerHeight);
    for (int i = 0; i < PictureResources::foodCount; ++i) {
        auto& food = Image1.at(static_cast<std::size_t>(i));
        food = std::make_unique<ImageElement>(*picBoard,
                                              foodSurfaces.at(static_cast<std::size_t>(i))->get(),
                                              PictureResources::foodSize);
        picBoard->addElement(*food);
    }
    lblScore = std::make_unique<TransparentLabel>(*picBoard, scoreArea,
                                                  FormBuilder::colour(form::lblScore.textColour));
    lblScore->setCaption(widen(form::lblScore.text));
    picBoard->addElement(*lblScore);
}

SIZE frmMain::frameSize(UINT dpi) const
{
    const int s = scaleForDpi(dpi);
    RECT frame {0, 0, outerWidth * s, outerHeight * s};
    AdjustWindowRectExForDpi(&frame, windowStyle, TRUE, 0, dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

void frmMain::applyScale(UINT dpi, const RECT* suggested)
{
    if (dpi == 0)
        dpi = standardDpi;
    const int s = scaleForDpi(dpi);
    picBoard->place(form::boardBorder * s, form::boardBorder * s, s);
    FontHandle font = scoreFont.create(scorePixels * s);
    lblScore->setFont(font.get());
    lblScoreFont = std::move(font);

    if (suggested) {
        SetWindowPos(hwnd, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        const SIZE size = frameSize(dpi);
        SetWindowPos(hwnd, nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The menu bar can take more than the one line the sum allows for, and a
    // suggested frame need not fit the field: the window then takes the
    // field's size where it stands.
    RECT client;
    GetClientRect(hwnd, &client);
    const int missingWidth = outerWidth * s - client.right;
    const int missingHeight = outerHeight * s - client.bottom;
    if (missingWidth != 0 || missingHeight != 0) {
        RECT frame;
        GetWindowRect(hwnd, &frame);
        SetWindowPos(hwnd, nullptr, 0, 0, frame.right - frame.left + missingWidth,
                     frame.bottom - frame.top + missingHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void frmMain::startUp()
{
    worm.StartUp();
}

int frmMain::run()
{
    return loop.run();
}

void frmMain::handleWaitingEvents()
{
    loop.handleWaiting();
}

const ImageElement& frmMain::foodPicture(int index) const
{
    return *Image1.at(static_cast<std::size_t>(index));
}

bool frmMain::isMainOrChild(HWND window) const
{
    return hwnd && window && (window == hwnd || IsChild(hwnd, window));
}

bool frmMain::preTranslate(MSG& msg)
{
    // The instructions and about windows take their own Enter, Esc and Tab.
    if (!isMainOrChild(msg.hwnd))
        return frmHelp::preTranslate(msg) || frmAbout::preTranslate(msg);
    // The window sees every key before the control that has the focus, and
    // the key goes on unchanged. Modifiers do not matter: with Alt held a key
    // comes as a system key, which still steers, and a menu's letter still
    // opens its menu.
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN)
        Form_KeyDown(static_cast<int>(msg.wParam));
    return accelerators && TranslateAcceleratorW(hwnd, accelerators, &msg);
}

LRESULT frmMain::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE: hwnd = window; break;
    case WM_COMMAND: onCommand(LOWORD(wParam)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: onPaint(); return 0;
    case WM_GETDPISCALEDSIZE:
        // The frame the next WM_DPICHANGED suggests: the field at a whole factor.
        *reinterpret_cast<SIZE*>(lParam) = frameSize(static_cast<UINT>(wParam));
        return TRUE;
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE: onClose(); return 0;
    case WM_DESTROY: endProgramIfLastWindow(window); return 0;
    case WM_NCDESTROY: hwnd = nullptr; break;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void frmMain::onCommand(int id)
{
    switch (FormBuilder::commandOf(static_cast<UINT>(id))) {
    case Form::Command::GameNew: mnuGameNewClick(); break;
    case Form::Command::GameExit: mnuGameExitClick(); break;
    case Form::Command::OptionsSound: mnuOptionsSoundClick(); break;
    case Form::Command::OptionsPause: mnuOptionsPauseClick(); break;
    case Form::Command::HelpInstruct: mnuHelpInstructClick(); break;
    case Form::Command::HelpAbout: mnuHelpAboutClick(); break;
    default: break;
    }
}

void frmMain::onPaint()
{
    // Only the border around the board is left to paint: the board is a child.
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_WINDOWFRAME));
    EndPaint(hwnd, &ps);
}

void frmMain::onDpiChanged(UINT dpi, const RECT& suggested)
{
    applyScale(dpi, &suggested);
}

void frmMain::onClose()
{
    // Nothing of the game goes on unseen once its window is closed; the
    // program ends when its last window has gone.
    worm.closeCommand();
    DestroyWindow(hwnd);
}

void frmMain::Form_KeyDown(int keyCode)
{
    worm.keyDown(keyCode);
}

void frmMain::mnuGameNewClick()
{
    worm.newGameCommand();
}

void frmMain::mnuGameExitClick()
{
    worm.exitCommand();
}

void frmMain::mnuOptionsSoundClick()
{
    worm.soundCommand();
}

void frmMain::mnuOptionsPauseClick()
{
    worm.pauseCommand();
}

void frmMain::mnuHelpInstructClick()
{
    // One instructions window at most; the game goes on behind it.
    frmHelp::open(instance);
}

void frmMain::mnuHelpAboutClick()
{
    frmAbout::open(instance, hwnd, frmAbout::openInBrowser);
}

void frmMain::drawSprite(Sprite sprite, int x, int y)
{
    picBoard->drawImage(x, y, spriteSurfaces.at(static_cast<std::size_t>(sprite))->get(),
                        PictureResources::spriteSize.cx, PictureResources::spriteSize.cy);
}

void frmMain::clearBoard()
{
    picBoard->clear();
}

void frmMain::refreshBoard()
{
    picBoard->refresh();
}

int frmMain::boardWidth() const
{
    return picBoard->innerWidth();
}

int frmMain::boardHeight() const
{
    return picBoard->innerHeight();
}

void frmMain::setScoreCaption(const std::string& caption)
{
    // The caption is a number: its characters are plain ASCII.
    lblScore->setCaption(std::wstring(caption.begin(), caption.end()));
}

void frmMain::setScoreVisible(bool visible)
{
    lblScore->setVisible(visible);
}

void frmMain::setFoodLeft(int picture, int left)
{
    Image1.at(static_cast<std::size_t>(picture))->setLeft(left);
}

void frmMain::setFoodTop(int picture, int top)
{
    Image1.at(static_cast<std::size_t>(picture))->setTop(top);
}

const WaitableTimer& frmMain::timer(GameTimer which) const
{
    return which == GameTimer::Timer1 ? Timer1 : Timer2;
}

void frmMain::setTimerEnabled(GameTimer which, bool enabled)
{
    (which == GameTimer::Timer1 ? Timer1 : Timer2).setEnabled(enabled);
}

bool frmMain::isTimerEnabled(GameTimer which) const
{
    return timer(which).isEnabled();
}

void frmMain::setMenuChecked(MenuMark mark, bool checked)
{
    CheckMenuItem(GetMenu(hwnd), FormBuilder::commandId(form::markedItem(mark)),
                  static_cast<UINT>(MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED)));
}

void frmMain::showMainWindow()
{
    ShowWindow(hwnd, SW_SHOWNORMAL);
    UpdateWindow(hwnd);
}

void frmMain::playSound(SoundEffect effect)
{
    sounds.play(effect);
}

void frmMain::processEvents()
{
    loop.handleWaiting();
}

void frmMain::endProgram()
{
    PostQuitMessage(0);
}
