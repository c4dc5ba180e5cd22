#include "level_search.h"

#include <algorithm>
#include <deque>
#include <set>
#include <string>
#include <unordered_set>

namespace zvtools {
namespace {

constexpr int kMaxRun = 3;  // straight pieces that count towards a bounce
constexpr int kBehind = 2;  // pieces a bounce can carry the car back at most
constexpr int kReversing = 10;  // mode = kReversing + pieces still to go back
// A level with many pushable blocks close together has very many states; past this many the
// search gives up rather than run for ever.
constexpr std::size_t kMaxStates = 300000;

struct State {
    int piece = 0, column = 0, mode = 0;  // mode < kReversing: run-up in pieces
    std::vector<int> pushed;  // cells (piece * 32 + column) whose block was pushed away
    std::vector<int> collected;  // gem cells collected within reach behind the car

    std::string Key() const
    {
        std::string k = std::to_string(piece) + ',' + std::to_string(column) + ',' + std::to_string(mode) + '|';
        for (int p : pushed) k += std::to_string(p) + ',';
        k += '|';
        for (int g : collected) k += std::to_string(g) + ',';
        return k;
    }
};

int CellId(int piece, int column) { return piece * LevelMap::kColumns + column; }
bool Contains(const std::vector<int>& v, int x) { return std::binary_search(v.begin(), v.end(), x); }
void Insert(std::vector<int>& v, int x)
{
    auto at = std::lower_bound(v.begin(), v.end(), x);
    if (at == v.end() || *at != x) v.insert(at, x);
}

class Search {
public:
    Search(const LevelMap& map, bool wantAllGems) : map_(map), allGems_(wantAllGems) {}

    // Explores every state; true when the finish was reached (with every gem, when wanted). The
    // run ends at the finish, so nothing is explored beyond it.
    bool Run()
    {
        State first;
        first.column = 16;  // the car starts at angle 0, over column 16 of piece 0
        Visit(first);
        bool finished = false;
        while (!queue_.empty()) {
            if (seen_.size() > kMaxStates) {
                exhausted_ = true;
                return false;
            }
            State s = std::move(queue_.front());
            queue_.pop_front();
            if (s.piece == map_.finish) {
                if (!allGems_ || AllGemsBehindCollected(s)) finished = true;
                if (allGems_ && finished) return true;
                continue;
            }
            Expand(s);
        }
        return finished;
    }

    const std::set<int>& VisitedCells() const { return visitedCells_; }
    bool Exhausted() const { return exhausted_; }

private:
    bool Solid(const State& s, int piece, int column) const
    {
        if (piece < 0 || piece >= map_.PieceCount()) return true;
        const Cell c = map_.At(piece, column);
        if (c == Cell::Fixed) return true;
        if (c == Cell::Pushable && !Contains(s.pushed, CellId(piece, column))) return true;
        return piece > 0 && Contains(s.pushed, CellId(piece - 1, column));  // pushed in from behind
    }

    bool AllGemsBehindCollected(const State& s) const
    {
        for (int p = std::max(0, s.piece - kBehind); p < s.piece; ++p)
            for (int c = 0; c < LevelMap::kColumns; ++c)
                if (map_.At(p, c) == Cell::Gem && !Contains(s.collected, CellId(p, c))) return false;
        return true;
    }

    // Moves the car to (piece, column) in a mode; drops what lies out of reach behind it. A gem
    // left behind uncollected ends this line of the search when every gem is wanted.
    void MoveTo(State s, int piece, int column, int mode)
    {
        if (piece > s.piece) {
            const int leaving = s.piece - kBehind;  // falls out of reach
            if (leaving >= 0) {
                for (int c = 0; c < LevelMap::kColumns; ++c) {
                    const int id = CellId(leaving, c);
                    if (allGems_ && map_.At(leaving, c) == Cell::Gem && !Contains(s.collected, id)) return;
                    s.collected.erase(std::remove(s.collected.begin(), s.collected.end(), id), s.collected.end());
                }
                const int stale = CellId(leaving - 1, LevelMap::kColumns - 1);  // blocks pushed from there
                s.pushed.erase(std::remove_if(s.pushed.begin(), s.pushed.end(), [&](int id) { return id <= stale; }),
                               s.pushed.end());
            }
        }
        s.piece = piece;
        s.column = column;
        s.mode = mode;
        Visit(std::move(s));
    }

    void Visit(State s)
    {
        if (map_.At(s.piece, s.column) == Cell::Gem && s.piece != map_.finish) {
            visitedCells_.insert(CellId(s.piece, s.column));
            if (allGems_) Insert(s.collected, CellId(s.piece, s.column));
        }
        if (seen_.insert(s.Key()).second) queue_.push_back(std::move(s));
    }

    void Expand(const State& s)
    {
        const bool reversing = s.mode >= kReversing;
        for (int step : {-1, 1}) {  // steering
            const int column = (s.column + step + LevelMap::kColumns) % LevelMap::kColumns;
            if (!Solid(s, s.piece, column)) MoveTo(s, s.piece, column, s.mode);
        }
        if (reversing) {
            const int left = s.mode - kReversing;
            MoveTo(s, s.piece, s.column, 0);  // the bounce dies out here
            if (!Solid(s, s.piece - 1, s.column))
                MoveTo(s, s.piece - 1, s.column, left > 1 ? kReversing + left - 1 : 0);
            return;
        }
        if (!Solid(s, s.piece + 1, s.column)) {
            MoveTo(s, s.piece + 1, s.column, std::min(s.mode + 1, kMaxRun));
            return;
        }
        if (s.mode == 0) return;  // too slow to bounce: the car just stops against the block
        State after = s;
        const int ahead = s.piece + 1;
        if (ahead < map_.PieceCount() && map_.At(ahead, s.column) == Cell::Pushable &&
            !Contains(s.pushed, CellId(ahead, s.column)) && !Solid(s, ahead + 1, s.column))
            Insert(after.pushed, CellId(ahead, s.column));
        const int back = std::min(s.mode, kMaxRun) - 1;
        MoveTo(after, s.piece, s.column, back > 0 ? kReversing + back : 0);
    }

    const LevelMap& map_;
    bool allGems_;
    std::deque<State> queue_;
    std::unordered_set<std::string> seen_;
    std::set<int> visitedCells_;
    bool exhausted_ = false;
};

}  // namespace

LevelReach ExploreLevel(const LevelMap& map)
{
    LevelReach reach;
    Search anyWay(map, false);
    reach.finishReachable = anyWay.Run();
    if (anyWay.Exhausted()) {
        reach.tooComplex = true;
        return reach;
    }
    for (int p = 0; p < map.PieceCount(); ++p)
        for (int c = 0; c < LevelMap::kColumns; ++c)
            if (map.At(p, c) == Cell::Gem && !anyWay.VisitedCells().count(CellId(p, c)))
                reach.unreachableGems.push_back({p, c});
    if (reach.finishReachable && reach.unreachableGems.empty()) {
        Search oneRun(map, true);
        reach.allGemsInOneRun = oneRun.Run();
        reach.tooComplex = oneRun.Exhausted();
    }
    return reach;
}

}  // namespace zvtools
