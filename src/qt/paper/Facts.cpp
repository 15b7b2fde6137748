// A maze's facts in words.
#include "qt/paper/Facts.h"

#include <QCoreApplication>
#include <QLocale>

namespace tolvane {
namespace {

struct Words {
    const char* title;
    const char* feel;
};

// In the order of Algorithm.
constexpr Words kWords[] = {
    {QT_TRANSLATE_NOOP("Algorithm", "Regions (classic)"),
     QT_TRANSLATE_NOOP("Algorithm", "Seeded regions grown and joined: short branches everywhere, the classic texture.")},
    {QT_TRANSLATE_NOOP("Algorithm", "Recursive backtracker"),
     QT_TRANSLATE_NOOP("Algorithm", "Long winding corridors and few dead ends: a long route.")},
    {QT_TRANSLATE_NOOP("Algorithm", "Hunt and kill"),
     QT_TRANSLATE_NOOP("Algorithm", "Long corridors like the backtracker's, the route a little straighter.")},
    {QT_TRANSLATE_NOOP("Algorithm", "Growing tree"),
     QT_TRANSLATE_NOOP("Algorithm", "Mostly backtracker, partly Prim: medium corridors and branches.")},
    {QT_TRANSLATE_NOOP("Algorithm", "Prim's algorithm"),
     QT_TRANSLATE_NOOP("Algorithm", "Many short dead ends spreading from the middle: a short, busy route.")},
    {QT_TRANSLATE_NOOP("Algorithm", "Kruskal's algorithm"),
     QT_TRANSLATE_NOOP("Algorithm", "Many short dead ends, evenly spread.")},
    {QT_TRANSLATE_NOOP("Algorithm", "Wilson's algorithm"),
     QT_TRANSLATE_NOOP("Algorithm", "Every maze equally likely: many dead ends, a fairly winding route.")},
};
static_assert(std::size(kWords) == kAlgorithms.size());

QString Percent(double share) { return QLocale().toString(100 * share, 'f', 1); }

}  // namespace

QString AlgorithmTitle(Algorithm a) { return QCoreApplication::translate("Algorithm", kWords[static_cast<int>(a)].title); }
QString AlgorithmFeel(Algorithm a) { return QCoreApplication::translate("Algorithm", kWords[static_cast<int>(a)].feel); }

QString HowText(const BuildChoice& how)
{
    if (how.routeFirst)
        return QCoreApplication::translate("Facts", "%1, route laid first").arg(AlgorithmTitle(how.algorithm));
    if (how.braid > 0)
        return QCoreApplication::translate("Facts", "%1, %2 % of the dead ends opened into loops").arg(AlgorithmTitle(how.algorithm)).arg(how.braid);
    return AlgorithmTitle(how.algorithm);
}

QString ShapeTitle(const ShapeChoice& shape)
{
    const int w = shape.size.width, h = shape.size.height;
    switch (shape.kind) {
    case ShapeKind::Rectangle:
        return QCoreApplication::translate("Facts", "Rectangle, %1 × %2").arg(w).arg(h);
    case ShapeKind::Circle:
        return QCoreApplication::translate("Facts", "Circle, %1 rings").arg(w);
    case ShapeKind::Hexagon:
        return QCoreApplication::translate("Facts", "Hexagon, %1 cells a side").arg(w);
    case ShapeKind::HexagonRectangle:
        return QCoreApplication::translate("Facts", "Hexagons in a rectangle, %1 × %2").arg(w).arg(h);
    case ShapeKind::Triangle:
        return QCoreApplication::translate("Facts", "Triangle, %1 cells a side").arg(w);
    case ShapeKind::TriangleRectangle:
        return QCoreApplication::translate("Facts", "Triangles in a rectangle, %1 × %2").arg(w).arg(h);
    case ShapeKind::Outline:
        return shape.word.empty() ? QCoreApplication::translate("Facts", "Outline of a picture")
                                  : QCoreApplication::translate("Facts", "Outline of the word %1").arg(QString::fromStdString(shape.word));
    }
    return {};
}

QStringList FactLines(const Texture& t)
{
    QStringList lines;
    lines << QCoreApplication::translate("Facts", "Route: %1 cells, %2 % of the maze").arg(t.route).arg(Percent(t.RouteShare()));
    lines << QCoreApplication::translate("Facts", "Decisions on the route: %1").arg(t.decisions);
    if (t.turns >= 0)
        lines << QCoreApplication::translate("Facts", "Turns on the route: %1").arg(t.turns);
    lines << QCoreApplication::translate("Facts", "Dead ends: %1, %2 % of the cells").arg(t.deadEnds).arg(Percent(t.DeadEndShare()));
    lines << QCoreApplication::translate("Facts", "False branches: %1, the longest %2 cells deep, %3 on average")
                 .arg(t.branches)
                 .arg(t.longestBranch)
                 .arg(QLocale().toString(t.meanBranch, 'f', 1));
    lines << QCoreApplication::translate("Facts", "Longest path: %1 cells").arg(t.longestPath);
    return lines;
}

QString FactsSummary(const Texture& t)
{
    QString text = QCoreApplication::translate("Facts", "route %1 cells (%2 %) · %3 decisions")
                       .arg(t.route)
                       .arg(QLocale().toString(100 * t.RouteShare(), 'f', 0))
                       .arg(t.decisions);
    if (t.turns >= 0)
        text += QCoreApplication::translate("Facts", " · %1 turns").arg(t.turns);
    return text + QCoreApplication::translate("Facts", " · longest false branch %1").arg(t.longestBranch);
}

}  // namespace tolvane
