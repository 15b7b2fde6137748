// The program's texts in the user's language, and a word when the captions cannot be shown.
#include "qt/cli/Translations.h"

#include <QFontDatabase>
#include <QLibraryInfo>
#include <QRawFont>
#include <QTranslator>
#include <cstdio>

#include "qt/platform/WindowFont.h"

namespace tolvane {
namespace {

// Installs the translation `name` (e.g. "tolvane_ja_JP", or failing that "tolvane_ja") from `folder`.
bool Install(QCoreApplication& app, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(name, folder))
        return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
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
    // The user's languages in order of preference: the first that Tolvane speaks wins, and English,
    // the language of the source, needs no file. (Qt's own search would pass over English for want
    // of a file and take a language the user ranked below it.)
    for (QString language : locale.uiLanguages()) {
        language.replace('-', '_');
        if (QLocale(language).language() == QLocale::English)
            return;
        if (!Install(app, "tolvane_" + language, ":/i18n"))
            continue;
        // Qt's own texts, in its standard dialogs, in the same language when they are installed.
        Install(app, "qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        return;
    }
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
