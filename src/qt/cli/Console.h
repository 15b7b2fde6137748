// The runs that need no display: an export, help, the version, a wrong command line.
#pragma once

#include <QByteArray>
#include <QStringList>
#include <vector>

namespace tolvane {

// Arguments for the toolkit, kept alive for the whole life of the application made from them.
struct Argv {
    std::vector<QByteArray> storage;
    std::vector<char*> pointers;
    int argc = 0;

    explicit Argv(const QStringList& arguments);
};

// Writes the file that `arguments` (an --export command line) asks for; returns the exit status.
int RunExportProcess(const QStringList& arguments);

// Prints the facts that `arguments` (a --facts command line) asks for; returns the exit status.
int RunFactsProcess(const QStringList& arguments);

// Prints the help, the version or what is wrong with `arguments`; returns the exit status.
int RunTextCommand(const QStringList& arguments);

}  // namespace tolvane
