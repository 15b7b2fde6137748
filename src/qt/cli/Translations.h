// The program's texts in the user's language, and a word when the captions cannot be shown.
#pragma once

#include <QCoreApplication>
#include <QLocale>

namespace tolvane {

// Loads Tolvane's own translation and Qt's (for its standard dialogs) in the first language of
// `locale` (the user's by default) that Tolvane speaks. Call it once the application exists.
void InstallTranslations(QCoreApplication& app, const QLocale& locale = QLocale());

// Loads the same translations for Translate before any application exists, so that even the
// messages about a display that cannot be opened are in the user's language.
void LoadTranslations(const QLocale& locale = QLocale());

// `source` (marked with QT_TRANSLATE_NOOP) in the user's language, with or without an application.
QString Translate(const char* context, const char* source);

// True when some installed font has every glyph of the two button captions.
bool CaptionFontAvailable();

// When no installed font can show the captions, says so once on standard error, naming a font
// package that can. Call it after InstallTranslations, before the window is shown.
void WarnIfNoCaptionFont();

}  // namespace tolvane
