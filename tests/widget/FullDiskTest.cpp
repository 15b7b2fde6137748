// A write that fails half-way, as on a full disk: Linux's file-size limit stands in for the disk.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>

#include "core/watch/Watch.h"
#include "qt/window/Form1.h"
#include "qt/window/watch/SaveAnimation.h"

namespace tolvane::testing {
namespace {

// A game played in the window along the whole route from S to G.
void PlayToTheGoal(Form1& form)
{
    form.OpenMaze(0x2468'ACE0'1357ull);
    Program& program = form.program();
    const std::vector<StepEvent> route = RecordRoute(program.state());
    program.Play_Start();
    const int w = program.state().Width();
    for (std::size_t i = 1; i < route.size(); ++i) {
        const CellId from = route[i - 1].cell;
        const CellId to = route[i].cell;
        const Direction d = to == from + 1 ? Direction::Right : to == from - 1 ? Direction::Left : to == from + w ? Direction::Down : Direction::Up;
        ASSERT_NE(program.Play_Move(d, static_cast<Millis>(i)), MoveOutcome::Blocked) << i;
    }
}

TEST(Animation, AWriteThatFailsHalfWayLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("game.gif"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older animation");
    old.close();
    Form1 form;
    PlayToTheGoal(form);  // some 4 KB of GIF
    // Files may grow to 1 KB: the write fails part of the way (root or not), as on a full disk.
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &small);
    const auto error = WriteShownAnimation(path, form.Maze(), form.ShownGame(), Answer::Hidden, 50);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, handler);
    ASSERT_TRUE(error.has_value()) << QFileInfo(path).size();
    EXPECT_FALSE(error->contains(QLatin1Char('\n')));
    EXPECT_TRUE(error->contains(path) && error->contains(QStringLiteral("too large"))) << error->toStdString();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("an older animation"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("game.gif")});
}

}  // namespace
}  // namespace tolvane::testing
