// SPDX-FileCopyrightText: 2026 The Zorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program and reports how long it took from exec until its first
// top-level window was mapped on the X display, and its peak resident memory once
// it has had time to paint that window.
//
// Usage: map_timer PROGRAM [ARGUMENT...]
// Prints one line: "<milliseconds to map> <peak resident memory in kB>".
#include <X11/Xlib.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// How long the program may take to map its window before the run counts as failed.
constexpr auto mapDeadline = std::chrono::seconds(30);
// Time left to the program after the map for its first paint, which belongs to
// its start-up memory.
constexpr auto paintTime = std::chrono::milliseconds(500);

// Waits for the first MapNotify of a top-level window that is not a pop-up.
// Returns false when the program ends or the deadline passes first.
bool waitForMap(Display* display, pid_t child, Clock::time_point deadline) {
    while (Clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect)
                return true;
        }
        int status;
        if (waitpid(child, &status, WNOHANG) == child)
            return false;
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 50);
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "map_timer: cannot open the X display\n");
        return 2;
    }
    // Top-level windows are children of the root window: their maps are reported here.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    if (child < 0) {
        std::perror("map_timer: fork");
        return 2;
    }

    const bool mapped = waitForMap(display, child, start + mapDeadline);
    const auto mappedAt = Clock::now();
    if (mapped)
        std::this_thread::sleep_for(paintTime);

    kill(child, SIGTERM);
    int status;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    XCloseDisplay(display);

    if (!mapped) {
        std::fprintf(stderr, "map_timer: %s mapped no window\n", argv[1]);
        return 1;
    }
    const std::chrono::duration<double, std::milli> elapsed = mappedAt - start;
    std::printf("%.2f %ld\n", elapsed.count(), usage.ru_maxrss);
    return 0;
}
