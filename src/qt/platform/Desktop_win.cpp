// Windows.
#include "qt/platform/Desktop.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>
#include <string>
#include <windows.h>
#include <shellapi.h>

namespace tolvane {
namespace {

// True when the standard handle already leads somewhere: a file, a pipe or a console of our own.
bool Leads(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// The folder of Tolvane.exe, known before any application exists.
QString ProgramFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return QFileInfo(QDir::fromNativeSeparators(QString::fromStdWString(path))).absolutePath();
}

}  // namespace

void UseStartingConsole()
{
    const bool out = Leads(STD_OUTPUT_HANDLE);
    const bool err = Leads(STD_ERROR_HANDLE);
    if ((out && err) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (!out)
        std::freopen("CONOUT$", "w", stdout);
    if (!err && std::freopen("CONOUT$", "w", stderr))
        std::setvbuf(stderr, nullptr, _IONBF, 0);  // as unbuffered as it was
}

QStringList CommandLine(int argc, char** argv)
{
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!words) {
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        return arguments;
    }
    QStringList arguments;
    for (int i = 0; i < count; ++i)
        arguments << QString::fromWCharArray(words[i]);
    LocalFree(words);
    return arguments;
}

QString CommandName(const QString& path) { return QFileInfo(path).completeBaseName(); }

bool DesktopAlwaysThere() { return true; }

// Qt's offscreen platform on Windows reads fonts only from a folder of Qt's own, so files are
// drawn on the Windows platform, which needs no window to be shown and has every system font.
QString DrawingPlatform() { return QStringLiteral("windows"); }

// Shipped beside the program, in translations/.
QString QtTranslationsFolder() { return ProgramFolder() + QStringLiteral("/translations"); }

// Windows users keep what they make in Documents.
QString DefaultSaveFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

// The Japanese faces of Windows (MS UI Gothic has hand-drawn bitmaps at 12 pixels), then the
// free one a Wine prefix or a user may have added.
QStringList JapaneseFaces() { return {"MS UI Gothic", "Yu Gothic UI", "Meiryo UI", "Meiryo", "VL Gothic"}; }

QString NoCaptionFontMessage()
{
    return QCoreApplication::translate(
        "Tolvane", "Tolvane: no installed font can show the button captions; add the Japanese Supplemental Fonts "
                   "(Settings, Apps, Optional features).");
}

}  // namespace tolvane
