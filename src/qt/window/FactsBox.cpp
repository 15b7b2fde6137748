// The facts box.
#include "qt/window/FactsBox.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "core/graph/Texture.h"
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

void ShowFacts(QWidget& parent, const MazeState& maze, const BuildChoice& how, const QString& code)
{
    QMessageBox box(QMessageBox::Information, QCoreApplication::translate("FactsBox", "Facts of the Maze"),
                    FactsText(maze, how, code), QMessageBox::Ok, &parent);
    box.setObjectName("FactsBox");
    box.exec();
}

}  // namespace tolvane
