// Soak run: build, solve and replay mazes over and over on the window's surface, watching memory.
//
//   soak [--cycles N] [--warmup N] [--max-growth-kib K] [--reports N]
//
// Each cycle clicks Command1, checks the maze, clicks Command2, checks the route, and fires
// ticks by hand until the timer stops, as the window's timer would. Resident memory is read
// at intervals; after the warm-up it must stay within the bound of its level at the end of
// the warm-up. Any run-time error, broken invariant or growth beyond the bound fails the run.
#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fstream>
#include <string>

#include "MazeInvariants.h"
#include "core/platform/Random.h"
#include "core/program/Program.h"
#include "qt/platform/surface/ImageSurface.h"
#include "qt/window/Form1.h"

namespace {

using namespace tolvane;

struct Options {
    long cycles = 100000;
    long warmup = -1;          // default: a tenth of the cycles, at most 1000
    long maxGrowthKib = 1024;  // allocator noise stays far below this; a leak does not
    long reports = 20;
};

bool ParseLong(const char* text, long& out)
{
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < 0)
        return false;
    out = value;
    return true;
}

bool Parse(int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        long* target = name == "--cycles"           ? &o.cycles
                       : name == "--warmup"         ? &o.warmup
                       : name == "--max-growth-kib" ? &o.maxGrowthKib
                       : name == "--reports"        ? &o.reports
                                                    : nullptr;
        if (!target || i + 1 >= argc || !ParseLong(argv[++i], *target)) {
            std::fprintf(stderr, "usage: soak [--cycles N] [--warmup N] [--max-growth-kib K] [--reports N]\n");
            return false;
        }
    }
    if (o.warmup < 0)
        o.warmup = std::min(o.cycles / 10, 1000L);
    if (o.reports < 1)
        o.reports = 1;
    return o.cycles > o.warmup;
}

// Resident set size in KiB, from /proc/self/status.
long ResidentKib()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// The pixel at the centre of cell (x, y) on the backing image.
QRgb CentrePixel(const ImageSurface& surface, int x, int y)
{
    return surface.image().pixel(17 * x + 8, 17 * y + 8);
}

class Soak {
public:
    // Runs one cycle; returns what went wrong, or an empty string.
    std::string Cycle()
    {
        program_.Command1_Click();
        if (timer1_.Enabled() || !command2_.Enabled())
            return "controls wrong after Command1";
        if (auto v = quality::CheckPerfectMaze(program_.state()))
            return "maze: " + *v;
        if (CentrePixel(surface_, 20, 20) == qRgb(255, 0, 0))
            return "a new maze still shows the old route";

        program_.Command2_Click();
        if (auto v = quality::CheckRoute(program_.state()))
            return "route: " + *v;
        if (!timer1_.Enabled())
            return "Command2 did not start the replay";

        const int pathLen = program_.state().PathLen;
        int ticks = 0;
        while (timer1_.Enabled()) {
            if (++ticks > pathLen)
                return "the replay ran past PathLen ticks";
            program_.Timer1_Timer();
        }
        if (ticks != pathLen || program_.state().StepCount != pathLen)
            return "the replay stopped after " + std::to_string(ticks) + " of " + std::to_string(pathLen) + " ticks";
        if (CentrePixel(surface_, 0, 0) != qRgb(255, 0, 0) || CentrePixel(surface_, 20, 20) != qRgb(255, 0, 0))
            return "the finished route does not join S to G on the image";
        totalTicks_ += ticks;
        return {};
    }

    void Start() { program_.Form_Load(); }
    long long totalTicks() const { return totalTicks_; }

private:
    ImageSurface surface_{kClientWidth, kClientHeight, WindowFont()};  // the window's size and font
    PlainSwitch timer1_;
    PlainSwitch command2_;
    ClockRandom random_;
    Program program_{Platform{surface_, timer1_, command2_, random_}};
    long long totalTicks_ = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    // Headless by design: the offscreen platform unless the caller picked another.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    Options options;
    if (!Parse(argc, argv, options))
        return 2;

    Soak soak;
    soak.Start();
    const auto started = std::chrono::steady_clock::now();
    const long every = std::max(1L, options.cycles / options.reports);
    long baseline = -1;
    long peak = 0;
    std::printf("soak: %ld cycles, warm-up %ld, bound %ld KiB; RSS at start %ld KiB\n", options.cycles,
                options.warmup, options.maxGrowthKib, ResidentKib());

    for (long cycle = 1; cycle <= options.cycles; ++cycle) {
        std::string error;
        try {
            error = soak.Cycle();
        } catch (const std::exception& e) {
            error = std::string("run-time error: ") + e.what();
        }
        if (!error.empty()) {
            std::printf("soak: FAILED in cycle %ld: %s\n", cycle, error.c_str());
            return 1;
        }

        const bool report = cycle % every == 0 || cycle == options.cycles;
        if (cycle == options.warmup || (cycle > options.warmup && (report || cycle % 100 == 0))) {
            const long rss = ResidentKib();
            if (cycle == options.warmup)
                baseline = rss;
            peak = std::max(peak, rss);
            if (report) {
                const double seconds =
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
                std::printf("soak: cycle %7ld  RSS %6ld KiB  (%+ld KiB since warm-up)  %.0f s\n", cycle, rss,
                            rss - baseline, seconds);
                std::fflush(stdout);
            }
        }
    }

    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const long growth = peak - baseline;
    std::printf("soak: %ld cycles, %lld ticks in %.1f s (%.2f ms a cycle); RSS after warm-up %ld KiB, peak %ld KiB, "
                "growth %ld KiB (bound %ld)\n",
                options.cycles, soak.totalTicks(), seconds, 1000 * seconds / options.cycles, baseline, peak, growth,
                options.maxGrowthKib);
    if (growth > options.maxGrowthKib) {
        std::printf("soak: FAILED: resident memory grew by %ld KiB after the warm-up\n", growth);
        return 1;
    }
    std::printf("soak: passed\n");
    return 0;
}
