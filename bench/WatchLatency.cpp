// How soon the window answers input while a search is watched at full pace on a 101 x 101 maze.
//
// Runs the real window (offscreen unless a display is given), starts watching the search at a
// step a millisecond, and from another thread posts a key press or a turn of the mouse wheel to the window
// every few milliseconds, at moments unrelated to the watch's ticks. Each event carries its
// number; when the window's event filter sees it delivered, the time since it was posted is the
// time the window kept it waiting. Prints the median and the worst against a 16.7 ms frame.
//
//   tolvane_watch_latency [depth-first|breadth-first|a-star|left-hand|dead-end-filling] [side|CODE]
// (a maze code in place of the side watches the maze it names, of any shape)
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QWheelEvent>
#include <QPointingDevice>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "qt/window/Form1.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::uint64_t kSeed = 0x5EED'0101'2026ull;
constexpr int kPostEveryMs = 7;        // apart from the watch's 16 ms ticks, so every phase is met
constexpr double kFrameMs = 1000.0 / 60;
constexpr ulong kFirstNumber = 1'000'000;  // the events' numbers, told apart from any other input

std::vector<Clock::time_point> posted(1 << 16);
std::vector<double> waited;
double worstAt = 0;  // seconds after the watch started
Clock::time_point started;

class Delivered final : public QObject {
protected:
    bool eventFilter(QObject* target, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::Wheel) {
            const ulong number = static_cast<QInputEvent*>(event)->timestamp();
            if (number >= kFirstNumber && number - kFirstNumber < posted.size())
            {
                const Clock::time_point sent = posted[number - kFirstNumber];
                const double ms = std::chrono::duration<double, std::milli>(Clock::now() - sent).count();
                if (waited.empty() || ms > *std::max_element(waited.begin(), waited.end()))
                    worstAt = std::chrono::duration<double>(sent - started).count();
                waited.push_back(ms);
            }
        }
        return QObject::eventFilter(target, event);
    }
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString way = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("depth-first");
    const int side = argc > 2 ? std::atoi(argv[2]) : 101;
    const auto code = argc > 2 && side == 0 ? tolvane::ReadCode(argv[2]).recipe : std::nullopt;
    if (argc > 2 && side <= 0 && !code) {
        std::fprintf(stderr, "%s: neither a side nor a maze code\n", argv[2]);
        return 2;
    }

    tolvane::Form1 form;
    form.show();
    if (code) {
        if (const auto problem = form.OpenRecipe(*code)) {
            std::fprintf(stderr, "%s\n", qPrintable(*problem));
            return 2;
        }
    } else {
        form.OpenMaze(kSeed, {side, side});
    }
    tolvane::WatchController& watch = form.watch();
    while (watch.PaceMs() > 1)
        watch.Faster();
    for (QAction* item : watch.Menu().actions())
        if (QMenu* ways = item->menu())
            for (QAction* choice : ways->actions())
                if (choice->data().toString() == way)
                    choice->trigger();
    Delivered filter;
    form.installEventFilter(&filter);

    // Made here, in the window's thread: an event made without them would make them in the poster's.
    const QPointingDevice* mouse = QPointingDevice::primaryPointingDevice();
    const QInputDevice* keyboard = QInputDevice::primaryKeyboard();
    std::atomic<bool> done{false};
    std::atomic<std::size_t> sent{0};
    started = Clock::now();
    watch.WatchSearch();
    std::thread poster([&] {
        for (std::size_t n = 0; !done && n < posted.size(); ++n) {
            std::this_thread::sleep_for(std::chrono::milliseconds(kPostEveryMs));
            posted[n] = Clock::now();
            QInputEvent* event = nullptr;
            if (n % 2 == 0)
                event = new QKeyEvent(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, 0, 0, 0, QString(), false, 1, keyboard);
            else
                event = new QWheelEvent(QPointF(100, 100), QPointF(100, 100), QPoint(), QPoint(0, 120), Qt::NoButton,
                                        Qt::NoModifier, Qt::NoScrollPhase, false, Qt::MouseEventNotSynthesized, mouse);
            event->setTimestamp(kFirstNumber + n);
            QCoreApplication::postEvent(&form, event);
            sent = n + 1;
        }
    });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!watch.Watching())
            app.quit();
    });
    poll.start(50);
    app.exec();
    const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
    done = true;
    poster.join();

    std::sort(waited.begin(), waited.end());
    if (waited.empty()) {
        std::fprintf(stderr, "no event was delivered\n");
        return 1;
    }
    const auto over = std::count_if(waited.begin(), waited.end(), [](double ms) { return ms > kFrameMs; });
    const std::string maze = code ? argv[2] : std::to_string(side) + "x" + std::to_string(side);
    std::printf("%s search of %s at 1 ms a step: %.2f s, %zu events posted, %zu seen\n", qPrintable(way), maze.c_str(), seconds,
                sent.load(), waited.size());
    std::printf("waited: median %.2f ms, 95th %.2f ms, worst %.2f ms; %td over a %.1f ms frame\n", waited[waited.size() / 2],
                waited[waited.size() * 95 / 100], waited.back(), over, kFrameMs);
    std::printf("the worst posted %.2f s after the watch started\n", worstAt);
    return 0;
}
