// The export a dialog runs from a command line, against the program's own.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <cstdio>
#include <unistd.h>

#include "qt/cli/run/ExportCommand.h"

namespace tolvane::testing {
namespace {

struct Ran {
    int status = -1;
    QByteArray errors;  // what it printed on standard error
};

Ran Program(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TOLVANE_PROGRAM), arguments);
    EXPECT_TRUE(process.waitForFinished(120000));
    return {process.exitCode(), process.readAllStandardError()};
}

// The same in this process, standard error caught in a file for the while.
Ran InProcess(const QStringList& arguments)
{
    QTemporaryFile caught;
    EXPECT_TRUE(caught.open());
    std::fflush(stderr);
    const int saved = dup(2);
    dup2(caught.handle(), 2);
    const int status = RunExportCommandLine(arguments);
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    caught.seek(0);
    return {status, caught.readAll()};
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // A PDF says when it was made, which is all two runs may differ by.
    static const QRegularExpression kMadeAt(QStringLiteral("/CreationDate \\([^)]*\\)"));
    return QString::fromLatin1(file.readAll()).remove(kMadeAt).toLatin1();
}

TEST(ExportCommandLine, WritesWhatTheProgramWritesAndRefusesWhatItRefuses)
{
    QTemporaryDir dir;
    const QStringList classic{"--maze", "H5549-93W36"}, circle{"--maze", "B0C10-FJMDT-JRVSF"};
    struct Case {
        QString file;
        QStringList more;
    };
    const Case cases[] = {{"maze.png", classic + QStringList{"--solution"}},
                          {"maze.svg", circle},
                          {"sheet.pdf", QStringList{"--maze", "H5549-93W36,B0C10-FJMDT-JRVSF", "--per-page", "2", "--solution",
                                                    "--paper", "a4", "--title", "Class 3"}}};
    for (const Case& c : cases) {
        const QString ours = dir.filePath("ours-" + c.file), theirs = dir.filePath("program-" + c.file);
        const Ran in = InProcess(QStringList{"--export", ours} + c.more);
        const Ran program = Program(QStringList{"--export", theirs} + c.more);
        EXPECT_EQ(in.status, 0) << c.file.toStdString() << in.errors.toStdString();
        EXPECT_EQ(program.status, 0) << c.file.toStdString();
        const QByteArray written = Contents(ours);
        EXPECT_GT(written.size(), 100) << c.file.toStdString();
        EXPECT_TRUE(written == Contents(theirs)) << c.file.toStdString();
    }
    // A wrong command line: the program's message and status, and no file.
    const QStringList wrong{"--export", dir.filePath("wrong.pdf"), "--per-page", "3"};
    const Ran in = InProcess(wrong), program = Program(wrong);
    EXPECT_EQ(in.status, 2);
    EXPECT_EQ(program.status, 2);
    EXPECT_EQ(in.errors.toStdString(), program.errors.toStdString());
    EXPECT_FALSE(QFile::exists(dir.filePath("wrong.pdf")));
    // Without --export there is nothing to write: said, not a window opened.
    const Ran none = InProcess(classic);
    EXPECT_EQ(none.status, 2);
    EXPECT_TRUE(none.errors.contains("--export names the file to write")) << none.errors.toStdString();
}

}  // namespace
}  // namespace tolvane::testing
