// The runs that need no display.
#include "qt/cli/Console.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>

#include "qt/cli/CommandLine.h"
#include "qt/cli/run/ExportCommand.h"
#include "qt/cli/Translations.h"
#include "qt/platform/Desktop.h"

namespace tolvane {
namespace {

// Outside a desktop session the offscreen platform complains that there is no runtime
// folder, which an export never uses; everything else the toolkit says is passed on.
void ExportMessages(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (!message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        Print(stderr, message + QLatin1Char('\n'));
}

}  // namespace

Argv::Argv(const QStringList& arguments)
{
    for (const QString& argument : arguments)
        storage.push_back(argument.toLocal8Bit());
    for (QByteArray& argument : storage)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    argc = static_cast<int>(storage.size());
}

// Drawn on a platform that needs no display but still has the fonts.
int RunExportProcess(const QStringList& arguments)
{
    Argv argv({arguments.front(), QStringLiteral("-platform"), DrawingPlatform()});
    qInstallMessageHandler(ExportMessages);
    QGuiApplication app(argv.argc, argv.pointers.data());
    InstallTranslations(app);
    AddProgramFonts();
    return RunExport(ParseCommandLine(arguments));
}

int RunFactsProcess(const QStringList& arguments)
{
    // A word's outline is cut from a font, which only a GUI application can read.
    Argv argv({arguments.front(), QStringLiteral("-platform"), DrawingPlatform()});
    qInstallMessageHandler(ExportMessages);
    QGuiApplication app(argv.argc, argv.pointers.data());
    InstallTranslations(app);
    AddProgramFonts();
    return RunFacts(ParseCommandLine(arguments));
}

int RunTextCommand(const QStringList& arguments)
{
    Argv argv({arguments.front()});
    QCoreApplication app(argv.argc, argv.pointers.data());
    InstallTranslations(app);
    const Options options = ParseCommandLine(arguments);
    if (options.mode == Options::Mode::Error) {
        Print(stderr, options.text);
        return options.status;
    }
    Print(stdout, options.text);
    return 0;
}

}  // namespace tolvane
