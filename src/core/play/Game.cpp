// A game played by hand on a maze graph.
#include "core/play/Game.h"

#include "core/search/Searches.h"

namespace tolvane {

void PlayClock::Reset()
{
    elapsed_ = 0;
    since_ = 0;
    started_ = false;
    stopped_ = false;
}

void PlayClock::Start(Millis now)
{
    if (started_)
        return;
    started_ = true;
    since_ = now;
}

void PlayClock::Stop(Millis now)
{
    elapsed_ = Elapsed(now);
    stopped_ = true;
}

void PlayClock::SetAway(bool away, Millis now)
{
    if (away == away_)
        return;
    elapsed_ = Elapsed(now);
    away_ = away;
    since_ = now;
}

void Game::Start(const MazeGraph& graph)
{
    start_ = graph.start;
    Clear();
    place_.assign(static_cast<std::size_t>(graph.CellCount()), -1);
    place_[static_cast<std::size_t>(start_)] = 0;
    active_ = true;
}

void Game::Clear()
{
    trail_.assign(1, start_);
    place_.clear();
    moves_ = 0;
    shortestMoves_ = 0;
    hints_ = 0;
    active_ = false;
    finished_ = false;
    clock_.Reset();
}

MoveOutcome Game::Move(const MazeGraph& graph, const Passages& passages, CellId to, Millis now)
{
    if (!active_ || finished_)
        return MoveOutcome::Ignored;
    bool open = false;
    for (const Link& l : graph.Neighbours(Marker()))
        open = open || (l.to == to && passages.Open(l.wall));
    if (!open)
        return MoveOutcome::Blocked;
    clock_.Start(now);
    ++moves_;
    // In a perfect maze only the cell just left can already be on the trail; cutting the trail
    // back to any cell it holds keeps it a simple path in a maze with loops too.
    MoveOutcome outcome = MoveOutcome::Moved;
    if (const std::int32_t on = place_[static_cast<std::size_t>(to)]; on >= 0) {
        for (std::size_t i = static_cast<std::size_t>(on) + 1; i < trail_.size(); ++i)
            place_[static_cast<std::size_t>(trail_[i])] = -1;
        trail_.resize(static_cast<std::size_t>(on) + 1);
        outcome = MoveOutcome::SteppedBack;
    } else {
        place_[static_cast<std::size_t>(to)] = static_cast<std::int32_t>(trail_.size());
        trail_.push_back(to);
    }
    if (to == graph.goal) {
        finished_ = true;
        clock_.Stop(now);
        const GraphRoute shortest = SearchBreadthFirst(graph, passages, graph.start, graph.goal);
        shortestMoves_ = shortest.cells.empty() ? 0 : static_cast<int>(shortest.cells.size()) - 1;
        outcome = MoveOutcome::Reached;
    }
    return outcome;
}

std::optional<CellId> Game::Hint(const MazeGraph& graph, const Passages& passages)
{
    if (!active_ || finished_)
        return std::nullopt;
    const GraphRoute route = SearchBreadthFirst(graph, passages, Marker(), graph.goal);
    if (route.cells.size() < 2)
        return std::nullopt;
    ++hints_;
    return route.cells[1];
}

}  // namespace tolvane
