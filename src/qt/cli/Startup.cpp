// Connecting to the display.
#include "qt/cli/Startup.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "qt/cli/Translations.h"
#include "qt/platform/Desktop.h"

namespace tolvane {
namespace {

// What the watch keeps while the toolkit connects.
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
        Print(stderr, message + QLatin1Char('\n'));
    else if (!toolkit)
        startupWarnings << message;
    if (type == QtFatalMsg) {
        const auto failure = DiagnoseStartup(startupMessages, startupPlatform);
        Print(stderr, DescribeStartupFailure(failure, programPath, startupVerbose));
        std::_Exit(1);
    }
}

// Said before the application has its translators, or while it is still being made.
QString Say(const char* text) { return Translate("Startup", text); }

QString Env(const char* name) { return QString::fromLocal8Bit(qgetenv(name)); }

// How the user can start this same program without a desktop: the path as they typed it.
QString Command(const QString& program)
{
    return program.contains(QLatin1Char('/')) ? program : QStringLiteral("tolvane");
}

}  // namespace

bool DisplayConfigured(bool platformOption)
{
    return DesktopAlwaysThere() || platformOption || !Env("QT_QPA_PLATFORM").isEmpty() || !Env("DISPLAY").isEmpty() ||
           !Env("WAYLAND_DISPLAY").isEmpty();
}

StartupFailure DiagnoseStartup(const QString& messages, const QString& platformOption)
{
    StartupFailure f{StartupFailure::Cause::Unreachable, {}, {}, {}};
    const auto named = QRegularExpression(QStringLiteral("platform plugin \"([^\"]*)\"")).match(messages);
    f.platform = named.hasMatch() ? named.captured(1) : platformOption;
    if (f.platform.isEmpty())
        f.platform = Env("QT_QPA_PLATFORM");
    const auto list = QRegularExpression(QStringLiteral("Available platform plugins are: ([^\\n]*?)\\.?\\n")).match(messages + '\n');
    if (list.hasMatch())
        f.available = list.captured(1).trimmed();
    if (messages.contains(QLatin1String("Could not find the Qt platform plugin")))
        f.cause = StartupFailure::Cause::NoSuchPlugin;
    if (f.platform.startsWith(QLatin1String("wayland")))
        f.where = Env("WAYLAND_DISPLAY").isEmpty() ? QStringLiteral("wayland-0") : Env("WAYLAND_DISPLAY");
    else
        f.where = Env("DISPLAY");
    return f;
}

QString DescribeStartupFailure(const StartupFailure& f, const QString& program, bool verbose)
{
    QString summary;
    switch (f.cause) {
    case StartupFailure::Cause::NoDisplay:
        summary = Say(QT_TRANSLATE_NOOP("Startup", "Tolvane needs a display, and none is set (DISPLAY and "
                                                         "WAYLAND_DISPLAY are empty)."));
        break;
    case StartupFailure::Cause::Unreachable:
        summary = f.platform.startsWith(QLatin1String("wayland"))
                      ? Say(QT_TRANSLATE_NOOP("Startup", "Tolvane cannot reach the Wayland compositor \"%1\"."))
                            .arg(f.where)
                      : Say(QT_TRANSLATE_NOOP("Startup", "Tolvane cannot open the display \"%1\" (platform %2)."))
                            .arg(f.where, f.platform.isEmpty() ? QStringLiteral("xcb") : f.platform);
        break;
    case StartupFailure::Cause::NoSuchPlugin:
        summary = Say(QT_TRANSLATE_NOOP("Startup", "Tolvane cannot load the platform plugin \"%1\"; the plugins "
                                                         "that exist are: %2."))
                      .arg(f.platform, f.available.isEmpty() ? QStringLiteral("?") : f.available);
        break;
    }
    const QString hint =
        f.cause == StartupFailure::Cause::NoSuchPlugin
            ? Say(QT_TRANSLATE_NOOP("Startup", "Choose one of them with --platform NAME or QT_QPA_PLATFORM, or "
                                                     "leave both unset."))
            : Say(QT_TRANSLATE_NOOP("Startup", "Start it from a desktop session, or without one as "
                                                     "`xvfb-run -a %1`; `%1 --export FILE` needs no display."))
                  .arg(Command(program));
    QString text = summary + QLatin1Char('\n') + hint + QLatin1Char('\n');
    if (!verbose && f.cause != StartupFailure::Cause::NoDisplay)
        text += Say(QT_TRANSLATE_NOOP("Startup", "Run with --verbose to see the toolkit's own messages.")) +
                QLatin1Char('\n');
    return text;
}

void WatchStartup(const QString& program, const QString& platform, bool verbose)
{
    programPath = program;
    startupPlatform = platform;
    startupVerbose = verbose;
    qInstallMessageHandler(StartupMessages);
}

void EndStartupWatch()
{
    qInstallMessageHandler(nullptr);
    for (const QString& warning : startupWarnings)
        Print(stderr, warning + QLatin1Char('\n'));
    startupWarnings.clear();
}

}  // namespace tolvane
