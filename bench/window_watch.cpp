// Starts a program and waits, event-driven, for the X server to map a window of its process; then lets it
// run for a settle time, reads its peak resident memory and ends it. Prints "milliseconds peak-KiB".
//   qlx-bench-watch SETTLE_MS PROGRAM [ARGUMENTS...]
// Run it on a display without a window manager (as startup-benchmark's private Xvfb), where a top-level
// window is mapped straight onto the root window.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

long WindowPid(Display *display, Window window)
{
    static const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success
        && data && format == 32 && count == 1)
        pid = long(*reinterpret_cast<unsigned long *>(data));
    if (data)
        XFree(data);
    return pid;
}

long PeakKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

int IgnoreErrors(Display *, XErrorEvent *) { return 0; }  // a window may be gone before it is asked about

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SETTLE_MS PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const int settleMs = std::atoi(argv[1]);
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(display));
        execvp(argv[2], argv + 2);
        std::perror(argv[2]);
        _exit(127);
    }
    if (pid < 0) {
        std::perror("fork");
        return 2;
    }

    bool shown = false;
    while (!shown) {
        while (!shown && XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && WindowPid(display, event.xmap.window) == pid)
                shown = true;
        }
        if (shown)
            break;
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "%s ended before showing a window\n", argv[2]);
            return 1;
        }
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(60)) {
            std::fprintf(stderr, "%s showed no window within 60 s\n", argv[2]);
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            return 1;
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 20);
    }
    const auto visible = std::chrono::steady_clock::now();

    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long peak = PeakKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    std::printf("%.1f %ld\n", std::chrono::duration<double, std::milli>(visible - start).count(), peak);
    return 0;
}
