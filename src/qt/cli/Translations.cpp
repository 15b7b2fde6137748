// The program's texts in the user's language, and a word when the captions cannot be shown.
#include "qt/cli/Translations.h"

#include <QFontDatabase>
#include <QRawFont>
#include <QTranslator>
#include <cstdio>
#include <memory>
#include <vector>

#include "qt/platform/Desktop.h"
#include "qt/platform/letters/WindowFont.h"

namespace tolvane {
namespace {

// Loads the translation `name` (e.g. "tolvane_ja_JP", or failing that "tolvane_ja") from `folder`.
bool Load(std::vector<std::unique_ptr<QTranslator>>& into, const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder))
        return false;
    into.push_back(std::move(translator));
    return true;
}

// Tolvane's translation for the first language of `locale` that it speaks, then Qt's own for the
// same language when it is installed; nothing for English, the language of the source.
std::vector<std::unique_ptr<QTranslator>> TranslatorsFor(const QLocale& locale)
{
    // The user's languages in order of preference: the first that Tolvane speaks wins, and English
    // needs no file. (Qt's own search would pass over English for want of a file and take a
    // language the user ranked below it.)
    std::vector<std::unique_ptr<QTranslator>> translators;
    for (QString language : locale.uiLanguages()) {
        language.replace('-', '_');
        if (QLocale(language).language() == QLocale::English)
            break;
        if (!Load(translators, "tolvane_" + language, ":/i18n"))
            continue;
        // Qt's own texts, in its standard dialogs and the help's headings, in the same language.
        Load(translators, "qtbase_" + language, QtTranslationsFolder());
        break;
    }
    return translators;
}

// What LoadTranslations loaded, for the messages given before the application exists.
std::vector<std::unique_ptr<QTranslator>>& Preloaded()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
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
    for (auto& translator : TranslatorsFor(locale)) {
        translator->setParent(&app);
        QCoreApplication::installTranslator(translator.release());
    }
}

void LoadTranslations(const QLocale& locale) { Preloaded() = TranslatorsFor(locale); }

QString Translate(const char* context, const char* source)
{
    // While the application is still being made, it has no translators yet.
    if (QCoreApplication::instance())
        if (QString text = QCoreApplication::translate(context, source); text != QString::fromUtf8(source))
            return text;
    for (const auto& translator : Preloaded())
        if (QString text = translator->translate(context, source); !text.isEmpty())
            return text;
    return QString::fromUtf8(source);
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
    Print(stderr, NoCaptionFontMessage() + QLatin1Char('\n'));
}

}  // namespace tolvane
