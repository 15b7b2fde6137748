// The Worksheets dialog's slow work on a thread of its own: choosing the mazes, writing the PDF.
#pragma once

#include <QImage>
#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "qt/cli/CommandLine.h"
#include "qt/paper/print/Worksheet.h"
#include "qt/window/desk/WorksheetChoices.h"

namespace tolvane {

// The name the dialog gives the command line while nothing is saved yet: it decides nothing
// about the sheets, only that they are a PDF.
inline const QString kSheetFileName = QStringLiteral("worksheets.pdf");

// The mazes chosen for a dialog's choices and the sheets that print exactly them.
struct PlannedSheets {
    Worksheet sheet;         // as `tolvane --export FILE ReprintArguments(…)` lays them out
    QStringList codes;       // the mazes' codes, in order
    QStringList reprint;     // the options that print these mazes again
    int level = 0;           // the level chosen, whose narrowest cell the sheets keep; 0 for none
    double smallestCellMm = 0;
};

// One planning: runs on a worker thread, read by the dialog once the thread has finished.
struct PlanJob {
    WorksheetChoices choices;
    Options options;  // ParseCommandLine's reading of the choices' settings
    std::optional<PlannedSheets> planned;
    QString problem;  // the command line's sentence when it refuses
    void Run() noexcept;
};

// One PDF written: the worker's side of Save as PDF…, stopped when `cancelled` is set.
struct SaveJob {
    QString path;
    std::shared_ptr<const PlannedSheets> planned;
    std::atomic<long long> done{0};
    std::atomic<long long> total{0};
    std::atomic<bool> cancelled{false};
    std::optional<QString> error;  // the reason it was not written, or nothing
    void Run() noexcept;
};

// The preview's sheets as pictures, painted one after the other on a worker thread; the dialog
// takes each as it comes. Stops after `most` sheets, or when `cancelled` is set.
struct PreviewJob {
    std::shared_ptr<const PlannedSheets> planned;
    QPageLayout layout;  // the sheets' paper and margins
    double dpi = 90;     // of the pictures
    int most = 16;
    std::atomic<bool> cancelled{false};
    std::atomic<int> total{0};  // sheets the worksheet has, known once the first is painted
    void Run() noexcept;
    // The pictures painted since the first `from`.
    std::vector<QImage> Take(std::size_t from);

private:
    std::mutex mutex_;
    std::vector<QImage> sheets_;
};

// Plans the sheets for `choices` as the command line would, on the calling thread.
PlanJob PlanNow(const WorksheetChoices& choices);

}  // namespace tolvane
