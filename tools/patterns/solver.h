// SPDX-License-Identifier: GPL-3.0-or-later
// Finds placements of the seven pieces that produce a given silhouette (a target cell grid)
// exactly, or proves that there are none. It is an exact-cover search on cell codes: the first
// cell in reading order whose code is not yet reached must be the first cell of one more piece,
// so each step tries only one anchoring per piece kind and orientation, and a candidate is kept
// only if every cell it covers lies in the silhouette, leaves the running sum at or below the
// target code (codes only grow) and passes the game's collision test. All 16 turn steps and both
// mirror halves are tried, so solutions with 22.5-degree turns are found as well.
#pragma once

#include "model/cellgrid.h"
#include "model/geometry.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tangram::patterns {

class Solver {
public:
    explicit Solver(const TCellGrid& target);

    // Searches until `limit` solutions are found (0 = all) or, when `maxNodes` is not 0, until
    // that many nodes have been visited. The solutions are in `solutions()`.
    void run(std::size_t limit = 1, std::uint64_t maxNodes = 0);

    // The order in which the five piece kinds (1 small triangle .. 5 parallelogram) are tried at
    // each step; 1, 2, 3, 4, 5 unless set. Any order finds the same solutions, but the number of
    // nodes visited before the first one depends on it.
    void setShapeOrder(const std::array<int, 5>& order) { m_order = order; }

    // The node limit ended the search before it was done.
    bool stopped() const { return m_stopped; }

    const std::vector<TPatternRecord>& solutions() const { return m_solutions; }
    // Search nodes visited (placements tried), for reports and benchmarks.
    std::uint64_t nodes() const { return m_nodes; }

private:
    // The cells one piece covers in one orientation, offsets from its reference point in
    // reading order, with the summed codes of its stamps.
    struct Footprint {
        int orientation = 0;
        std::vector<std::array<int, 3>> cells; // (dc, dr, code)
    };

    void search(int fromIndex);
    bool tryPlace(int piece, const Footprint& fp, int column, int row);
    static const std::array<std::vector<Footprint>, 6>& footprints();

    TCellGrid m_target;
    TCellGrid m_board{};
    TPatternRecord m_current{};
    std::array<bool, kPieceCount> m_used{};
    std::vector<TPatternRecord> m_solutions;
    std::size_t m_limit = 1;
    std::uint64_t m_nodes = 0;
    std::uint64_t m_maxNodes = 0;
    bool m_stopped = false;
    std::array<int, 5> m_order{1, 2, 3, 4, 5};
};

} // namespace tangram::patterns
