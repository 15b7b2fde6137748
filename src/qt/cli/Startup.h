// Connecting to the display: a failure is told in one line that names its real cause.
#pragma once

#include <QString>

namespace tolvane {

// Why the toolkit could not start, worked out from its own messages and the environment.
struct StartupFailure {
    enum class Cause { NoDisplay, Unreachable, NoSuchPlugin } cause;
    QString platform;    // the platform plugin that was asked for
    QString where;       // the display or compositor that could not be reached
    QString available;   // the platform plugins that exist, as the toolkit lists them
};

// True when some display could be meant: DISPLAY, WAYLAND_DISPLAY or a platform chosen by name.
bool DisplayConfigured(bool platformOption);

// Works out the cause from the toolkit's messages before it gave up.
StartupFailure DiagnoseStartup(const QString& toolkitMessages, const QString& platformOption);

// The summary line, then a hint that works from where the program was started (`program` is
// argv[0]). Ends with a newline.
QString DescribeStartupFailure(const StartupFailure& failure, const QString& program, bool verbose);

// While the toolkit connects to the display, keeps its messages (and with `verbose` prints them
// as they come), so that its fatal error can be told by the real cause: the program then ends
// with status 1. `program` is argv[0], `platform` the platform asked for on the command line.
void WatchStartup(const QString& program, const QString& platform, bool verbose);
// Once connected: stops watching and passes on what the toolkit said besides platform chatter.
void EndStartupWatch();

}  // namespace tolvane
