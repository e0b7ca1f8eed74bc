// Measures a windowed program from the outside, for bench/startup.sh.
//
//   plovari_startup_probe launch PROGRAM [ARGS...]
//       Starts PROGRAM and, as soon as the X server maps its top-level window, prints
//       "PID WINDOW WALL_MS CPU_MS": the time since the start and the CPU time the program has
//       used by then. Then stays until the program ends and exits with its status.
//   plovari_startup_probe cpu PID SECONDS
//       Prints the CPU time PID uses over SECONDS, in percent of one core.
//
// Start time: the probe listens on the root window for SubstructureNotify before it forks, so
// the MapNotify of the new top-level window arrives as an event the moment the server maps it;
// nothing polls. The clock is CLOCK_MONOTONIC, read just before fork() and on the event.
// A mapped window counts when it is not override-redirect (menus, tool tips) and its
// _NET_WM_PID is the child's.
//
// CPU: the process's own CPU clock (clock_getcpuclockid) counts nanoseconds over all its
// threads, ended ones included; /proc/PID/stat counts ticks of 10 ms, which over 5 s is a step
// of 0.2 %, too coarse for telling an idle program from one that wakes a few times a second.
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

constexpr unsigned MapTimeoutSeconds = 30;

/// The program being launched, for the time-out's signal handler.
volatile pid_t Child = 0;

double Seconds(clockid_t clock) {
    timespec now{};
    if (clock_gettime(clock, &now) != 0) {
        std::perror("clock_gettime");
        std::exit(1);
    }
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

int Usage() {
    std::fputs("usage: plovari_startup_probe launch PROGRAM [ARGS...]\n"
               "       plovari_startup_probe cpu PID SECONDS\n",
               stderr);
    return 2;
}

struct FreeDeleter {
    void operator()(void* memory) const { std::free(memory); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

/// The window's _NET_WM_PID, or -1 when it has none.
long WindowPid(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t netWmPid) {
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, netWmPid, XCB_ATOM_CARDINAL, 0, 1),
        nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4) {
        return -1;
    }
    return *static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
}

int Launch(char** command) {
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fputs("plovari_startup_probe: cannot open the display\n", stderr);
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int skip = 0; skip < screenNumber; ++skip) {
        xcb_screen_next(&screens);
    }
    const xcb_window_t root = screens.data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    const Reply<xcb_generic_error_t> error(xcb_request_check(
        connection,
        xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask)));
    if (error) {
        std::fputs("plovari_startup_probe: cannot listen on the root window\n", stderr);
        return 1;
    }
    const xcb_atom_t netWmPid = Atom(connection, "_NET_WM_PID");

    // The program may end or hang before it maps anything; then the wait ends too.
    // exec() puts both signals back to their defaults in the program.
    std::signal(SIGCHLD, [](int) {
        constexpr char message[] = "plovari_startup_probe: the program ended before its window "
                                   "was mapped\n";
        [[maybe_unused]] const auto written = write(STDERR_FILENO, message, sizeof message - 1);
        _exit(1);
    });
    std::signal(SIGALRM, [](int) {
        kill(Child, SIGKILL);
        _exit(1);
    });
    const double started = Seconds(CLOCK_MONOTONIC);
    const pid_t child = fork();
    Child = child;
    if (child < 0) {
        std::perror("fork");
        return 1;
    }
    if (child == 0) {
        close(xcb_get_file_descriptor(connection));
        execvp(command[0], command);
        std::perror(command[0]);
        _exit(127);
    }
    clockid_t childClock{};
    if (clock_getcpuclockid(child, &childClock) != 0) {
        std::perror("clock_getcpuclockid");
        kill(child, SIGKILL);
        return 1;
    }

    alarm(MapTimeoutSeconds);
    xcb_window_t window = XCB_WINDOW_NONE;
    double mapped = 0;
    double cpuUsed = 0;
    while (window == XCB_WINDOW_NONE) {
        const Reply<xcb_generic_event_t> event(xcb_wait_for_event(connection));
        if (!event) {
            std::fputs("plovari_startup_probe: lost the display\n", stderr);
            kill(child, SIGTERM);
            return 1;
        }
        if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) {
            continue;
        }
        const double now = Seconds(CLOCK_MONOTONIC);
        // On a busy machine the wall time waits for other programs too; the CPU time does not.
        const double cpuNow = Seconds(childClock);
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
        if (map->override_redirect == 0 && WindowPid(connection, map->window, netWmPid) == child) {
            window = map->window;
            mapped = now;
            cpuUsed = cpuNow;
        }
    }
    alarm(0);
    std::signal(SIGCHLD, SIG_DFL);
    xcb_disconnect(connection);

    std::printf("%d %u %.2f %.2f\n", static_cast<int>(child), window, (mapped - started) * 1000.0,
                cpuUsed * 1000.0);
    std::fflush(stdout);
    // Whoever reads the line needs no end of file.
    std::fclose(stdout);

    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status)) {
        return WEXITSTATUS(status);
    }
    // Ended by the caller's signal, which is how a measurement ends.
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM ? 0 : 1;
}

int CpuPercent(const char* pidText, const char* secondsText) {
    const auto pid = static_cast<pid_t>(std::strtol(pidText, nullptr, 10));
    const double seconds = std::strtod(secondsText, nullptr);
    clockid_t clock{};
    if (pid <= 0 || seconds <= 0 || clock_getcpuclockid(pid, &clock) != 0) {
        return Usage();
    }
    const double wallBefore = Seconds(CLOCK_MONOTONIC);
    const double cpuBefore = Seconds(clock);
    timespec pause{
        static_cast<time_t>(seconds),
        static_cast<long>((seconds - static_cast<double>(static_cast<time_t>(seconds))) * 1e9)};
    while (nanosleep(&pause, &pause) != 0 && errno == EINTR) {
    }
    const double cpuAfter = Seconds(clock);
    const double wallAfter = Seconds(CLOCK_MONOTONIC);
    std::printf("%.3f\n", 100.0 * (cpuAfter - cpuBefore) / (wallAfter - wallBefore));
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc >= 3 && std::string(argv[1]) == "launch") {
        return Launch(argv + 2);
    }
    if (argc == 4 && std::string(argv[1]) == "cpu") {
        return CpuPercent(argv[2], argv[3]);
    }
    return Usage();
}
