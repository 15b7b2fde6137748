// Windows.
#include "qt/platform/Desktop.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <io.h>
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

// Points a standard stream at the console: the handle beneath it, which Print writes through,
// and the C library's stream, which Wine's cannot reopen when it started without one.
bool ToConsole(std::FILE* stream, DWORD which)
{
    const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, 0, nullptr);
    if (console != INVALID_HANDLE_VALUE)
        SetStdHandle(which, console);
    return std::freopen("CONOUT$", "w", stream) != nullptr;
}

// The system's handle that `stream` writes to: the C library's, else the standard one.
HANDLE HandleOf(std::FILE* stream)
{
    const int number = _fileno(stream);
    const auto handle = number >= 0 ? reinterpret_cast<HANDLE>(_get_osfhandle(number)) : INVALID_HANDLE_VALUE;
    if (handle != INVALID_HANDLE_VALUE && handle != nullptr)
        return handle;
    return GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
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
    if (out && err)
        return;
    // Refused as "access denied" when a console is already ours: Wine hands a desktop program
    // started from a console program (Tolvane.com) that program's console.
    if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED)
        return;
    if (!out)
        ToConsole(stdout, STD_OUTPUT_HANDLE);
    if (!err && ToConsole(stderr, STD_ERROR_HANDLE))
        std::setvbuf(stderr, nullptr, _IONBF, 0);  // as unbuffered as it was
}

void Print(std::FILE* stream, const QString& text)
{
    std::fflush(stream);  // whatever was written before comes first
    const HANDLE handle = HandleOf(stream);
    DWORD mode = 0;
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode)) {
        const QByteArray bytes = text.toUtf8();
        std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
        return;
    }
    // In pieces, which older consoles need, never splitting a character made of two halves.
    const auto* chars = reinterpret_cast<const wchar_t*>(text.utf16());
    qsizetype left = text.size();
    while (left > 0) {
        qsizetype piece = std::min<qsizetype>(left, 8192);
        if (piece < left && QChar::isHighSurrogate(chars[piece - 1]))
            --piece;
        DWORD written = 0;
        if (!WriteConsoleW(handle, chars, static_cast<DWORD>(piece), &written, nullptr) || written == 0)
            return;
        chars += written;
        left -= written;
    }
}

void ClearSystemError()
{
    SetLastError(ERROR_SUCCESS);
    errno = 0;
}

QString SystemError()
{
    if (const DWORD code = GetLastError()) {
        wchar_t* text = nullptr;
        const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                            nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
        const QString reason = QString::fromWCharArray(text, static_cast<qsizetype>(length)).trimmed();
        LocalFree(text);
        if (!reason.isEmpty())
            return reason;
    }
    return errno ? QString::fromLocal8Bit(std::strerror(errno)) : QString();
}

// Replacing a file needs it opened for deletion, which whoever has it open without sharing
// that refuses.
bool HeldByAnotherProgram(const QString& path)
{
    const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    const HANDLE file = CreateFileW(name.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_SHARING_VIOLATION;
    CloseHandle(file);
    return false;
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

// Shipped beside the program, in fonts/: DejaVu Sans Bold, which Windows does not have.
void AddProgramFonts()
{
    const QDir folder(ProgramFolder() + QStringLiteral("/fonts"));
    for (const QString& name : folder.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(folder.filePath(name));
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
