// `Tolvane --export`.
#include "qt/cli/ExportCommand.h"

#include <QCoreApplication>
#include <cstdio>
#include <vector>

#include "core/maze/BuildMaze.h"
#include "core/maze/MazeCode.h"
#include "core/platform/Random.h"
#include "qt/paper/Export.h"

namespace tolvane {
namespace {

int Fail(const QString& message, int status)
{
    std::fprintf(stderr, "Tolvane: %s\n", qPrintable(message));
    return status;
}

}  // namespace

int RunExport(const Options& options)
{
    const auto format = FormatOf(options.exportFile);
    if (!format)
        return Fail(QCoreApplication::translate("Export", "%1: unknown file type; the name must end in .png, .svg or .pdf")
                        .arg(options.exportFile),
                    2);
    if (options.count > 1 && format != FileFormat::Pdf)
        return Fail(QCoreApplication::translate("Export", "--count needs a PDF file: a PNG or SVG file holds one maze"), 2);

    // New mazes get their seeds the way the window's clicks do.
    std::vector<std::uint64_t> seeds;
    ClockRandom random;
    for (int i = 0; i < options.count; ++i) {
        random.Randomize();
        seeds.push_back(options.seed.value_or(*random.LastSeed()));
    }
    std::vector<MazeState> mazes;
    mazes.reserve(seeds.size());
    for (const std::uint64_t seed : seeds)
        mazes.push_back(MazeFromSeed(seed));

    std::vector<Sheet> sheets;
    const bool pagesOfAnswers = options.solution && format == FileFormat::Pdf;
    for (std::size_t i = 0; i < mazes.size(); ++i)
        sheets.push_back({&mazes[i], QString::fromStdString(FormatMazeCode(seeds[i])),
                          options.solution && !pagesOfAnswers ? Answer::Shown : Answer::Hidden});
    if (pagesOfAnswers)
        for (std::size_t i = 0; i < mazes.size(); ++i)
            sheets.push_back({&mazes[i], sheets[i].code, Answer::Shown});

    if (const auto error = WriteSheets(options.exportFile, sheets))
        return Fail(*error, 1);
    return 0;
}

}  // namespace tolvane
