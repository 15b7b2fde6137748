// The Worksheets dialog's work off the event loop.
#include "qt/window/desk/WorksheetJob.h"

#include <QCoreApplication>
#include <algorithm>

#include "qt/cli/ExportCommand.h"
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

}  // namespace

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
