// The program's texts in the user's language, and a word when the captions cannot be shown.
#include "app/Translations.h"

#include <QFontDatabase>
#include <QLibraryInfo>
#include <QRawFont>
#include <QTranslator>
#include <cstdio>

#include "app/Form1.h"

namespace tolvane {
namespace {

void Load(QCoreApplication& app, const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(locale, name, "_", folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

bool ShowsAll(const QFont& font, const QString& text)
{
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid())
        return false;
    for (const uint c : text.toUcs4())
        if (!raw.supportsCharacter(c))
            return false;
    return true;
}

}  // namespace

void InstallTranslations(QCoreApplication& app, const QLocale& locale)
{
    Load(app, locale, "qtbase", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    Load(app, locale, "tolvane", ":/i18n");
}

bool CaptionFontAvailable()
{
    const QString captions = QString::fromUtf8("制作迷路を解く");
    // The window asks for a list of Japanese faces; the first one installed is what it gets.
    if (ShowsAll(WindowFont(), captions))
        return true;
    for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese)) {
        QFont font(family);
        font.setPixelSize(WindowFont().pixelSize());
        if (ShowsAll(font, captions))
            return true;
    }
    return false;
}

void WarnIfNoCaptionFont()
{
    static bool warned = false;
    if (warned || CaptionFontAvailable())
        return;
    warned = true;
    const QString message = QCoreApplication::translate(
        "Tolvane", "Tolvane: no installed font can show the button captions; install fonts-vlgothic (or fonts-noto-cjk).");
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace tolvane
