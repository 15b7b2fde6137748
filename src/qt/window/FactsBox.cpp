// The facts box.
#include "qt/window/FactsBox.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "core/search/Texture.h"
#include "qt/paper/Export.h"
#include "qt/paper/Pictures.h"
#include "qt/paper/Facts.h"

namespace tolvane {

QString FactsText(const MazeState& maze, const BuildChoice& how, const QString& code)
{
    QStringList lines;
    lines << QCoreApplication::translate("FactsBox", "Maze %1: %2 x %3 cells").arg(code).arg(maze.Width()).arg(maze.Height());
    lines << HowText(how);
    lines << FactLines(MeasureTexture(maze));
    return lines.join(QLatin1Char('\n'));
}

QString ShapeFactsText(const ShapeMaze& maze, const ShapeChoice& shape, const BuildChoice& how, const QString& code)
{
    QStringList lines;
    lines << QCoreApplication::translate("FactsBox", "Maze %1: %2, %3 cells")
                 .arg(code.isEmpty() ? QCoreApplication::translate("FactsBox", "(a picture's outline has no code)") : code)
                 .arg(ShapeTitle(shape))
                 .arg(maze.shape.graph.CellCount());
    lines << WhereSAndGAre(shape.kind);
    lines << HowText(how);
    lines << FactLines(MeasureTexture(maze));
    return lines.join(QLatin1Char('\n'));
}

void ShowFacts(QWidget& parent, const MazeState& maze, const BuildChoice& how, const QString& code)
{
    ShowFactsText(parent, FactsText(maze, how, code));
}

void ShowFactsText(QWidget& parent, const QString& text)
{
    QMessageBox box(QMessageBox::Information, QCoreApplication::translate("FactsBox", "Facts of the Maze"), text,
                    QMessageBox::Ok, &parent);
    box.setObjectName("FactsBox");
    box.exec();
}

}  // namespace tolvane
