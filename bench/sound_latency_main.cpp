// How much later than the others the first effect of a run is heard. The real
// main window is shown as the program shows it, on a sound server of the
// tests' own whose sink is recorded; a tenth of a second after the window
// shows, a game starts and the worm eats on its second step (the soonest a
// player's worm can eat), and a second later it eats again. The recording's
// two pops, against when the two steps ran, give the first pop's delay beside
// the second's, whatever the server and the recorder add to both. Run it on a
// display (Xvfb will do).
//   sound_latency [RUNS]   each run in a fresh process of its own
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "DisplaySettings.h"
#include "frmMain.h"
#include "MonitorRecorder.h"
#include "PrivateSoundServer.h"
#include "ScriptedRandom.h"
#include "TickDriver.h"

namespace {
// One step of the worm, given by the game's own timer; how long it took.
double step(TickDriver& ticks)
{
    QElapsedTimer clock;
    clock.start();
    ticks.tick(GameTimer::Timer1);
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// Prints "<first pop's delay beside the second's, ms> <first step's length, ms>".
int oneRun()
{
    PrivateSoundServer server;
    QString why;
    if (!PrivateSoundServer::whyUnavailable().isEmpty() || !server.start(&why)) {
        std::fprintf(stderr, "sound_latency: no sound server: %s\n", qPrintable(why));
        return EXIT_FAILURE;
    }
    qputenv("PULSE_SERVER", server.address().toLocal8Bit());
    MonitorRecorder recorder;
    if (!recorder.start(server, &why)) {
        std::fprintf(stderr, "sound_latency: %s\n", qPrintable(why));
        return EXIT_FAILURE;
    }
    // The first food lies two cells ahead of the new worm's head (column 7 of
    // the top row), the next five cells further on (column 12).
    ScriptedRandom random({0.28, 0.06, 0.0, 0.45, 0.06, 0.0});
    frmMain window(random);
    TickDriver ticks(window);
    window.startUp();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return EXIT_FAILURE;
    QTest::qWait(100);
    QTest::keyClick(&window, Qt::Key_F2);
    step(ticks);
    QElapsedTimer clock;
    clock.start();
    const double firstStep = step(ticks);
    QTest::qWait(1000);
    for (int i = 0; i < 4; ++i)
        step(ticks);
    const double between = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    step(ticks);
    QTest::qWait(800);
    const auto bursts = MonitorRecorder::bursts(recorder.stop());
    if (bursts.size() != 2) {
        std::fprintf(stderr, "sound_latency: %zu bursts recorded, not 2\n", bursts.size());
        return EXIT_FAILURE;
    }
    const double heardBetween = (bursts.at(1).start - bursts.at(0).start) * 1000;
    std::printf("%.1f %.3f\n", between - heardBetween, firstStep);
    return EXIT_SUCCESS;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2;
}
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsSet("VERMILO_LATENCY_RUN")) {
        DisplaySettings::beforeApplication();
        QApplication app(argc, argv);
        DisplaySettings::afterApplication();
        return oneRun();
    }
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
    std::vector<double> delays;
    std::vector<double> steps;
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("VERMILO_LATENCY_RUN"), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {});
        double delay = 0;
        double step = 0;
        if (!child.waitForFinished(60000) || child.exitCode() != 0
            || std::sscanf(child.readAllStandardOutput().constData(), "%lf %lf", &delay, &step)
                != 2)
            continue;
        delays.push_back(delay);
        steps.push_back(step);
    }
    if (delays.empty()) {
        std::puts("First effect of a run: not measured (see above)");
        return EXIT_FAILURE;
    }
    std::printf(
        "First pop of a run, eaten on the second step of the first game, heard later than the "
        "second by: median %.1f ms (%.1f to %.1f) over %zu runs; the eating step itself "
        "took median %.2f ms (%.2f to %.2f)\n",
        median(delays), *std::min_element(delays.begin(), delays.end()),
        *std::max_element(delays.begin(), delays.end()), delays.size(), median(steps),
        *std::min_element(steps.begin(), steps.end()),
        *std::max_element(steps.begin(), steps.end()));
    return EXIT_SUCCESS;
}
