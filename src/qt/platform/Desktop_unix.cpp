// Linux and other Unix desktops.
#include "qt/platform/Desktop.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tolvane {

void UseStartingConsole() {}

void Print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

void ClearSystemError() { errno = 0; }

QString SystemError() { return errno ? QString::fromLocal8Bit(std::strerror(errno)) : QString(); }

bool HeldByAnotherProgram(const QString&) { return false; }

QStringList CommandLine(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

QString CommandName(const QString& path) { return QFileInfo(path).fileName(); }

bool DesktopAlwaysThere() { return false; }

// The offscreen platform needs no display and reads the fonts through fontconfig.
QString DrawingPlatform() { return QStringLiteral("offscreen"); }

QString QtTranslationsFolder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

// Mazes are pictures: the Pictures folder where the desktop has one, else the home folder.
QString DefaultSaveFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QDir(pictures).exists() ? pictures : QDir::homePath();
}

// DejaVu Sans comes with the desktop (fonts-dejavu-core on Debian).
void AddProgramFonts() {}

QStringList JapaneseFaces() { return {"VL Gothic", "IPAGothic", "Noto Sans CJK JP", "Droid Sans Fallback"}; }

QString NoCaptionFontMessage()
{
    return QCoreApplication::translate(
        "Tolvane", "Tolvane: no installed font can show the button captions; install fonts-vlgothic (or fonts-noto-cjk).");
}

}  // namespace tolvane
