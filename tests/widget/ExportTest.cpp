// Pictures that leave the window: the same pixels as shown, vectors that match them, the menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>


#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "core/maze/BuildMaze.h"
#include "core/code/MazeCode.h"
#include "core/code/SizedCode.h"
#include "core/render/DrawMaze.h"
#include "core/render/Geometry.h"
#include "core/search/Searches.h"
#include "qt/paper/Export.h"
#include "qt/paper/Pictures.h"
#include "qt/paper/print/Printing.h"
#include "qt/window/Form1.h"
#include "qt/window/choice/SizeMenu.h"
#include "qt/window/code/OpenCodeDialog.h"

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

bool OpensACode(const QAction& action)
{
    return action.shortcut() == QKeySequence(QKeySequence::Open) || action.shortcut() == QKeySequence(QKeySequence::Paste);
}

// Worksheets… makes mazes of its own, so it needs none in the window.
bool NeedsNoMaze(const QAction& action)
{
    return OpensACode(action) || action.shortcut() == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P);
}

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

// The SVG of `sheet` drawn back at one pixel a unit, on magenta so that a missing background
// shows: every pixel outside the cells of S and G (and their beacons), whose letters' edges a renderer smooths, is
// where `png` has it, and each letter covers the same box give or take a pixel.
void ExpectSvgDrawsThePng(const Sheet& sheet, const QImage& png, const std::string& what)
{
    QTemporaryDir dir;
    const QString svg = dir.filePath("maze.svg");
    ASSERT_FALSE(WriteSheets(svg, {sheet})) << what;
    QSvgRenderer renderer(svg);
    ASSERT_EQ(png.size(), renderer.defaultSize()) << what;
    QImage drawn(png.size(), QImage::Format_RGB32);
    drawn.fill(Qt::magenta);
    QPainter painter(&drawn);
    renderer.render(&painter);
    painter.end();
    const MazeSize size = RectangleCells(sheet.maze->shape);
    const CellGeometry g = CellGeometry::For(size, png.width() - 1);
    const QRect marks[] = {QRect(QPoint(g.left, g.top), QSize(g.cell + 1, g.cell + 1)),
                           QRect(QPoint(g.left + g.cell * (size.width - 1), g.top + g.cell * (size.height - 1)),
                                 QSize(g.cell + 1, g.cell + 1))};
    // A mark too small to read has a beacon round it, whose curves and letter a renderer smooths too.
    const double beacon = MarksAreLetters(g, kSmallestPixelLetter) ? 0 : std::max(png.width() / 8.0, 6.0 * g.cell);
    const auto nearMark = [&](int x, int y) {
        return std::ranges::any_of(marks, [&](const QRect& m) {
            return m.contains(x, y) || std::hypot(m.center().x() - x, m.center().y() - y) <= beacon;
        });
    };
    int differ = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x)
            if (!nearMark(x, y) && drawn.pixel(x, y) != png.pixel(x, y)) {
                if (differ++ == 0)
                    first = {x, y};
            }
    EXPECT_EQ(0, differ) << what << ": the first at " << first.x() << "," << first.y() << " " << std::hex << drawn.pixel(first) << " for " << png.pixel(first) << std::dec;
    // Nothing lies outside the picture, such as the stubs of the walls around it.
    constexpr int kAround = 6;
    QSvgRenderer wide(svg);
    wide.setViewBox(QRectF(-kAround, -kAround, png.width() + 2 * kAround, png.height() + 2 * kAround));
    QImage around(png.size() + QSize(2 * kAround, 2 * kAround), QImage::Format_RGB32);
    around.fill(Qt::magenta);
    QPainter aroundPainter(&around);
    wide.render(&aroundPainter);
    aroundPainter.end();
    int outside = 0;
    for (int y = 0; y < around.height(); ++y)
        for (int x = 0; x < around.width(); ++x)
            if (!QRect(kAround, kAround, png.width(), png.height()).contains(x, y))
                outside += around.pixel(x, y) != QColor(Qt::magenta).rgb();
    EXPECT_EQ(0, outside) << what << ": drawn outside the picture";
    for (const QRect& cell : marks) {
        const QRect want = BlueBox(png, cell), got = BlueBox(drawn, cell);
        ASSERT_FALSE(want.isEmpty()) << what;
        for (const auto& [a, b] : {std::pair{want.left(), got.left()}, {want.top(), got.top()},
                                   {want.right(), got.right()}, {want.bottom(), got.bottom()}})
            EXPECT_NEAR(a, b, 1) << "the mark in " << cell.x() << "," << cell.y() << ", " << what;
    }
}

TEST(Export, APngHoldsThePixelsTheWindowShowsAndAnSvgTheSameWalls)
{
    QTemporaryDir dir;
    for (const bool solved : {false, true}) {
        const auto form = WindowWithMaze(solved);
        EXPECT_EQ(QString::fromStdString(FormatMazeCode(kSeed)), form->MazeCode());
        const ShapeMaze shown = ShapeMazeOf(form->program().state());
        const Sheet sheet{&shown, form->MazeCode(), solved ? Answer::Shown : Answer::Hidden};
        const QString png = dir.filePath("maze.png");
        ASSERT_FALSE(WriteSheets(png, {sheet}));
        const QImage saved = Rgb(QImage(png));
        EXPECT_EQ(Rgb(form->ShownPicture()), saved) << "solved " << solved;

        ExpectSvgDrawsThePng(sheet, saved, "classic, solved " + std::to_string(solved));
    }
}

// Every rectangle's SVG, drawn back at a unit a pixel, is its PNG at the same cells: mazes whose
// walls join at every kind of corner, with and without a route, letters and squares.
TEST(Export, AnSvgDrawsTheSamePixelsAsThePngAtEverySize)
{
    for (const MazeSize size : {MazeSize{8, 8}, MazeSize{31, 45}, MazeSize{60, 20}, MazeSize{101, 101}}) {
        const ShapeMaze maze = ShapeMazeOf(MazeFromSeed(kSeed + static_cast<std::uint64_t>(size.width), size));
        for (const Answer answer : {Answer::Hidden, Answer::Shown}) {
            const Sheet sheet{&maze, {}, answer};
            // The PNG at the SVG's cells, where the SVG's square puts them.
            const CellGeometry g = CellGeometry::For(size, PaperSquare(size));
            QImage saved = Rgb(PictureImage(maze, answer));
            if (PaperSquare(size) != kSquare) {
                saved = QImage(PaperSquare(size) + 1, PaperSquare(size) + 1, QImage::Format_RGB32);
                saved.fill(Qt::white);
                QPainter(&saved).drawImage(g.left, g.top, Rgb(CellPictureImage(maze, answer, g.cell)));
            }
            ExpectSvgDrawsThePng(sheet, saved,
                                 std::to_string(size.width) + "x" + std::to_string(size.height) + (answer == Answer::Shown ? " solved" : ""));
        }
    }
}

// Enlarged eight times, each letter on paper is as heavy as on screen: one solid letter as bold
// as the screen's four prints, not the plain glyph.
TEST(Export, SAndGOnPaperAreAsBoldAsOnScreen)
{
    constexpr int kZoom = 8;
    QTemporaryDir dir;
    const ShapeMaze maze = ShapeMazeOf(MazeFromSeed(kSeed));
    const QString svg = dir.filePath("maze.svg");
    ASSERT_FALSE(WriteSheets(svg, {{&maze, {}, Answer::Hidden}}));
    QImage paper(kPictureSide * kZoom, kPictureSide * kZoom, QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    QSvgRenderer(svg).render(&painter);
    painter.end();
    const QImage screen = Rgb(PictureImage(maze, Answer::Hidden, kZoom));
    for (const QRect cell : {QRect(0, 0, 17, 17), QRect(340, 340, 17, 17)}) {
        const QRect area(cell.topLeft() * kZoom, cell.size() * kZoom);
        const auto blue = [&](const QImage& image) {
            int count = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    count += BlueBox(image, QRect(x, y, 1, 1)).isValid();
            return count;
        };
        const double ratio = double(blue(paper)) / blue(screen);
        EXPECT_GT(ratio, 0.85) << "the letter at " << cell.x() << "," << cell.y();
        EXPECT_LT(ratio, 1.15) << "the letter at " << cell.x() << "," << cell.y();
    }
}

TEST(Export, ThePrintPathWritesOnePageWithThePaperMargins)
{
    QTemporaryDir dir;
    const auto form = WindowWithMaze(false);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    const ShapeMaze shown = ShapeMazeOf(form->program().state());
    ASSERT_TRUE(PrintSheet(printer, {&shown, form->MazeCode(), Answer::Shown}));
    EXPECT_EQ(kPaperMargins, printer.pageLayout().margins(QPageLayout::Millimeter));
    QFile printed(dir.filePath("printed.pdf"));
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_EQ(1, QString::fromLatin1(printed.readAll()).count(QRegularExpression("/Type\\s*/Page[^s]")));
}

// Print… shows the page first: one page, the solution on it as the window shows the route, and
// the choice beside the preview draws it again with or without the red route.
TEST(Export, PrintShowsAPreviewOfTheOnePageWithOrWithoutTheSolution)
{
    const auto form = WindowWithMaze(false);
    int pages = 0;
    int redBefore = -1, redAfter = -1;
    const auto red = [](const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                count += c.red() > 200 && c.green() < 80 && c.blue() < 80 ? 1 : 0;
            }
        return count;
    };
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* preview = dialog->findChild<QPrintPreviewWidget*>();
        auto* solution = dialog->findChild<QAction*>(QStringLiteral("PrintSolution"));
        if (preview && solution) {
            dialog->resize(600, 800);
            preview->fitInView();
            QApplication::processEvents();
            pages = preview->pageCount();
            EXPECT_FALSE(solution->isChecked());  // no route in the window: none on the page
            redBefore = red(preview->grab().toImage());
            solution->setChecked(true);
            QApplication::processEvents();
            redAfter = red(preview->grab().toImage());
        }
        dialog->reject();
    });
    form->menu().Print();
    EXPECT_EQ(1, pages);
    EXPECT_EQ(0, redBefore);
    EXPECT_GT(redAfter, 0);
}

TEST(Export, TheMenuActsOnlyOnAMazeAndCopiesThePictureWithItsCode)
{
    Form1 form;
    // Opening a code, from the menu or by pasting, and making worksheets are the things to do
    // before there is a maze.
    for (QAction* action : form.actions())
        EXPECT_EQ(NeedsNoMaze(*action), action->isEnabled()) << action->text().toStdString();
    QApplication::clipboard()->setText("the user's own text");
    form.menu().Copy();  // nothing to copy yet: the clipboard keeps what it had
    form.menu().CopyCode();
    EXPECT_EQ("the user's own text", QApplication::clipboard()->text());
    form.OpenMaze(kSeed);
    // With a maze every action acts, but those that steer a watch in progress.
    for (QAction* action : form.actions())
        EXPECT_EQ(!form.watch().SteeringActions().contains(action), action->isEnabled()) << action->text().toStdString();
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

TEST(Export, ACodeOpensByPastingOrInTheDialogWhichSaysWhatIsWrongAsItIsTyped)
{
    Form1 form;
    const QString code = QString::fromStdString(FormatMazeCode(kSeed));
    // As a word processor would give it: a minus sign for the hyphen, a line end after it.
    QApplication::clipboard()->setText(QString(code).replace('-', QChar(0x2212)) + "\r\n");
    form.menu().PasteCode();
    EXPECT_EQ(code, form.MazeCode());
    EXPECT_EQ(Rgb(WindowWithMaze(false)->ShownPicture()), Rgb(form.ShownPicture()));
    auto* picture = form.findChild<QWidget*>("MazePicture");
    EXPECT_TRUE(picture->toolTip().contains(code));
    EXPECT_TRUE(picture->accessibleDescription().contains(code)) << picture->accessibleDescription().toStdString();

    OpenCodeDialog dialog(&form, kLargestWindowSide, "3F7KQ-M2XWB");
    EXPECT_FALSE(dialog.openButton().isEnabled());
    EXPECT_TRUE(dialog.verdict().text().contains("mistyped")) << dialog.verdict().text().toStdString();
    dialog.field().setText("3F7KQ-M2XW");
    EXPECT_TRUE(dialog.verdict().text().contains("has 9")) << dialog.verdict().text().toStdString();
    // A shape's code mistyped at its front is told what is wrong there, not its length.
    for (const auto& [front, says] : std::vector<std::pair<QString, QString>>{{"B0C1", "2 to 1000 rings, not 1"},
                                                                              {"B0C2000", "2 to 1000 rings, not 2000"},
                                                                              {"BOC9", "character 'O'"},
                                                                              {"Q0C9", "no way to build has the letter Q"},
                                                                              {"B0X9", "no shape has the letter X"}}) {
        dialog.field().setText(front + "-NA431-PHDY7");
        EXPECT_TRUE(dialog.verdict().text().contains(says)) << dialog.verdict().text().toStdString();
    }
    dialog.field().setText(" 3f7kq m2xwa ");
    EXPECT_TRUE(dialog.openButton().isEnabled());
    EXPECT_EQ((SizedSeed{*ParseMazeCode("3F7KQ-M2XWA").seed, kClassicSize}), dialog.Maze());
    // Codes of other sizes, pasted with a full-width x; one too big for the window is refused.
    const SizedSeed wide{kSeed, {31, 45}};
    dialog.field().setText(QString::fromStdString(FormatSizedCode(wide)).replace('x', QChar(0xFF58)));
    EXPECT_EQ(wide, dialog.Maze());
    dialog.field().setText(QString::fromStdString(FormatSizedCode({kSeed, {kLargestWindowSide + 1, 21}})));
    EXPECT_FALSE(dialog.openButton().isEnabled());
    EXPECT_EQ(std::nullopt, dialog.Maze());
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
        const QImage want = PictureImage(ShapeMazeOf(form->Maze()), answer, form->devicePixelRatioF());
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

TEST(Export, TheSizeMenuBuildsOtherSizesCentredAndTwentyOneGivesBackTheClassicWindow)
{
    QTemporaryDir dir;
    Form1 form;
    form.OpenMaze(kSeed);
    const QImage classic = Rgb(form.ShownPicture());
    auto entry = [&](int side) {
        for (QAction* action : form.sizeMenu().actions())
            if (action->data().toInt() == side)
                return action;
        return static_cast<QAction*>(nullptr);
    };
    ASSERT_TRUE(entry(21)->isChecked());

    entry(31)->trigger();
    const MazeState& maze = form.program().state();
    ASSERT_EQ((MazeSize{31, 31}), maze.size);
    EXPECT_TRUE(entry(31)->isChecked());
    EXPECT_FALSE(entry(21)->isChecked());
    const auto code = ParseSizedCode(form.MazeCode().toStdString());
    ASSERT_TRUE(code);
    EXPECT_EQ((MazeSize{31, 31}), code->size);
    EXPECT_EQ(maze.Walls(5, 5), MazeFromSeed(code->seed, code->size).Walls(5, 5));
    // 11-pixel cells centred in the square: the frame runs from 8 to 349, with nothing outside it.
    const QImage shown = Rgb(form.ShownPicture());
    for (int k = 8; k <= 349; ++k) {
        for (const QPoint p : {QPoint(8, k), QPoint(349, k), QPoint(k, 8), QPoint(k, 349)})
            ASSERT_EQ(qRgb(0, 0, 0), shown.pixel(p)) << p.x() << "," << p.y();
        for (const QPoint p : {QPoint(7, k), QPoint(350, k), QPoint(k, 7), QPoint(k, 350)})
            ASSERT_EQ(qRgb(255, 255, 255), shown.pixel(p)) << p.x() << "," << p.y();
    }
    // The route, once drawn, leaves S and G whole: letters bigger than their cells are printed over it.
    auto blue = [](const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixel(x, y) == qRgb(0, 0, 255);
        return count;
    };
    form.command2().click();
    while (form.timer1().isActive())
        form.program().Timer1_Timer();
    EXPECT_GT(blue(shown), 0);
    EXPECT_EQ(blue(shown), blue(Rgb(form.ShownPicture())));
    // Saved, the picture is the one shown.
    const QString png = dir.filePath("maze31.png");
    const ShapeMaze rectangle = ShapeMazeOf(maze);
    ASSERT_FALSE(WriteSheets(png, {{&rectangle, form.MazeCode(), Answer::Shown}}));
    EXPECT_EQ(Rgb(form.ShownPicture()), Rgb(QImage(png)));

    form.OpenMaze(kSeed);
    EXPECT_TRUE(entry(21)->isChecked());
    EXPECT_EQ(classic, Rgb(form.ShownPicture()));
    EXPECT_EQ(QString::fromStdString(FormatMazeCode(kSeed)), form.MazeCode());
}

}  // namespace
}  // namespace tolvane::testing
