// Watches Tolvane from the outside, through the X server, the way a user sees it.
//
//   tolvane_probe first-frame PROGRAM [ARG...]
//       Starts PROGRAM and reads the window's pixels back from the X server until the
//       start-up picture is complete on screen: the closed frame, S and G, the white gap
//       beside the buttons. Prints the milliseconds from just before the process was
//       started to the first poll that saw the window mapped, and to the first poll that
//       saw the whole picture, then the process and window ids. The program keeps running.
//       Polls every millisecond; each poll is one round trip to the server.
//
//   tolvane_probe settle WINDOW [QUIET_MS [POLL_MS]]
//       Reads the window's picture every POLL_MS (default 5) until it has not changed for
//       QUIET_MS (default 400), e.g. until a replay has finished. Prints when it last changed
//       and how many cells the red route shown passes through (a replay of a route through
//       N cells takes N ticks).
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWidth = 464;
constexpr int kHeight = 358;
constexpr int kFrameLast = 357;  // the frame's right column and bottom row
constexpr int kCell = 17;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlue = 0x0000FF;  // 0xRRGGBB
constexpr std::uint32_t kRed = 0xFF0000;
constexpr auto kPoll = std::chrono::milliseconds(1);
constexpr auto kGiveUp = std::chrono::seconds(30);

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Windows that vanish between two requests raise errors that only mean "not there".
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

std::string Title(Display* dpy, Window w)
{
    const Atom netName = XInternAtom(dpy, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(dpy, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(dpy, w, netName, 0, 256, False, utf8, &type, &format, &count, &after, &data) == Success &&
        data) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
        return title;
    }
    char* name = nullptr;
    if (XFetchName(dpy, w, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

// The viewable window titled "Tolvane" with the program's client size, searched depth-first
// (without a window manager it is a child of the root; with one, a grandchild).
std::optional<Window> FindWindow(Display* dpy, Window under, int depth = 0)
{
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(dpy, under, &root, &parent, &children, &count))
        return std::nullopt;
    std::optional<Window> found;
    for (unsigned int i = count; i-- > 0 && !found;) {
        XWindowAttributes a;
        if (XGetWindowAttributes(dpy, children[i], &a) && a.map_state == IsViewable && a.width == kWidth &&
            a.height == kHeight && Title(dpy, children[i]) == "Tolvane")
            found = children[i];
        else if (depth < 2)
            found = FindWindow(dpy, children[i], depth + 1);
    }
    if (children)
        XFree(children);
    return found;
}

// The client area's pixels as 0xRRGGBB, or nothing while the window cannot be read.
struct Picture {
    std::vector<std::uint32_t> pixels;
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * kWidth + x]; }
};

int Shift(unsigned long mask)
{
    int s = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++s;
    }
    return s;
}

std::optional<Picture> Grab(Display* dpy, Window w)
{
    XWindowAttributes a;
    if (!XGetWindowAttributes(dpy, w, &a) || a.map_state != IsViewable)
        return std::nullopt;
    XImage* image = XGetImage(dpy, w, 0, 0, kWidth, kHeight, AllPlanes, ZPixmap);
    if (!image)
        return std::nullopt;
    Picture p;
    p.pixels.resize(static_cast<std::size_t>(kWidth) * kHeight);
    const int rs = Shift(image->red_mask), gs = Shift(image->green_mask), bs = Shift(image->blue_mask);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            // 32-bit pixels, the usual layout on a 24-bit screen, are read straight from memory.
            const unsigned long v =
                image->bits_per_pixel == 32
                    ? reinterpret_cast<const std::uint32_t*>(image->data + static_cast<std::ptrdiff_t>(y) * image->bytes_per_line)[x]
                    : XGetPixel(image, x, y);
            const std::uint32_t r = (v & image->red_mask) >> rs, g = (v & image->green_mask) >> gs,
                                b = (v & image->blue_mask) >> bs;
            p.pixels[static_cast<std::size_t>(y) * kWidth + x] = (r << 16) | (g << 8) | b;
        }
    }
    XDestroyImage(image);
    return p;
}

int CountIn(const Picture& p, int cx, int cy, std::uint32_t colour)
{
    int n = 0;
    for (int y = cy * kCell + 1; y < (cy + 1) * kCell; ++y)
        for (int x = cx * kCell + 1; x < (cx + 1) * kCell; ++x)
            n += p.at(x, y) == colour;
    return n;
}

// The start-up picture is on screen: all four frame lines, S and G in blue in their cells,
// white cell centres, and the white gap between the frame and the buttons.
bool IsStartFrame(const Picture& p)
{
    for (int k = 0; k <= kFrameLast; ++k) {
        if (p.at(k, 0) != kBlack || p.at(k, kFrameLast) != kBlack || p.at(0, k) != kBlack ||
            p.at(kFrameLast, k) != kBlack || p.at(362, k) != kWhite)
            return false;
    }
    for (int c = 1; c < 20; c += 3)
        if (p.at(c * kCell + 8, c * kCell + 8) != kWhite)
            return false;
    return CountIn(p, 0, 0, kBlue) >= 8 && CountIn(p, 20, 20, kBlue) >= 8;
}

// The X connection both measurements read pixels through; the window may vanish under them.
Display* OpenDisplay()
{
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "tolvane_probe: cannot open the display\n");
        return nullptr;
    }
    XSetErrorHandler(IgnoreErrors);
    return dpy;
}

int FirstFrame(char** command)
{
    Display* dpy = OpenDisplay();
    if (!dpy)
        return 2;
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("tolvane_probe: fork");
        return 2;
    }
    if (pid == 0) {
        // The program must not hold the probe's output open: whoever reads it would wait
        // for the program to end. Its own messages go where the probe's errors go.
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(command[0], command);
        std::perror("tolvane_probe: exec");
        _exit(127);
    }
    std::optional<Window> window;
    std::optional<double> mappedMs;
    while (Clock::now() - start < kGiveUp) {
        if (!window) {
            window = FindWindow(dpy, DefaultRootWindow(dpy));
            if (window)
                mappedMs = Ms(Clock::now() - start);
        }
        if (window) {
            if (const auto picture = Grab(dpy, *window); picture && IsStartFrame(*picture)) {
                std::printf("mapped_ms=%.1f first_frame_ms=%.1f pid=%d window=0x%lx\n", *mappedMs,
                            Ms(Clock::now() - start), static_cast<int>(pid), *window);
                XCloseDisplay(dpy);
                return 0;
            }
        }
        std::this_thread::sleep_for(kPoll);
    }
    std::fprintf(stderr, "tolvane_probe: no complete start-up picture within %lld s (pid %d)\n",
                 static_cast<long long>(kGiveUp.count()), static_cast<int>(pid));
    XCloseDisplay(dpy);
    return 1;
}

// The cells whose centre is red: the cells the route shown passes through.
int RouteCells(const Picture& p)
{
    int n = 0;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x)
            n += p.at(x * kCell + 8, y * kCell + 8) == kRed;
    return n;
}

int Settle(Window window, int quietMs, int pollMs)
{
    Display* dpy = OpenDisplay();
    if (!dpy)
        return 2;
    const Clock::time_point start = Clock::now();
    Clock::time_point lastChange = start;
    std::optional<Picture> last;
    while (Clock::now() - start < kGiveUp + std::chrono::milliseconds(quietMs)) {
        auto picture = Grab(dpy, window);
        if (!picture || !last || picture->pixels != last->pixels) {
            lastChange = Clock::now();
        } else if (Clock::now() - lastChange >= std::chrono::milliseconds(quietMs)) {
            std::printf("settled_ms=%.1f route_cells=%d\n", Ms(lastChange - start), RouteCells(*picture));
            XCloseDisplay(dpy);
            return 0;
        }
        last = std::move(picture);
        std::this_thread::sleep_for(std::chrono::milliseconds(pollMs));
    }
    std::fprintf(stderr, "tolvane_probe: the picture kept changing\n");
    XCloseDisplay(dpy);
    return 1;
}

int Usage()
{
    std::fprintf(stderr, "usage: tolvane_probe first-frame PROGRAM [ARG...]\n"
                         "       tolvane_probe settle WINDOW [QUIET_MS [POLL_MS]]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "first-frame") == 0)
        return FirstFrame(argv + 2);
    if (argc >= 3 && argc <= 5 && std::strcmp(argv[1], "settle") == 0)
        return Settle(static_cast<Window>(std::strtoul(argv[2], nullptr, 0)), argc >= 4 ? std::atoi(argv[3]) : 400,
                      argc >= 5 ? std::atoi(argv[4]) : 5);
    return Usage();
}
