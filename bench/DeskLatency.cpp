// How soon the Worksheets dialog shows its first sheets, and how long the window waits meanwhile.
//
// Opens the dialog (offscreen unless a display is given) on a class set of 30 mazes at level 5,
// 4 a page with their answers, and on a poster of 1001 x 1001 cells across 3 x 3 sheets; for
// each, from the moment the choices are made, times the planning on its worker thread, the first
// sheets in the preview, and the longest the event loop went without running a 5 ms timer.
//
//   tolvane_desk_latency [runs]
#include <QApplication>
#include <QElapsedTimer>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "qt/window/desk/WorksheetDialog.h"

namespace {

struct Timing {
    qint64 plannedMs = -1;
    qint64 firstSheetMs = -1;
    qint64 settledMs = -1;
    qint64 longestWaitMs = 0;
};

Timing Measure(const tolvane::WorksheetChoices& choices)
{
    QTemporaryDir dir;
    tolvane::WorksheetDialog dialog(nullptr, dir.filePath("settings.ini"));
    dialog.show();
    auto* preview = dialog.findChild<QPrintPreviewWidget*>("preview");
    dialog.SetChoices(choices);
    Timing timing;
    QElapsedTimer clock;
    clock.start();
    qint64 lastTick = 0;
    QTimer tick;
    tick.setInterval(5);
    QEventLoop loop;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        timing.longestWaitMs = std::max(timing.longestWaitMs, now - lastTick);
        lastTick = now;
        if (timing.plannedMs < 0 && dialog.Planned())
            timing.plannedMs = now;
        if (timing.firstSheetMs < 0 && dialog.Planned() && preview->pageCount() > 0)
            timing.firstSheetMs = now;
        if (timing.firstSheetMs >= 0 && !dialog.Busy() && now - timing.firstSheetMs > 300) {
            timing.settledMs = now;
            loop.quit();
        }
        if (now > 60000)
            loop.quit();
    });
    tick.start();
    dialog.Refresh();
    loop.exec();
    return timing;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    tolvane::WorksheetChoices classSet;
    classSet.level = 5;
    classSet.count = 30;
    classSet.perPage = 4;
    classSet.answers = true;
    tolvane::WorksheetChoices poster;
    poster.size = QStringLiteral("1001x1001");
    poster.tileColumns = 3;
    poster.tileRows = 3;
    const std::pair<const char*, tolvane::WorksheetChoices> cases[] = {{"class set of 30 at level 5", classSet},
                                                                       {"poster of 1001 x 1001 on 3 x 3 sheets", poster}};
    for (const auto& [name, choices] : cases)
        for (int run = 0; run < runs; ++run) {
            const Timing t = Measure(choices);
            std::printf("%-40s planned %5lld ms, first sheets shown %5lld ms, longest wait of the window %5lld ms\n", name,
                        static_cast<long long>(t.plannedMs), static_cast<long long>(t.firstSheetMs),
                        static_cast<long long>(t.longestWaitMs));
        }
    return 0;
}
