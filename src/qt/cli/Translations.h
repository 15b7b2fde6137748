// The program's texts in the user's language, and a word when the captions cannot be shown.
#pragma once

#include <QCoreApplication>
#include <QLocale>

namespace tolvane {

// Loads Tolvane's own translation and Qt's (for its standard dialogs) in the first language of
// `locale` (the user's by default) that Tolvane speaks. Call it once the application exists.
void InstallTranslations(QCoreApplication& app, const QLocale& locale = QLocale());

// True when some installed font has every glyph of the two button captions.
bool CaptionFontAvailable();

// When no installed font can show the captions, says so once on standard error, naming a font
// package that can. Call it after InstallTranslations, before the window is shown.
void WarnIfNoCaptionFont();

}  // namespace tolvane
