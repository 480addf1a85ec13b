// map-watcher: runs a command and reports how long it took, from just before
// fork() to the X server mapping the command's first top-level window, and
// how much resident memory the process holds once start-up has settled.
//
// usage: map-watcher [--timeout SECONDS] [--settle MS] [--] COMMAND [ARGS...]
//
// stdout carries only the results, one "name value" pair a line:
//     map_ms 123.4
//     rss_kb 45678
// The command's own stdout is sent to stderr so it cannot mix with them.
// Exit status: 0 ok, 1 usage or X error, 2 timeout, 3 the command could not
// start or died before mapping a window.
//
// Polling tools (xdotool search --sync) look twice a second; this listens for
// the MapNotify event itself, so the figure is as fine as the clock.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double now_ms()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6;
}

void sleep_ms(long ms)
{
    timespec ts{ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&ts, &ts) == -1 && errno == EINTR) {
    }
}

// A window can be destroyed between its MapNotify and our property query;
// Xlib's default handler would then end the whole program.
int ignore_x_errors(Display*, XErrorEvent*)
{
    return 0;
}

// The _NET_WM_PID of a window, or -1 when it is unset or the window is gone.
long window_pid(Display* dpy, Window w, Atom net_wm_pid)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(dpy, w, net_wm_pid, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                           &after, &data) == Success
        && data != nullptr && type == XA_CARDINAL && format == 32 && count == 1) {
        // Xlib hands 32-bit properties back as an array of long.
        pid = *reinterpret_cast<long*>(data);
    }
    if (data != nullptr)
        XFree(data);
    return pid;
}

// VmRSS of a live process in kB, or -1.
long resident_kb(pid_t pid)
{
    const std::string path = "/proc/" + std::to_string(pid) + "/status";
    FILE* f = std::fopen(path.c_str(), "r");
    if (f == nullptr)
        return -1;
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, f) != nullptr) {
        if (std::sscanf(line, "VmRSS: %ld kB", &kb) == 1)
            break;
    }
    std::fclose(f);
    return kb;
}

// Ask the child to quit, insist after two seconds, and reap it.
void stop_child(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        sleep_ms(10);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

std::string describe_status(int status)
{
    if (WIFEXITED(status))
        return "exited with status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return std::string("was killed by signal ") + strsignal(WTERMSIG(status));
    return "stopped";
}

int usage()
{
    std::fprintf(stderr, "usage: map-watcher [--timeout SECONDS] [--settle MS] [--] COMMAND [ARGS...]\n");
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    double timeout_s = 20.0;
    long settle_ms = 300;
    int first = 1;
    for (; first < argc; ++first) {
        const std::string arg = argv[first];
        if (arg == "--timeout" && first + 1 < argc) {
            timeout_s = std::atof(argv[++first]);
        } else if (arg == "--settle" && first + 1 < argc) {
            settle_ms = std::atol(argv[++first]);
        } else if (arg == "--") {
            ++first;
            break;
        } else if (arg.rfind("--", 0) == 0) {
            return usage();
        } else {
            break;
        }
    }
    if (first >= argc || timeout_s <= 0 || settle_ms < 0)
        return usage();
    const char* command = argv[first];

    Display* dpy = XOpenDisplay(nullptr);
    if (dpy == nullptr) {
        const char* name = std::getenv("DISPLAY");
        std::fprintf(stderr, "map-watcher: cannot open X display '%s'\n", name ? name : "");
        return 1;
    }
    XSetErrorHandler(ignore_x_errors);
    const Window root = DefaultRootWindow(dpy);
    const Atom net_wm_pid = XInternAtom(dpy, "_NET_WM_PID", False);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    // The selection must be in force on the server before the child can map.
    XSync(dpy, False);
    // The child must not inherit our X connection.
    fcntl(ConnectionNumber(dpy), F_SETFD, FD_CLOEXEC);

    // exec() failures travel back through this pipe; success closes it.
    int exec_pipe[2];
    if (pipe2(exec_pipe, O_CLOEXEC) == -1) {
        std::perror("map-watcher: pipe");
        return 1;
    }

    const double start = now_ms();
    const pid_t child = fork();
    if (child == -1) {
        std::perror("map-watcher: fork");
        return 1;
    }
    if (child == 0) {
        close(exec_pipe[0]);
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(command, argv + first);
        const int err = errno;
        ssize_t ignored = write(exec_pipe[1], &err, sizeof err);
        (void)ignored;
        _exit(127);
    }
    close(exec_pipe[1]);
    int exec_errno = 0;
    ssize_t got;
    do {
        got = read(exec_pipe[0], &exec_errno, sizeof exec_errno);
    } while (got == -1 && errno == EINTR);
    close(exec_pipe[0]);
    if (got == static_cast<ssize_t>(sizeof exec_errno)) {
        std::fprintf(stderr, "map-watcher: cannot run '%s': %s\n", command, std::strerror(exec_errno));
        waitpid(child, nullptr, 0);
        return 3;
    }

    // Wait for the first top-level map that belongs to the child. Without a
    // window manager (Xvfb) a MapNotify on the root's substructure is the map
    // of the top-level window itself, not of a frame around it.
    const double deadline = start + timeout_s * 1000.0;
    double mapped_at = -1;
    while (mapped_at < 0) {
        while (mapped_at < 0 && XPending(dpy) > 0) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            const double t = now_ms();
            if (ev.type != MapNotify || ev.xmap.event != root || ev.xmap.override_redirect)
                continue; // popups and tooltips are not the main window
            const long owner = window_pid(dpy, ev.xmap.window, net_wm_pid);
            if (owner == -1 || owner == child)
                mapped_at = t;
        }
        if (mapped_at >= 0)
            break;
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "map-watcher: '%s' %s before mapping a window\n", command,
                         describe_status(status).c_str());
            return 3;
        }
        const double left = deadline - now_ms();
        if (left <= 0) {
            std::fprintf(stderr, "map-watcher: '%s' mapped no window within %.1f s\n", command, timeout_s);
            stop_child(child);
            return 2;
        }
        // Short naps so a child that dies is noticed; an X event wakes us at once.
        pollfd pfd{ConnectionNumber(dpy), POLLIN, 0};
        poll(&pfd, 1, static_cast<int>(left < 50 ? left + 1 : 50));
    }
    std::printf("map_ms %.1f\n", mapped_at - start);
    std::fflush(stdout);

    // Resident memory straight after the map still grows with the first paint
    // and deferred initialisation; let that settle before reading it.
    sleep_ms(settle_ms);
    const long rss = resident_kb(child);
    if (rss < 0) {
        int status = 0;
        waitpid(child, &status, 0);
        std::fprintf(stderr, "map-watcher: '%s' %s before its memory could be read\n", command,
                     describe_status(status).c_str());
        return 3;
    }
    std::printf("rss_kb %ld\n", rss);
    std::fflush(stdout);

    stop_child(child);
    XCloseDisplay(dpy);
    return 0;
}
