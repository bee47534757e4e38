// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/patterns/solver.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <utility>

namespace tangram::patterns {

namespace {

std::vector<int> allOrientations(int shape) {
    std::vector<int> o;
    if (shape == 4) {
        o = {0, 1, 2, 3};
    } else if (shape == 5) {
        for (int i = 0; i < 8; ++i)
            o.push_back(i);
        for (int i = 16; i < 24; ++i)
            o.push_back(i);
    } else {
        for (int i = 0; i < 16; ++i)
            o.push_back(i);
    }
    return o;
}

// Piece numbers of each shape kind, in the order the solver uses them.
constexpr int kFirstPiece[6] = {0, 1, 3, 4, 6, 7};
constexpr int kLastPiece[6] = {0, 2, 3, 5, 6, 7};

} // namespace

const std::array<std::vector<Solver::Footprint>, 6>& Solver::footprints() {
    static const std::array<std::vector<Footprint>, 6> table = [] {
        std::array<std::vector<Footprint>, 6> t;
        for (int shape = 1; shape <= 5; ++shape) {
            for (int o : allOrientations(shape)) {
                // Keyed (row, column) so that the map iterates in reading order.
                std::map<std::pair<int, int>, int> sum;
                for (int e = 1; e <= StampCount(shape); ++e) {
                    const StampEntry s = StampList(shape, e, o);
                    const TCellStamp& stamp = CellStamp(s.stamp);
                    for (int i = stamp.minColumn; i <= stamp.maxColumn; ++i)
                        for (int j = stamp.minRow; j <= stamp.maxRow; ++j)
                            if (stamp.code(i, j) != 0)
                                sum[{s.dr + j, s.dc + i}] += stamp.code(i, j);
                }
                Footprint fp;
                fp.orientation = o;
                for (const auto& [key, code] : sum)
                    fp.cells.push_back({key.second, key.first, code & 0xFF});
                const bool seen =
                    std::any_of(t[shape].begin(), t[shape].end(),
                                [&](const Footprint& f) { return f.cells == fp.cells; });
                if (!seen)
                    t[shape].push_back(std::move(fp));
            }
        }
        return t;
    }();
    return table;
}

Solver::Solver(const TCellGrid& target) : m_target(target) {}

void Solver::run(std::size_t limit, std::uint64_t maxNodes) {
    m_limit = limit;
    m_maxNodes = maxNodes;
    m_stopped = false;
    m_solutions.clear();
    m_board.clear();
    m_used.fill(false);
    m_nodes = 0;
    search(0);
}

bool Solver::tryPlace(int piece, const Footprint& fp, int column, int row) {
    if (column < 0 || column > 120 || row < 0 || row > 80 ||
        !PieceInBounds(piece, column, row, fp.orientation))
        return false;
    for (const auto& [dc, dr, code] : fp.cells) {
        const int c = column + dc;
        const int r = row + dr;
        const int target = m_target.at(c, r);
        if (target == 0 || m_board.at(c, r) + code > target)
            return false;
    }
    return PieceFits(m_board, piece, column, row, fp.orientation);
}

void Solver::search(int fromIndex) {
    if ((m_limit != 0 && m_solutions.size() >= m_limit) || m_stopped)
        return;
    // Cells before fromIndex (reading order) already hold their target codes and no later piece
    // may touch them.
    int index = fromIndex;
    for (; index < kColumns * kRows; ++index) {
        const int c = index % kColumns;
        const int r = index / kColumns;
        if (m_board.at(c, r) != m_target.at(c, r))
            break;
    }
    const bool allUsed = std::all_of(m_used.begin(), m_used.end(), [](bool u) { return u; });
    if (index == kColumns * kRows) {
        if (allUsed) {
            // Pieces whose first cells coincide can be laid in either order, and the two small
            // (large) triangles can swap: count each arrangement once.
            TPatternRecord found = m_current;
            auto key = [](const TPlacement& p) {
                return std::tuple(p.column, p.row, p.orientation);
            };
            if (key(found[1]) < key(found[0]))
                std::swap(found[0], found[1]);
            if (key(found[4]) < key(found[3]))
                std::swap(found[3], found[4]);
            if (std::find(m_solutions.begin(), m_solutions.end(), found) == m_solutions.end())
                m_solutions.push_back(found);
        }
        return;
    }
    if (allUsed)
        return;
    const int c = index % kColumns;
    const int r = index / kColumns;
    for (const int shape : m_order) {
        int piece = 0;
        for (int p = kFirstPiece[shape]; p <= kLastPiece[shape] && piece == 0; ++p)
            if (!m_used[p - 1])
                piece = p;
        if (piece == 0)
            continue;
        for (const Footprint& fp : footprints()[shape]) {
            const int column = c - fp.cells.front()[0];
            const int row = r - fp.cells.front()[1];
            if (m_maxNodes != 0 && m_nodes >= m_maxNodes) {
                m_stopped = true;
                return;
            }
            ++m_nodes;
            if (!tryPlace(piece, fp, column, row))
                continue;
            const TPlacement placement{static_cast<std::uint8_t>(column),
                                       static_cast<std::uint8_t>(row),
                                       static_cast<std::uint8_t>(fp.orientation)};
            AddPieceStamps(m_board, piece, placement);
            m_used[piece - 1] = true;
            m_current[piece - 1] = placement;
            search(index);
            m_used[piece - 1] = false;
            SubtractPieceStamps(m_board, piece, placement);
            if ((m_limit != 0 && m_solutions.size() >= m_limit) || m_stopped)
                return;
        }
    }
}

} // namespace tangram::patterns
