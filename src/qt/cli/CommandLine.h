// The command line: the options, what they ask for, and the messages for a wrong one.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace tolvane {

inline constexpr int kMaxCount = 1000;  // mazes in one PDF: 2000 pages with their solutions

// What the command line asks for.
struct Options {
    enum class Mode { Window, Export, Help, Version, Error } mode = Mode::Window;
    std::optional<std::uint64_t> seed;  // --maze
    QString exportFile;
    int count = 1;
    bool solution = false;
    bool verbose = false;
    QString text;    // Help: the help text; Version: the version line; Error: the message
    int status = 0;  // the exit status for Help, Version and Error
};

// Parses `arguments` (the program's name first). Works before any application object exists,
// with the texts in English; once translations are installed it gives them translated.
Options ParseCommandLine(const QStringList& arguments);

// The toolkit's own options that stay in force: -platform and -display with their values.
QStringList ToolkitArguments(const QStringList& arguments);

}  // namespace tolvane
