// Pictures that leave the window: the same pixels as shown, vectors that match them, the menu.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QPrinter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "core/maze/BuildMaze.h"
#include "core/maze/MazeCode.h"
#include "core/solve/Search.h"
#include "qt/paper/Export.h"
#include "qt/paper/Pictures.h"
#include "qt/paper/Printing.h"
#include "qt/window/Form1.h"

namespace tolvane::testing {
namespace {

constexpr std::uint64_t kSeed = 0x1234'5678'9ABCull;

// The window with the maze of kSeed, its replay run to the end when `solved`.
std::unique_ptr<Form1> WindowWithMaze(bool solved)
{
    auto form = std::make_unique<Form1>();
    form->OpenMaze(kSeed);
    if (solved) {
        form->command2().click();
        while (form->timer1().isActive())
            form->program().Timer1_Timer();
    }
    return form;
}

QImage Rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// The box around the pixels in `area` that are clearly blue: the letter S or G.
QRect BlueBox(const QImage& image, const QRect& area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() - std::max(c.red(), c.green()) > 100)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

TEST(Export, APngHoldsThePixelsTheWindowShowsAndAnSvgTheSameWalls)
{
    QTemporaryDir dir;
    for (const bool solved : {false, true}) {
        const auto form = WindowWithMaze(solved);
        EXPECT_EQ(QString::fromStdString(FormatMazeCode(kSeed)), form->MazeCode());
        const Sheet sheet{&form->program().state(), form->MazeCode(), solved ? Answer::Shown : Answer::Hidden};
        const QString png = dir.filePath("maze.png");
        ASSERT_FALSE(WriteSheets(png, {sheet}));
        const QImage saved = Rgb(QImage(png));
        EXPECT_EQ(Rgb(form->ShownPicture()), saved) << "solved " << solved;

        // The SVG drawn back at one pixel a pixel, on magenta so that a missing background shows:
        // every pixel outside the letters S and G, whose edges a renderer smooths, is where the
        // PNG has it, and each letter covers the same box give or take a pixel.
        const QString svg = dir.filePath("maze.svg");
        ASSERT_FALSE(WriteSheets(svg, {sheet}));
        QImage drawn(kPictureSide, kPictureSide, QImage::Format_RGB32);
        drawn.fill(Qt::magenta);
        QPainter painter(&drawn);
        QSvgRenderer(svg).render(&painter);
        painter.end();
        int differ = 0;
        for (int y = 0; y < kPictureSide; ++y)
            for (int x = 0; x < kPictureSide; ++x)
                if ((x > 17 || y > 17) && (x < 340 || y < 340))
                    differ += drawn.pixel(x, y) != saved.pixel(x, y);
        EXPECT_EQ(0, differ) << "solved " << solved;
        for (const QRect cell : {QRect(0, 0, 18, 18), QRect(340, 340, 18, 18)}) {
            const QRect want = BlueBox(saved, cell), got = BlueBox(drawn, cell);
            ASSERT_FALSE(want.isEmpty());
            for (const auto& [a, b] : {std::pair{want.left(), got.left()}, {want.top(), got.top()},
                                       {want.right(), got.right()}, {want.bottom(), got.bottom()}})
                EXPECT_NEAR(a, b, 1) << "the letter in " << cell.x() << "," << cell.y() << ", solved " << solved;
        }
    }
}

TEST(Export, ThePrintPathWritesOnePage)
{
    QTemporaryDir dir;
    const auto form = WindowWithMaze(false);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    ASSERT_TRUE(PrintSheet(printer, {&form->program().state(), form->MazeCode(), Answer::Shown}));
    QFile printed(dir.filePath("printed.pdf"));
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_EQ(1, QString::fromLatin1(printed.readAll()).count(QRegularExpression("/Type\\s*/Page[^s]")));
}

TEST(Export, TheMenuActsOnlyOnAMazeAndCopiesThePictureWithItsCode)
{
    Form1 form;
    for (QAction* action : form.actions())
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    QApplication::clipboard()->setText("the user's own text");
    form.menu().Copy();  // nothing to copy yet: the clipboard keeps what it had
    form.menu().CopyCode();
    EXPECT_EQ("the user's own text", QApplication::clipboard()->text());
    form.OpenMaze(kSeed);
    for (QAction* action : form.actions())
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
    form.menu().CopyCode();
    EXPECT_EQ(QString::fromStdString(FormatMazeCode(kSeed)), QApplication::clipboard()->text());
    form.command2().click();
    form.program().Timer1_Timer();
    form.program().Timer1_Timer();  // a route partly drawn is copied as it is shown
    form.menu().Copy();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(data && data->hasImage());
    EXPECT_EQ(Rgb(form.ShownPicture()), Rgb(qvariant_cast<QImage>(data->imageData())));
    EXPECT_EQ(form.MazeCode(), data->text());
}

// Save as a user saves, through its dialog: the file shows the route exactly when the dialog's
// box asks for it, whatever the window shows, at the window's device pixel ratio (CTest runs
// this once more at ratio 2), and the next Save starts in the folder of the last.
TEST(Export, SaveWritesWhatItsDialogChose)
{
    QTemporaryDir dir;
    const auto form = WindowWithMaze(true);  // the route is shown, so the box starts ticked
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    for (const bool include : {false, true}) {
        const QString path = dir.filePath(include ? "answer" : "puzzle");
        QString startedIn;
        QTimer user;  // fills in the dialog once it is up
        QObject::connect(&user, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            user.stop();
            startedIn = dialog->directory().absolutePath();
            dialog->findChild<QCheckBox*>()->setChecked(include);
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);  // typed over the suggested name
            static_cast<QDialog*>(dialog)->accept();  // the file dialog's own accept, as its Save button
        });
        user.start(50);
        form->menu().Save();
        const Answer answer = include ? Answer::Shown : Answer::Hidden;
        const QImage want = PictureImage(form->Maze(), answer, form->devicePixelRatioF());
        EXPECT_EQ(Rgb(want), Rgb(QImage(path + ".png"))) << "include the solution: " << include;
        if (include) {
            EXPECT_EQ(QDir(dir.path()).absolutePath(), startedIn);
        }
    }
}

TEST(Export, TheMenuAndADialogOpenDuringAReplayLeaveItsCountAlone)
{
    // A maze with a short route keeps the replay brief.
    std::uint64_t seed = 1;
    for (std::uint64_t s = 1, shortest = kCells; s < 300; ++s) {
        MazeState maze = MazeFromSeed(s);
        Solve(maze);
        if (static_cast<std::uint64_t>(maze.PathLen) < shortest)
            shortest = maze.PathLen, seed = s;
    }
    Form1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.OpenMaze(seed);
    QSignalSpy ticks(&form.timer1(), &QTimer::timeout);
    form.command2().click();
    const int pathLen = form.program().state().PathLen;
    form.menu().Popup(form.mapToGlobal(QPoint(100, 100)));
    QTimer::singleShot(400, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    form.menu().Save();  // a modal dialog with an event loop of its own, until the timer above
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.timer1().isActive(); }, pathLen * 200 + 2000));
    EXPECT_EQ(pathLen, ticks.count());
}

}  // namespace
}  // namespace tolvane::testing
