// The window beyond the mouse: Enter on a button, the maze picture for assistive technology, the translations.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include "qt/cli/Translations.h"
#include "qt/window/Form1.h"

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

// Enter on each button, Ctrl+Q (which Qt's offscreen platform does not bind) and the words for assistive
// technology are checked end to end; here, what those checks cannot see.
TEST(WindowKeys, AHeldEnterPressesOnceAndNeitherButtonIsADefault)
{
    Form1 form;
    ShowActive(form);
    QSignalSpy builds(&form.command1(), &QPushButton::clicked);
    QTest::keyClick(&form.command1(), Qt::Key_Return);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString("\r"), true);
    QApplication::sendEvent(&form.command1(), &repeat);
    EXPECT_EQ(1, builds.count());
    for (QPushButton* button : {&form.command1(), &form.command2()})
        EXPECT_FALSE(button->isDefault() || button->autoDefault());
}

TEST(MazePicture, CoversTheMazeSquareAndTakesNeitherFocusNorTheMouse)
{
    Form1 form;
    auto* picture = form.findChild<QWidget*>("MazePicture");
    ASSERT_NE(nullptr, picture);
    EXPECT_EQ(QRect(0, 0, 358, 358), picture->geometry());
    EXPECT_EQ(Qt::NoFocus, picture->focusPolicy());
    EXPECT_TRUE(picture->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_EQ(QAccessible::Graphic, QAccessible::queryAccessibleInterface(picture)->role());
}

// While the route is drawn the picture says how many of its cells are drawn: none right after the
// click, k after tick k, out of all PathLen.
TEST(MazePicture, AGameIsDescribedAtItsMazesSize)
{
    Form1 form;
    QWidget* picture = form.findChild<QWidget*>("MazePicture");
    for (const MazeSize size : {MazeSize{31, 45}, kClassicSize}) {
        form.OpenMaze(0x1234'5678'9ABCull, size);
        form.play().action().trigger();
        ASSERT_TRUE(form.play().Playing());
        const QString words = QStringLiteral("a maze of %1 by %2 cells").arg(size.width).arg(size.height);
        EXPECT_TRUE(Text(picture, QAccessible::Description).contains(words)) << Text(picture, QAccessible::Description).toStdString();
    }
}

TEST(MazePicture, CountsTheCellsOfTheRouteDrawnSoFar)
{
    Form1 form;
    form.OpenMaze(0x1234'5678'9ABCull);
    QWidget* picture = form.findChild<QWidget*>("MazePicture");
    const QRegularExpression count("(\\d+) of (\\d+) cells");
    auto said = [&] {
        const auto m = count.match(Text(picture, QAccessible::Description));
        return m.hasMatch() ? std::pair(m.captured(1).toInt(), m.captured(2).toInt()) : std::pair(-1, -1);
    };
    form.command2().click();
    const int cells = form.program().state().PathLen;
    EXPECT_EQ(std::pair(0, cells), said());
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.program().state().StepCount >= 3; }, 5000));
    form.timer1().stop();
    const int drawn = form.program().state().StepCount;
    QTest::qWait(MazePicture::kNoticeInterval + 100);  // the notice the replay's pace held back
    EXPECT_EQ(std::pair(drawn, cells), said());
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
