#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>
#include <windows.h>

#include "MessageLoop.h"
#include "WaitableTimer.h"

// Measures the real period of the game's 100 ms timer as the Windows program
// runs it (a WaitableTimer dispatched by the program's MessageLoop) and, for
// comparison, of a plain SetTimer of 100 ms, and prints both. The figures are
// printed, never judged.
//   timer_probe [TICKS]   (300 ticks of each, about a minute in all)
namespace {
constexpr int interval = 100;

class Periods {
public:
    explicit Periods(int wanted) : wanted(wanted) { QueryPerformanceFrequency(&frequency); }

    // Notes one tick; true once enough have come.
    bool tick()
    {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        if (started)
            periods.push_back(static_cast<double>(now.QuadPart - last.QuadPart) * 1000.0
                              / static_cast<double>(frequency.QuadPart));
        started = true;
        last = now;
        return static_cast<int>(periods.size()) >= wanted;
    }

    void print(const char* name) const
    {
        double sum = 0;
        std::vector<double> deviations;
        for (double period : periods) {
            sum += period;
            deviations.push_back(std::fabs(period - interval));
        }
        std::sort(deviations.begin(), deviations.end());
        const double mean = sum / static_cast<double>(periods.size());
        const std::size_t count = deviations.size();
        const double p99 = deviations.at(std::min(count - 1, count * 99 / 100));
        std::printf("%-34s %5zu periods: mean %7.2f ms, p99 deviation %6.2f ms, max %6.2f ms\n",
                    name, periods.size(), mean, p99, deviations.back());
    }

private:
    int wanted;
    LARGE_INTEGER frequency {};
    LARGE_INTEGER last {};
    bool started = false;
    std::vector<double> periods;
};

Periods* setTimerPeriods = nullptr;

void CALLBACK onSetTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    if (setTimerPeriods->tick()) {
        KillTimer(nullptr, id);
        PostQuitMessage(0);
    }
}
}

int main(int argc, char* argv[])
{
    const int ticks = argc > 1 ? std::max(10, std::atoi(argv[1])) : 300;

    Periods waitable(ticks);
    {
        // The timer outlives the loop, whose relay may wait on it.
        WaitableTimer Timer1(interval);
        MessageLoop loop;
        loop.addWaitable(Timer1.handle(), [&] {
            if (waitable.tick())
                PostQuitMessage(0);
        });
        Timer1.setEnabled(true);
        loop.run();
    }
    waitable.print("Timer1 (waitable timer, the game's)");

    Periods plain(ticks);
    setTimerPeriods = &plain;
    {
        MessageLoop loop;
        SetTimer(nullptr, 0, interval, onSetTimer);
        loop.run();
    }
    plain.print("SetTimer, for comparison");
    return 0;
}
