// The window beyond the mouse: Enter on a button, the words for assistive technology, and the translations.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include "app/Form1.h"
#include "app/Translations.h"

namespace tolvane::testing {
namespace {

void ShowActive(Form1& form)
{
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
}

QString Text(QObject* object, QAccessible::Text which)
{
    return QAccessible::queryAccessibleInterface(object)->text(which);
}

// Ctrl+Q is checked end to end: Qt's offscreen platform binds no key to Quit.
TEST(WindowKeys, EnterAndReturnPressTheFocusedButtonOnce)
{
    Form1 form;
    ShowActive(form);
    QSignalSpy builds(&form.command1(), &QPushButton::clicked);
    QTest::keyClick(&form.command1(), Qt::Key_Return);
    EXPECT_EQ(1, builds.count());
    EXPECT_TRUE(form.command2().isEnabled());
    QTest::keyClick(&form.command1(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(2, builds.count());
    // A held key repeats; the button is pressed once for it.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString("\r"), true);
    QApplication::sendEvent(&form.command1(), &repeat);
    EXPECT_EQ(2, builds.count());

    QTest::keyClick(&form.command1(), Qt::Key_Tab);
    ASSERT_EQ(&form.command2(), QApplication::focusWidget());
    QTest::keyClick(&form.command2(), Qt::Key_Return);
    EXPECT_TRUE(form.timer1().isActive()) << "Return on the focused Command2 starts the replay";
    EXPECT_EQ(2, builds.count()) << "Command1 is no default button that Enter presses from elsewhere";
    for (QPushButton* button : {&form.command1(), &form.command2()})
        EXPECT_FALSE(button->isDefault() || button->autoDefault());
}

TEST(MazePicture, IsAnImageThatSaysWhatTheWindowShowsAndTakesNoInput)
{
    Form1 form;
    ShowActive(form);
    auto* picture = form.findChild<QWidget*>("MazePicture");
    ASSERT_NE(nullptr, picture);
    EXPECT_EQ(QRect(0, 0, 358, 358), picture->geometry());
    EXPECT_EQ(Qt::NoFocus, picture->focusPolicy());
    EXPECT_TRUE(picture->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_EQ(QAccessible::Graphic, QAccessible::queryAccessibleInterface(picture)->role());
    EXPECT_EQ("No maze yet", Text(picture, QAccessible::Name));
    EXPECT_EQ(QString::fromUtf8("No maze yet. Press 制作 to build one."), Text(picture, QAccessible::Description));
    EXPECT_EQ("Builds a new random maze.", form.command1().toolTip());
    EXPECT_EQ("Finds the route from S to G and draws it.", Text(&form.command2(), QAccessible::Description));

    QTest::mouseClick(&form.command1(), Qt::LeftButton);
    EXPECT_EQ("Maze", Text(picture, QAccessible::Name));
    EXPECT_TRUE(Text(picture, QAccessible::Description).endsWith(QString::fromUtf8("Press 迷路を解く to draw the route.")));

    QTest::mouseClick(&form.command2(), Qt::LeftButton);
    const int cells = form.program().state().PathLen;
    EXPECT_EQ(QString("The route is being drawn: 0 of %1 cells.").arg(cells), Text(picture, QAccessible::Description));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.timer1().isActive(); }, cells * 50 * 4 + 2000));
    EXPECT_EQ("Maze, route to G", Text(picture, QAccessible::Name));
    EXPECT_EQ(QString("The route reached G in %1 cells.").arg(cells), Text(picture, QAccessible::Description));

    // The window offers assistive technology a way to close it.
    auto* actions = QAccessible::queryAccessibleInterface(&form)->actionInterface();
    ASSERT_TRUE(actions && actions->actionNames().contains("close"));
    actions->doAction("close");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }, 2000));
}

TEST(Translations, TheUserLocaleChoosesJapaneseButCaptionsAndTitleStay)
{
    InstallTranslations(*qApp, QLocale(QLocale::Japanese, QLocale::Japan));
    const auto translators = qApp->findChildren<QTranslator*>();
    {
        Form1 form;
        EXPECT_EQ(QString::fromUtf8("新しい迷路をランダムに作ります。"), form.command1().toolTip());
        EXPECT_EQ(QString::fromUtf8("迷路はまだありません"), Text(form.findChild<QWidget*>("MazePicture"), QAccessible::Name));
        EXPECT_EQ(QString::fromUtf8("制作"), form.command1().text());
        EXPECT_EQ(QString::fromUtf8("迷路を解く"), form.command2().text());
        EXPECT_EQ("Tolvane", form.windowTitle());
    }
    for (QTranslator* translator : translators) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    ASSERT_FALSE(translators.isEmpty()) << "no Japanese translation was loaded";

    InstallTranslations(*qApp, QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_TRUE(qApp->findChildren<QTranslator*>().isEmpty()) << "English is the source: it needs no translation";
    Form1 form;
    EXPECT_EQ("Builds a new random maze.", form.command1().toolTip());
}

// The build runs this once more on a font configuration without any Japanese face.
TEST(CaptionFont, AMissingFontIsReportedOnceWithThePackageToInstall)
{
    const bool expected = qEnvironmentVariable("TOLVANE_TEST_CAPTION_FONT", "present") == "present";
    EXPECT_EQ(expected, CaptionFontAvailable());
    ::testing::internal::CaptureStderr();
    WarnIfNoCaptionFont();
    WarnIfNoCaptionFont();
    const std::string said = ::testing::internal::GetCapturedStderr();
    if (expected)
        EXPECT_EQ("", said);
    else
        EXPECT_EQ("Tolvane: no installed font can show the button captions; install fonts-vlgothic (or fonts-noto-cjk).\n",
                  said);
}

}  // namespace
}  // namespace tolvane::testing
