// SPDX-License-Identifier: GPL-3.0-or-later
// Times a program's start on an X display: from just before it is started
// until a top-level window of a given size is mapped, and until that window's
// centre pixel has been painted. Watches the root window's substructure, so it
// sees the map as the X server does it (no polling of the window list).
// Usage: bench_startup_probe WIDTH HEIGHT PROGRAM [ARGS...]
// Prints "map <ms> paint <ms>" and ends the program; exit 1 on timeout.
// With PROBE_STDERR set, the program's standard error is passed through and
// the start is printed first as "T start <ms>" on the steady clock (the
// monotonic clock on Linux), so that time stamps the program prints on that
// clock can be set against it.
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

// The root-relative geometry of a window, if it still exists.
bool geometryOf(xcb_connection_t* c, xcb_window_t w, int& x, int& y, int& width, int& height)
{
    Reply<xcb_get_geometry_reply_t> g(xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr));
    if (!g)
        return false;
    x = g->x;
    y = g->y;
    width = g->width;
    height = g->height;
    return true;
}

bool pixelAt(xcb_connection_t* c, xcb_window_t root, int x, int y, uint32_t& pixel)
{
    Reply<xcb_get_image_reply_t> img(xcb_get_image_reply(
        c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, int16_t(x), int16_t(y), 1, 1, ~0u), nullptr));
    if (!img || xcb_get_image_data_length(img.get()) < 4)
        return false;
    const uint8_t* d = xcb_get_image_data(img.get());
    pixel = uint32_t(d[0]) | uint32_t(d[1]) << 8 | uint32_t(d[2]) << 16;
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s WIDTH HEIGHT PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const int wantW = std::atoi(argv[1]);
    const int wantH = std::atoi(argv[2]);

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    // The screen as it stands before the start: a window counts as painted
    // once its centre differs from what lay there.
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    Reply<xcb_get_image_reply_t> shot(xcb_get_image_reply(
        c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, 0, 0, screen->width_in_pixels,
                         screen->height_in_pixels, ~0u),
        nullptr));
    if (!shot || screen->root_depth < 24) {
        std::fprintf(stderr, "cannot read the screen (24-bit depth needed)\n");
        return 2;
    }
    const auto beneath = [&](int x, int y) {
        const uint8_t* d = xcb_get_image_data(shot.get()) + (size_t(y) * screen->width_in_pixels + size_t(x)) * 4;
        return uint32_t(d[0]) | uint32_t(d[1]) << 8 | uint32_t(d[2]) << 16;
    };

    const bool passStderr = std::getenv("PROBE_STDERR") != nullptr;
    const auto start = Clock::now();
    if (passStderr) {
        const double startMs = std::chrono::duration<double, std::milli>(start.time_since_epoch()).count();
        std::fprintf(stderr, "T start %.1f\n", startMs);
    }
    const pid_t pid = fork();
    if (pid == 0) {
        const int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, 1);
        if (!passStderr)
            dup2(devnull, 2);
        execvp(argv[3], argv + 3);
        _exit(127);
    }

    double mapMs = -1, paintMs = -1;
    xcb_window_t target = 0;
    int cx = 0, cy = 0;
    uint32_t before = 0;
    const double timeoutMs = 20000;
    while (msSince(start) < timeoutMs && paintMs < 0) {
        if (target) {
            // Mapped: wait for the centre to change from what lay there before.
            uint32_t now = 0;
            if (pixelAt(c, root, cx, cy, now) && now != before)
                paintMs = msSince(start);
            else
                usleep(200);
            continue;
        }
        pollfd p{xcb_get_file_descriptor(c), POLLIN, 0};
        poll(&p, 1, 20);
        while (xcb_generic_event_t* raw = xcb_poll_for_event(c)) {
            std::unique_ptr<xcb_generic_event_t, FreeDeleter> ev(raw);
            if ((ev->response_type & 0x7f) != XCB_MAP_NOTIFY || target)
                continue;
            const auto* m = reinterpret_cast<xcb_map_notify_event_t*>(ev.get());
            int x, y, w, h;
            if (!geometryOf(c, m->window, x, y, w, h) || w != wantW || h != wantH)
                continue;
            mapMs = msSince(start);
            target = m->window;
            cx = std::clamp(x + w / 2, 0, screen->width_in_pixels - 1);
            cy = std::clamp(y + h / 2, 0, screen->height_in_pixels - 1);
            before = beneath(cx, cy);
        }
    }

    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(c);
    if (paintMs < 0) {
        std::fprintf(stderr, "no %dx%d window painted within %.0f ms\n", wantW, wantH, timeoutMs);
        return 1;
    }
    std::printf("map %.1f paint %.1f\n", mapMs, paintMs);
    return 0;
}
