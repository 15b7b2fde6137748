// `Tolvane --export`: writes mazes to a file and ends, with no window and no display.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "qt/cli/CommandLine.h"
#include "qt/paper/print/Worksheet.h"

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

// An --export command line run inside an application that exists already, as a dialog runs it:
// `arguments` as typed after the program's name. The same checks, the same file, the same
// one-line messages on standard error and the same exit status as `Tolvane --export ...`.
int RunExportCommandLine(const QStringList& arguments);

// `Tolvane --facts` without --export: prints the facts of the maze `options` names or builds.
int RunFacts(const Options& options);

}  // namespace tolvane
