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

}  // namespace tolvane
