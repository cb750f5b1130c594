#include "MessageLoop.h"

#include <gtest/gtest.h>

#include <chrono>
#include <utility>
#include <vector>
#include <windows.h>

#include "WaitableTimer.h"
#include "WindowProbe.h"

namespace {
// A window that notes the key presses that reach it and whether a loop of
// "the system's" was running then; WM_APP runs such a loop, one that takes in
// only the mouse's messages for a while, as Windows does while a caption
// button is held.
struct Recorder {
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<Recorder*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && message == WM_APP) {
            self->inSystemLoop = true;
            const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(400);
            while (std::chrono::steady_clock::now() < end) {
                MSG mouse;
                while (PeekMessageW(&mouse, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE))
                    DispatchMessageW(&mouse);
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            }
            self->inSystemLoop = false;
            PostQuitMessage(0);
            return 0;
        }
        if (self && (message == WM_KEYDOWN || message == WM_SYSKEYDOWN))
            self->seen.push_back({message, self->inSystemLoop});
        return DefWindowProcW(window, message, wParam, lParam);
    }

    Recorder() : window(createMessageWindow(L"VermiloLoopRecorder", procedure, this)) { }
    ~Recorder()
    {
        MSG left;
        while (PeekMessageW(&left, window, 0, 0, PM_REMOVE)) { }
        DestroyWindow(window);
    }

    HWND window = nullptr;
    bool inSystemLoop = false;
    std::vector<std::pair<UINT, bool>> seen;
};
}

TEST(MessageLoop, aPassTakesWhatWaitsUpToAMessageThatWouldOpenALoopOfTheSystems)
{
    struct Case {
        UINT message;
        WPARAM wParam;
        bool opensLoop;
    };
    for (const Case& next :
         {Case {WM_NCLBUTTONDOWN, HTCAPTION, true}, Case {WM_NCRBUTTONUP, HTCAPTION, true},
          Case {WM_SYSCHAR, 'g', true}, Case {WM_SYSKEYUP, VK_MENU, true},
          Case {WM_SYSKEYDOWN, VK_LEFT, false}}) {
        Recorder recorder;
        MessageLoop loop;
        PostMessageW(recorder.window, WM_KEYDOWN, 'A', 0);
        PostMessageW(recorder.window, next.message, next.wParam, 0);
        PostMessageW(recorder.window, WM_KEYDOWN, 'B', 0);
        loop.handleWaiting();
        loop.handleWaiting();
        const std::size_t taken = next.opensLoop ? 1 : 3;
        EXPECT_EQ(recorder.seen.size(), taken) << "message " << next.message;
        MSG first {};
        EXPECT_EQ(PeekMessageW(&first, recorder.window, 0, 0, PM_NOREMOVE)
                      && first.message == next.message,
                  next.opensLoop);
    }
}

TEST(MessageLoop, timersTickOnInALoopOfTheSystemsWhoseMessagesTheSoundsPassLeavesAlone)
{
    Recorder recorder;
    WaitableTimer timer(50);
    MessageLoop loop;
    int ticksInSystemLoop = 0;
    loop.addWaitable(timer.handle(), [&] {
        if (!recorder.inSystemLoop)
            return;
        ++ticksInSystemLoop;
        // As a step that plays a sound does.
        loop.handleWaiting();
    });
    timer.setEnabled(true);
    PostMessageW(recorder.window, WM_APP, 0, 0);
    PostMessageW(recorder.window, WM_KEYDOWN, 'K', 0);
    EXPECT_EQ(loop.run(), 0);
    EXPECT_GT(ticksInSystemLoop, 0);
    // The key waited for the loop that held the thread to end.
    ASSERT_EQ(recorder.seen.size(), 1u);
    EXPECT_EQ(recorder.seen[0], std::make_pair(static_cast<UINT>(WM_KEYDOWN), false));
}
