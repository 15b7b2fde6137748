// What differs between the systems Tolvane runs on; Desktop_unix.cpp and Desktop_win.cpp say it.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>

namespace tolvane {

// A Windows program built for the desktop gets no console of its own. Started from cmd or
// PowerShell, it writes to theirs, unless its output is already going to a file or a pipe. Call
// it first in main. Nothing to do elsewhere.
void UseStartingConsole();

// Writes `text` to `stream`, standard output or standard error. A Windows console is handed the
// characters themselves, which it shows whatever its code page (the ANSI one has no 〜, and none
// at all of Japanese on a Western system); a file, a pipe or a Unix terminal gets UTF-8.
void Print(std::FILE* stream, const QString& text);

// The system's own words for why the last file operation failed, in the user's language, or
// nothing when it kept none. Windows keeps its reason apart from the C library's errno, and Qt
// leaves it unsaid when a write stops part of the way (a full disk). Call ClearSystemError just
// before the operation.
void ClearSystemError();
QString SystemError();

// True when another program holds the file at `path` open so that it cannot be replaced, as
// Windows locks a file that an editor or a viewer has open; never elsewhere.
bool HeldByAnotherProgram(const QString& path);

// The command line as typed, every character kept (Windows hands argv over in the ANSI code
// page, which cannot hold every file name).
QStringList CommandLine(int argc, char** argv);

// The program's name as a user types it, from the path it was started by: the file name (on Windows
// without the .exe or .com that cmd and PowerShell do not need).
QString CommandName(const QString& path);

// True where a desktop is always there to draw on, whatever the environment says (Windows);
// elsewhere an X display or a Wayland compositor has to be named.
bool DesktopAlwaysThere();

// The platform plugin that draws files without a window and still reads the system's fonts.
QString DrawingPlatform();

// The folder holding Qt's own translations (qtbase_ja.qm, ...).
QString QtTranslationsFolder();

// The folder a Save dialog opens in first.
QString DefaultSaveFolder();

// Adds the fonts that come with the program where the system may lack them: the face a word's
// outline is cut from, so that a code names the same maze on every system. Call it once the
// application exists.
void AddProgramFonts();

// The faces the captions and the S and G marks are drawn in, the first one installed winning.
QStringList JapaneseFaces();

// Said once when no installed font can show the captions: what to install, the system's way.
QString NoCaptionFontMessage();

}  // namespace tolvane
