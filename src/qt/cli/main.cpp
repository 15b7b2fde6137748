// Starts Tolvane: the window, or with --export a file written without any display.
#include <QApplication>
#include <cstdio>

#include "qt/Version.h"
#include "qt/cli/CommandLine.h"
#include "qt/cli/Console.h"
#include "qt/cli/Startup.h"
#include "qt/cli/Translations.h"
#include "qt/platform/Desktop.h"
#include "qt/window/Form1.h"

namespace {

int RunWindow(const QStringList& arguments, const tolvane::Options& options)
{
    tolvane::LoadTranslations();  // a display that fails is told of before the application exists
    const QStringList toolkit = tolvane::ToolkitArguments(arguments);
    const qsizetype platformAt = toolkit.indexOf(QStringLiteral("-platform"));
    const QString platform = platformAt >= 0 ? toolkit[platformAt + 1] : QString();
    // An X display named with -display is the one the toolkit opens, whatever DISPLAY says: the
    // start-up checks and messages look for it where they look for the desktop's.
    const qsizetype displayAt = toolkit.indexOf(QStringLiteral("-display"));
    if (displayAt >= 0)
        qputenv("DISPLAY", toolkit[displayAt + 1].toLocal8Bit());
    if (!tolvane::DisplayConfigured(!platform.isEmpty())) {
        const tolvane::StartupFailure failure{tolvane::StartupFailure::Cause::NoDisplay, {}, {}, {}};
        tolvane::Print(stderr, tolvane::DescribeStartupFailure(failure, arguments.front(), true));
        return 1;
    }
    tolvane::Argv argv(QStringList{arguments.front()} + toolkit);
    tolvane::WatchStartup(arguments.front(), platform, options.verbose);
    QApplication app(argv.argc, argv.pointers.data());
    tolvane::EndStartupWatch();
    tolvane::InstallTranslations(app);
    tolvane::AddProgramFonts();
    QApplication::setApplicationName("Tolvane");
    QApplication::setApplicationVersion(tolvane::kVersion);
    QApplication::setDesktopFileName(tolvane::kAppId);
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/tolvane-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    tolvane::WarnIfNoCaptionFont();
    tolvane::Form1 form;
    // The way chosen on the command line or by a code, else the one kept from the last run.
    const bool asked = options.seed || options.how != tolvane::BuildChoice{};
    form.SetBuildChoice(asked ? options.how : tolvane::RememberedBuildChoice().value_or(tolvane::BuildChoice{}));
    if (options.seed) {
        // A code names its shape too; the window can show a shape that fits its square.
        const tolvane::ShapeChoice shape = options.shape.value_or(tolvane::ShapeChoice{});
        const tolvane::Recipe recipe{shape.kind, options.size, shape.word, options.how, *options.seed};
        if (const auto problem = form.OpenRecipe(recipe)) {
            tolvane::Print(stderr, QStringLiteral("Tolvane: %1\n").arg(*problem));
            return 2;
        }
    } else if (const auto shape = tolvane::RememberedShape()) {
        form.SetShapeChoice(*shape);  // a shape the window cannot make again stays a rectangle
    }
    form.show();
    return app.exec();
}

}  // namespace

int main(int argc, char** argv)
{
    tolvane::UseStartingConsole();
    QStringList arguments = tolvane::CommandLine(argc, argv);
    if (arguments.isEmpty())
        arguments << QStringLiteral("Tolvane");
    // Parsed once before any application exists, to know whether a display is wanted at all.
    const tolvane::Options options = tolvane::ParseCommandLine(arguments);
    switch (options.mode) {
    case tolvane::Options::Mode::Window:
        return RunWindow(arguments, options);
    case tolvane::Options::Mode::Export:
        return tolvane::RunExportProcess(arguments);
    case tolvane::Options::Mode::Facts:
        return tolvane::RunFactsProcess(arguments);
    default:
        return tolvane::RunTextCommand(arguments);
    }
}
