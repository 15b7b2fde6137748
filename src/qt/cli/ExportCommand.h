// `Tolvane --export`: writes mazes to a file and ends, with no window and no display.
#pragma once

#include "qt/cli/CommandLine.h"

namespace tolvane {

// Writes what `options` asks for; prints a one-line reason on failure. Returns the exit status.
int RunExport(const Options& options);

// A worksheet PDF as `Tolvane --export FILE.pdf` would write it for `options`: its mazes chosen
// and laid out, or the one-line reason the command line gives for refusing it and its exit status.
struct WorksheetPlan {
    std::optional<Worksheet> sheet;
    QString problem;
    int status = 0;
};
WorksheetPlan PlanWorksheet(const Options& options);

// `Tolvane --facts` without --export: prints the facts of the maze `options` names or builds.
int RunFacts(const Options& options);

}  // namespace tolvane
