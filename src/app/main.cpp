// Starts Tolvane: one window, shown once its frame has been drawn.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "app/Form1.h"
#include "app/Version.h"

namespace {

constexpr const char* kNoDisplay =
    "Tolvane needs a display: start it from a desktop session, or without one as `xvfb-run -a Tolvane`.\n";

// Without a display server the toolkit would abort with a page of plugin messages.
bool HasDisplay()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
#else
    return true;
#endif
}

// While the toolkit connects to the display, its complaints about a display it cannot open
// (and the abort that follows them) give way to one line that says what to do.
void StartupMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        const char* display = std::getenv("DISPLAY");
        std::fprintf(stderr,
                     "Tolvane cannot open the display \"%s\": start it from a desktop session, or without one as "
                     "`xvfb-run -a Tolvane`.\n",
                     display ? display : "");
        std::_Exit(1);
    }
    if (context.category && std::string_view(context.category).starts_with("qt.qpa"))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv)
{
    if (!HasDisplay()) {
        std::fputs(kNoDisplay, stderr);
        return 1;
    }
    qInstallMessageHandler(StartupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    QApplication::setApplicationName("Tolvane");
    QApplication::setApplicationVersion(tolvane::kVersion);
    QApplication::setDesktopFileName(tolvane::kAppId);
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/tolvane-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    tolvane::Form1 form;
    form.show();
    return app.exec();
}
