// Starts Tolvane: one window, shown once its frame has been drawn.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/Form1.h"
#include "app/Version.h"

namespace {

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

}  // namespace

int main(int argc, char** argv)
{
    if (!HasDisplay()) {
        std::fputs("Tolvane needs a display: start it from a desktop session, or without one as `xvfb-run -a Tolvane`.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
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
