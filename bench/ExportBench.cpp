// Benchmarks of one maze page written as PDF and as SVG, through the same code as the export.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>

#include "core/maze/BuildMaze.h"
#include "core/shape/ShapeMaze.h"
#include "qt/paper/Pictures.h"

namespace {

using namespace tolvane;

const ShapeMaze& Maze()
{
    static const ShapeMaze maze = ShapeMazeOf(MazeFromSeed(0x1234'5678'9ABCull));
    return maze;
}

// One more page of a worksheet PDF, its solution drawn: what each page of a long export costs.
// Into memory, so that the disk is not measured.
void BM_PdfPage(benchmark::State& bench)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    QPainter painter(&pdf);
    const QRectF page(0, 0, pdf.width(), pdf.height());
    PaintPage(painter, page, Maze(), Answer::Shown, QStringLiteral("Maze"));
    for (auto _ : bench) {
        pdf.newPage();
        PaintPage(painter, page, Maze(), Answer::Shown, QStringLiteral("Maze"));
    }
    painter.end();
}
BENCHMARK(BM_PdfPage)->Unit(benchmark::kMicrosecond);

// A whole PDF file of one page: the writer's setup and the file's end (the fonts) included.
void BM_PdfFileOfOnePage(benchmark::State& bench)
{
    for (auto _ : bench) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        QPainter painter(&pdf);
        PaintPage(painter, QRectF(0, 0, pdf.width(), pdf.height()), Maze(), Answer::Shown, QStringLiteral("Maze"));
        painter.end();
        benchmark::DoNotOptimize(buffer.data().size());
    }
}
BENCHMARK(BM_PdfFileOfOnePage)->Unit(benchmark::kMicrosecond);

// One picture as an SVG file, its route drawn, as the export writes it.
void BM_SvgPicture(benchmark::State& bench)
{
    for (auto _ : bench)
        benchmark::DoNotOptimize(PictureSvg(Maze(), Answer::Shown, QStringLiteral("Maze")).size());
}
BENCHMARK(BM_SvgPicture)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // fonts for the S and G marks and the caption
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
