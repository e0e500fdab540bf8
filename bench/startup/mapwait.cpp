// SPDX-FileCopyrightText: 2026 The Plumbrule developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// mapwait: the time from starting a program to the X server mapping its first
// top-level window, and the program's peak memory (VmHWM) a little later.
//   mapwait [-t TIMEOUT_S] [-r RSS_DELAY_MS] PROGRAM [ARGS...]
//   mapwait -p          exit 0 when the display in $DISPLAY can be opened
// Prints "ms=<elapsed> rss_kb=<VmHWM>" and exits 0; exits 2 when no window was
// mapped in time, 3 when the program ended first, 1 on usage or X errors.
//
// It watches the root window's substructure, so it sees the MapNotify of every
// top-level window. The benchmark's X server has no window manager, so there
// are no frames in between; override-redirect windows (pop-ups, tooltips) do
// not count. The program runs in its own process group, which is ended
// afterwards.
#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

namespace {

double nowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

long peakMemoryKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

bool ended(pid_t pid) {
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == pid;
}

// Asks the program's process group to end, then makes sure it has.
void endProgram(pid_t pid, bool reaped) {
    if (!reaped) {
        kill(-pid, SIGTERM);
        const double asked = nowMs();
        while (nowMs() - asked < 1000 && !ended(pid)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    kill(-pid, SIGKILL);
    waitpid(pid, nullptr, WNOHANG);
}

int usage() {
    std::fputs(
        "usage: mapwait [-t TIMEOUT_S] [-r RSS_DELAY_MS] PROGRAM [ARGS...]\n"
        "       mapwait -p\n",
        stderr);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    double timeoutS = 30;
    int rssDelayMs = 300;
    bool probe = false;
    for (int opt; (opt = getopt(argc, argv, "+t:r:p")) != -1;) {
        switch (opt) {
            case 't':
                timeoutS = std::atof(optarg);
                break;
            case 'r':
                rssDelayMs = std::atoi(optarg);
                break;
            case 'p':
                probe = true;
                break;
            default:
                return usage();
        }
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "mapwait: cannot open display '%s'\n",
                     std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
        return 1;
    }
    if (probe) {
        XCloseDisplay(display);
        return 0;
    }
    if (optind >= argc) return usage();

    const int xfd = ConnectionNumber(display);
    fcntl(xfd, F_SETFD, fcntl(xfd, F_GETFD) | FD_CLOEXEC);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    // The server knows what we listen for before the program starts.
    XSync(display, False);

    const double start = nowMs();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("mapwait: fork");
        return 1;
    }
    if (pid == 0) {
        setpgid(0, 0);
        execvp(argv[optind], argv + optind);
        std::fprintf(stderr, "mapwait: cannot run %s: %s\n", argv[optind], std::strerror(errno));
        _exit(127);
    }
    setpgid(pid, pid);  // from this side too, so there is no race

    double mappedAt = -1;
    bool reaped = false;
    while (mappedAt < 0 && !reaped) {
        while (mappedAt < 0 && XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == root &&
                !event.xmap.override_redirect) {
                mappedAt = nowMs();
            }
        }
        if (mappedAt >= 0) break;
        reaped = ended(pid);
        const double left = timeoutS * 1000 - (nowMs() - start);
        if (left <= 0) break;
        pollfd wait{xfd, POLLIN, 0};
        poll(&wait, 1, left < 20 ? static_cast<int>(left) + 1 : 20);  // and look at the program
    }
    if (mappedAt < 0) {
        std::fprintf(stderr,
                     reaped ? "mapwait: the program ended before mapping a window\n"
                            : "mapwait: no window mapped within %.0f s\n",
                     timeoutS);
        endProgram(pid, reaped);
        return reaped ? 3 : 2;
    }
    // The first paint and the settling after it count towards the memory.
    while (!reaped && nowMs() < mappedAt + rssDelayMs) {
        reaped = ended(pid);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const long kb = reaped ? -1 : peakMemoryKb(pid);
    endProgram(pid, reaped);
    std::printf("ms=%.1f rss_kb=%ld\n", mappedAt - start, kb);
    XCloseDisplay(display);
    return 0;
}
