// Starts Tolvane: the window, or with --export a file written without any display.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "app/CommandLine.h"
#include "app/ExportCommand.h"
#include "app/Form1.h"
#include "app/Startup.h"
#include "app/Translations.h"
#include "app/Version.h"

namespace {

using tolvane::Options;

// The arguments handed to the toolkit: kept alive for the whole life of the application.
struct Argv {
    std::vector<QByteArray> storage;
    std::vector<char*> pointers;
    int argc = 0;

    explicit Argv(const QStringList& arguments)
    {
        for (const QString& argument : arguments)
            storage.push_back(argument.toLocal8Bit());
        for (QByteArray& argument : storage)
            pointers.push_back(argument.data());
        pointers.push_back(nullptr);
        argc = static_cast<int>(storage.size());
    }
};

// Outside a desktop session the offscreen platform complains that there is no runtime
// folder, which an export never uses; everything else the toolkit says is passed on.
void ExportMessages(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (!message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// An export, drawn on the offscreen platform, which needs no display but still has the fonts.
int RunExport(const QStringList& arguments)
{
    Argv argv({arguments.front(), QStringLiteral("-platform"), QStringLiteral("offscreen")});
    qInstallMessageHandler(ExportMessages);
    QGuiApplication app(argv.argc, argv.pointers.data());
    tolvane::InstallTranslations(app);
    return tolvane::RunExport(tolvane::ParseCommandLine(arguments));
}

// Help, the version or a wrong option: text alone.
int RunWithoutWindow(const QStringList& arguments)
{
    Argv argv({arguments.front()});
    QCoreApplication app(argv.argc, argv.pointers.data());
    tolvane::InstallTranslations(app);
    const Options options = tolvane::ParseCommandLine(arguments);
    switch (options.mode) {
    case Options::Mode::Error:
        std::fputs(qPrintable(options.text), stderr);
        return options.status;
    default:
        std::fputs(qPrintable(options.text), stdout);
        return 0;
    }
}

// While the toolkit connects to the display its messages are kept, so that a failure can be
// told by its real cause; with --verbose they are printed as they come as well. Once it is
// connected, what it said outside its platform chatter is passed on.
QString startupMessages;
QStringList startupWarnings;
bool startupVerbose = false;
QString startupPlatform;
QString programPath;

void StartupMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    startupMessages += message + QLatin1Char('\n');
    const bool toolkit = context.category && std::string_view(context.category).starts_with("qt.qpa");
    if (startupVerbose)
        std::fprintf(stderr, "%s\n", qPrintable(message));
    else if (!toolkit)
        startupWarnings << message;
    if (type == QtFatalMsg) {
        const auto failure = tolvane::DiagnoseStartup(startupMessages, startupPlatform);
        std::fputs(qPrintable(tolvane::DescribeStartupFailure(failure, programPath, startupVerbose)), stderr);
        std::_Exit(1);
    }
}

int RunWindow(const QStringList& arguments, const Options& options)
{
    const QStringList toolkit = tolvane::ToolkitArguments(arguments);
    programPath = arguments.front();
    startupVerbose = options.verbose;
    startupPlatform = toolkit.contains(QStringLiteral("-platform")) ? toolkit[toolkit.indexOf("-platform") + 1] : QString();
    if (!tolvane::DisplayConfigured(!startupPlatform.isEmpty())) {
        const tolvane::StartupFailure failure{tolvane::StartupFailure::Cause::NoDisplay, {}, {}, {}};
        std::fputs(qPrintable(tolvane::DescribeStartupFailure(failure, programPath, true)), stderr);
        return 1;
    }
    Argv argv(QStringList{arguments.front()} + toolkit);
    qInstallMessageHandler(StartupMessages);
    QApplication app(argv.argc, argv.pointers.data());
    qInstallMessageHandler(nullptr);
    tolvane::InstallTranslations(app);
    for (const QString& warning : startupWarnings)
        std::fprintf(stderr, "%s\n", qPrintable(warning));
    QApplication::setApplicationName("Tolvane");
    QApplication::setApplicationVersion(tolvane::kVersion);
    QApplication::setDesktopFileName(tolvane::kAppId);
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/tolvane-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    tolvane::WarnIfNoCaptionFont();
    tolvane::Form1 form;
    if (options.seed)
        form.OpenMaze(*options.seed);
    form.show();
    return app.exec();
}

}  // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (arguments.isEmpty())
        arguments << QStringLiteral("Tolvane");
    // Parsed once before any application exists, to know whether a display is wanted at all.
    const Options options = tolvane::ParseCommandLine(arguments);
    if (options.mode == Options::Mode::Export)
        return RunExport(arguments);
    if (options.mode != Options::Mode::Window)
        return RunWithoutWindow(arguments);
    return RunWindow(arguments, options);
}
