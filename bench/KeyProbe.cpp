// Times a game's move from the outside: from a key pressed through the X server to the damage it
// causes on the window's maze picture.
//
//   tolvane_key_probe WINDOW [MOVES]
//       The window must show a game with the focus on it (P pressed). Presses Right, or Down when
//       Right meets a wall, through XTest, then the opposite key, MOVES times in all (default 101),
//       and prints for each move the milliseconds from just before the key press to the first
//       damage report of a rectangle of the maze picture. Between moves it waits until the
//       picture has been still for 30 ms, so that each move starts from rest.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPictureSide = 358;  // damage right of this is the status area's clock, not the move
constexpr auto kStill = std::chrono::milliseconds(30);
constexpr auto kNoMove = std::chrono::milliseconds(300);

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Probe {
    Display* dpy;
    Window window;
    int damageEvent;

    // The first damage to the maze picture before `limit`, as the time it arrived.
    std::optional<Clock::time_point> WaitForPicture(Clock::time_point limit)
    {
        while (Clock::now() < limit) {
            while (XPending(dpy)) {
                XEvent e;
                XNextEvent(dpy, &e);
                if (e.type != damageEvent + XDamageNotify)
                    continue;
                const auto* d = reinterpret_cast<const XDamageNotifyEvent*>(&e);
                if (d->area.x < kPictureSide)
                    return Clock::now();
            }
            // A short sleep: a busy loop would take the core the program needs.
            timespec pause{0, 50'000};
            nanosleep(&pause, nullptr);
        }
        return std::nullopt;
    }

    void Press(KeySym key)
    {
        const KeyCode code = XKeysymToKeycode(dpy, key);
        XTestFakeKeyEvent(dpy, code, True, CurrentTime);
        XTestFakeKeyEvent(dpy, code, False, CurrentTime);
        XFlush(dpy);
    }

    // Presses `key`; the milliseconds to the picture's damage, or nothing when nothing moved.
    std::optional<double> Move(KeySym key)
    {
        const Clock::time_point start = Clock::now();
        Press(key);
        const auto damaged = WaitForPicture(start + kNoMove);
        // Settle: let the rest of this move's damage arrive before the next key.
        while (WaitForPicture(Clock::now() + kStill)) {
        }
        if (!damaged)
            return std::nullopt;
        return Ms(*damaged - start);
    }
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: tolvane_key_probe WINDOW [MOVES]\n");
        return 2;
    }
    const Window window = static_cast<Window>(std::strtoul(argv[1], nullptr, 0));
    const int moves = argc == 3 ? std::atoi(argv[2]) : 101;
    Display* dpy = XOpenDisplay(nullptr);
    int damageEvent = 0, damageError = 0, major = 0, minor = 0, opcode = 0;
    if (!dpy || !XDamageQueryExtension(dpy, &damageEvent, &damageError) ||
        !XTestQueryExtension(dpy, &opcode, &damageError, &major, &minor)) {
        std::fprintf(stderr, "tolvane_key_probe: no display with the DAMAGE and XTEST extensions\n");
        return 2;
    }
    XDamageCreate(dpy, window, XDamageReportRawRectangles);
    XSync(dpy, False);
    Probe probe{dpy, window, damageEvent};
    while (probe.WaitForPicture(Clock::now() + kStill)) {
    }

    // S has its right side open, or its bottom side, or both.
    KeySym there = XK_Right, back = XK_Left;
    std::optional<double> first = probe.Move(there);
    if (!first) {
        there = XK_Down;
        back = XK_Up;
        first = probe.Move(there);
    }
    if (!first) {
        std::fprintf(stderr, "tolvane_key_probe: neither Right nor Down moved the marker: is a game on?\n");
        return 1;
    }
    std::printf("key_to_damage_ms=%.3f\n", *first);
    for (int i = 1; i < moves; ++i) {
        const auto ms = probe.Move(i % 2 ? back : there);
        if (!ms) {
            std::fprintf(stderr, "tolvane_key_probe: move %d changed nothing on the picture\n", i + 1);
            return 1;
        }
        std::printf("key_to_damage_ms=%.3f\n", *ms);
    }
    XCloseDisplay(dpy);
    return 0;
}
