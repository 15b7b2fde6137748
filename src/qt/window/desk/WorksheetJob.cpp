// The Worksheets dialog's work off the event loop.
#include "qt/window/desk/WorksheetJob.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>

#include "qt/cli/run/ExportCommand.h"
#include "qt/paper/Export.h"
#include "qt/window/Guard.h"

namespace tolvane {
namespace {

QStringList ExportCommand(const QStringList& arguments)
{
    return QStringList{QStringLiteral("Tolvane"), QStringLiteral("--export"), kSheetFileName} + arguments;
}

// Tells the saving thread's count to the dialog and hears its Cancel.
class SaveProgress final : public Progress {
public:
    explicit SaveProgress(SaveJob& job) : job_(job) {}
    bool Reached(long long done, long long total) override
    {
        job_.done = done;
        job_.total = total;
        return !job_.cancelled;
    }

private:
    SaveJob& job_;
};

// Stops the preview's painting after its last sheet, or when it is cancelled.
class PreviewProgress final : public Progress {
public:
    explicit PreviewProgress(PreviewJob& job) : job_(job) {}
    bool Reached(long long done, long long total) override
    {
        job_.total = static_cast<int>(total);
        return !job_.cancelled && done < job_.most;
    }

private:
    PreviewJob& job_;
};

}  // namespace

void PreviewJob::Run() noexcept
{
    const auto thrown = RunGuarded([this] {
        const QSize pixels = layout.fullRectPixels(static_cast<int>(dpi)).size();
        const QPoint origin = layout.paintRectPixels(static_cast<int>(dpi)).topLeft();
        QImage current;
        QPainter painter;
        // Each sheet a white picture of the whole page, painted from its margin as on paper.
        const auto begin = [&] {
            current = QImage(pixels, QImage::Format_RGB32);
            current.fill(Qt::white);
            if (!painter.begin(&current))
                return false;
            painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
            painter.translate(origin);
            return true;
        };
        const auto publish = [&] {
            painter.end();
            const std::lock_guard lock(mutex_);
            sheets_.push_back(current.convertToFormat(QImage::Format_RGB888));  // three bytes a pixel, not four
        };
        if (!begin())
            return;
        PreviewProgress progress(*this);
        const SheetDevice device{layout, dpi, [&] {
                                     publish();
                                     return !cancelled && begin();
                                 }};
        PaintWorksheet(device, painter, planned->sheet, &progress);
        if (painter.isActive())
            publish();
    });
    if (thrown)
        cancelled = true;
}

std::vector<QImage> PreviewJob::Take(std::size_t from)
{
    const std::lock_guard lock(mutex_);
    return from < sheets_.size() ? std::vector<QImage>(sheets_.begin() + static_cast<std::ptrdiff_t>(from), sheets_.end())
                                 : std::vector<QImage>{};
}

void PlanJob::Run() noexcept
{
    const auto thrown = RunGuarded([this] {
        const WorksheetPlan chosen = PlanWorksheet(options);
        if (!chosen.sheet) {
            problem = chosen.problem;
            return;
        }
        PlannedSheets result;
        for (const Puzzle& puzzle : chosen.sheet->puzzles)
            result.codes << puzzle.code;
        result.level = options.level.value_or(0);
        // The sheets are printed from the codes, as the command line shown prints them: the
        // dialog's PDF and a colleague's are then the same, byte for byte.
        result.reprint = ReprintArguments(choices, result.codes);
        const Options reprint = ParseCommandLine(ExportCommand(result.reprint));
        if (reprint.mode != Options::Mode::Export) {
            problem = RefusalSentence(reprint);
            return;
        }
        WorksheetPlan again = PlanWorksheet(reprint);
        if (!again.sheet) {
            problem = again.problem;
            return;
        }
        result.sheet = std::move(*again.sheet);
        result.smallestCellMm = kMaxSide;
        for (const Puzzle& puzzle : result.sheet.puzzles)
            result.smallestCellMm = std::min(result.smallestCellMm, PrintedCellMm(result.sheet, Extent(puzzle)));
        planned = std::move(result);
    });
    if (thrown)
        problem = QCoreApplication::translate("Worksheets", "the sheets could not be made: %1").arg(QString::fromStdString(*thrown));
}

void SaveJob::Run() noexcept
{
    const auto thrown = RunGuarded([this] {
        SaveProgress progress(*this);
        error = WriteWorksheet(path, planned->sheet, &progress);
    });
    if (thrown)
        error = QString::fromStdString(*thrown);
}

PlanJob PlanNow(const WorksheetChoices& choices)
{
    PlanJob job{choices, ParseCommandLine(ExportCommand(SettingsArguments(choices))), std::nullopt, {}};
    if (job.options.mode != Options::Mode::Export)
        job.problem = RefusalSentence(job.options);
    else
        job.Run();
    return job;
}

}  // namespace tolvane
