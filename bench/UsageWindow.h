#pragma once

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>

// Measures the running program's own cost over a stretch of its run: the
// processor time and the context switches of all its threads, gone ones
// included, from FROM seconds after the start to FROM + LENGTH. Then it prints
// "usage <processor ms> <context switches> <voluntary ones>" on the standard
// error and ends the program.
// Time the caller spends on the measurement's behalf (a player's thinking) is
// told to it and taken out.
class UsageWindow {
public:
    UsageWindow(int fromSeconds, int lengthSeconds)
    {
        QTimer::singleShot(fromSeconds * 1000, [this] { before = sample(); });
        QTimer::singleShot((fromSeconds + lengthSeconds) * 1000, [this] {
            const Sample after = sample();
            std::fprintf(stderr, "usage %.3f %ld %ld\n",
                         after.milliseconds - before.milliseconds - excluded,
                         after.switches - before.switches, after.voluntary - before.voluntary);
            QCoreApplication::quit();
        });
    }

    // Leaves out processor time that is not the program's own.
    void exclude(double milliseconds)
    {
        if (before.milliseconds > 0)
            excluded += milliseconds;
    }

private:
    struct Sample {
        double milliseconds = 0;
        long switches = 0;
        long voluntary = 0;
    };

    static Sample sample()
    {
        rusage usage {};
        getrusage(RUSAGE_SELF, &usage);
        const auto ms = [](const timeval& t) {
            return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
        };
        return {ms(usage.ru_utime) + ms(usage.ru_stime), usage.ru_nvcsw + usage.ru_nivcsw,
                usage.ru_nvcsw};
    }

    Sample before;
    double excluded = 0;
};
