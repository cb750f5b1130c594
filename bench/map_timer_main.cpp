// Starts a program and prints how long it took until its window was mapped on
// the X display, its process id, and the processor time its threads had used
// by then; the program is left running. Under a window manager, which maps a
// program's window inside a frame of its own, each new top-level window is
// watched itself, so its own map is seen there too.
//   map_timer [--wait] TITLE PROGRAM [ARGUMENTS...]
//       prints "<milliseconds> <pid> <cpu milliseconds>"; with --wait it stays
//       until the program has ended and then prints "ended <cpu milliseconds>
//       <voluntary> <involuntary context switches>" of its whole life, threads
//       that ended early included, as only its parent can see them
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {
std::string windowTitle(xcb_connection_t* connection, xcb_window_t window)
{
    const xcb_get_property_cookie_t cookie = xcb_get_property(
        connection, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
    if (!reply)
        return {};
    const std::string title(static_cast<const char*>(xcb_get_property_value(reply)),
                            static_cast<std::size_t>(xcb_get_property_value_length(reply)));
    std::free(reply);
    return title;
}

// Processor time of every thread the process has, from the scheduler's own
// nanosecond count rather than the 10 ms clock ticks of /proc/PID/stat.
double cpuMilliseconds(pid_t process)
{
    const std::string tasks = "/proc/" + std::to_string(process) + "/task";
    DIR* folder = opendir(tasks.c_str());
    if (!folder)
        return 0;
    double nanoseconds = 0;
    while (const dirent* entry = readdir(folder)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
        double running = 0;
        if (schedstat >> running)
            nanoseconds += running;
    }
    closedir(folder);
    return nanoseconds / 1e6;
}

// Waits for the program to end and prints what its whole life cost.
int reportEnd(pid_t child)
{
    std::fflush(stdout);
    int status = 0;
    rusage usage {};
    if (wait4(child, &status, 0, &usage) != child)
        return 1;
    const auto milliseconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
    };
    std::printf("ended %.1f %ld %ld\n", milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime),
                usage.ru_nvcsw, usage.ru_nivcsw);
    return 0;
}

// Watches a new top-level window's own map; true if it was mapped already.
bool watchWindow(xcb_connection_t* connection, xcb_window_t window)
{
    const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &mask);
    xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, window), nullptr);
    const bool viewable = attributes && attributes->map_state != XCB_MAP_STATE_UNMAPPED;
    std::free(attributes);
    return viewable;
}
}

int main(int argc, char* argv[])
{
    const bool waitForEnd = argc > 1 && std::strcmp(argv[1], "--wait") == 0;
    if (waitForEnd) {
        --argc;
        ++argv;
    }
    if (argc < 3) {
        std::fputs("usage: map_timer [--wait] TITLE PROGRAM [ARGUMENTS...]\n", stderr);
        return 2;
    }
    const std::string wanted = argv[1];
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fputs("map_timer: no X display\n", stderr);
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    // A round trip, so the server watches the root before the program starts.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

    const auto started = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror("map_timer: cannot start the program");
        _exit(127);
    }
    pollfd watch {xcb_get_file_descriptor(connection), POLLIN, 0};
    while (std::chrono::steady_clock::now() - started < std::chrono::seconds(30)) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const int type = event->response_type & 0x7f;
            bool mapped = type == XCB_MAP_NOTIFY;
            xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
            if (type == XCB_CREATE_NOTIFY) {
                window = reinterpret_cast<xcb_create_notify_event_t*>(event)->window;
                mapped = watchWindow(connection, window);
            }
            std::free(event);
            if (mapped && windowTitle(connection, window) == wanted) {
                const std::chrono::duration<double, std::milli> took
                    = std::chrono::steady_clock::now() - started;
                std::printf("%.1f %d %.1f\n", took.count(), static_cast<int>(child),
                            cpuMilliseconds(child));
                xcb_disconnect(connection);
                return waitForEnd ? reportEnd(child) : 0;
            }
        }
        poll(&watch, 1, 100);
    }
    std::fprintf(stderr, "map_timer: no window \"%s\" within 30 s\n", wanted.c_str());
    kill(child, SIGTERM);
    return 1;
}
