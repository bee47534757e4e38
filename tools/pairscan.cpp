// SPDX-License-Identifier: GPL-3.0-or-later
// Looks for put-downs that depend on the order of the pieces. The compatible pair table lists
// which cell code may be laid onto which; a pair held one way only could accept two pieces in
// one order and refuse them in the other. This scans every two pieces at every orientation and
// every offset up to a limit exhaustively, then samples arrangements of three pieces at random,
// and prints each order-dependent case it finds.
// usage: pairscan [max offset, default 31] [three-piece samples, default 2000000]
#include "model/cellgrid.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

using namespace tangram;

namespace {

constexpr int kCentreColumn = 60;
constexpr int kCentreRow = 40;

bool fitsOnto(const TCellGrid& grid, int piece, TPlacement p) {
    return PieceFits(grid, piece, p.column, p.row, p.orientation);
}

} // namespace

int main(int argc, char** argv) {
    const int reach = argc > 1 ? std::atoi(argv[1]) : 31;
    const long samples = argc > 2 ? std::atol(argv[2]) : 2000000;

    // Each piece alone at the centre, in each orientation.
    std::vector<TCellGrid> alone(static_cast<std::size_t>(kPieceCount * kOrientations));
    auto aloneAt = [&](int piece, int orientation) -> TCellGrid& {
        return alone[static_cast<std::size_t>((piece - 1) * kOrientations + orientation)];
    };
    for (int piece = 1; piece <= kPieceCount; ++piece)
        for (int o = 0; o < kOrientations; ++o)
            AddPieceStamps(aloneAt(piece, o), piece,
                           {kCentreColumn, kCentreRow, static_cast<std::uint8_t>(o)});

    long pairs = 0, dependent = 0;
    for (int a = 1; a <= kPieceCount; ++a)
        for (int oa = 0; oa < kOrientations; ++oa)
            for (int b = a; b <= kPieceCount; ++b)
                for (int ob = 0; ob < kOrientations; ++ob)
                    for (int dc = -reach; dc <= reach; ++dc)
                        for (int dr = -reach; dr <= reach; ++dr) {
                            const TPlacement pb{static_cast<std::uint8_t>(kCentreColumn + dc),
                                                static_cast<std::uint8_t>(kCentreRow + dr),
                                                static_cast<std::uint8_t>(ob)};
                            const TPlacement pa{static_cast<std::uint8_t>(kCentreColumn - dc),
                                                static_cast<std::uint8_t>(kCentreRow - dr),
                                                static_cast<std::uint8_t>(oa)};
                            if (!PieceInBounds(b, pb.column, pb.row, ob) ||
                                !PieceInBounds(a, pa.column, pa.row, oa))
                                continue;
                            ++pairs;
                            // a at the centre, then b; and b at the centre, then a (the same
                            // arrangement moved by the offset).
                            const bool forward = fitsOnto(aloneAt(a, oa), b, pb);
                            const bool backward = fitsOnto(aloneAt(b, ob), a, pa);
                            if (forward != backward) {
                                ++dependent;
                                std::printf("two pieces: %d o%d at centre, %d o%d at %+d,%+d: %s\n", a,
                                            oa, b, ob, dc, dr,
                                            forward ? "only this order" : "only the reverse");
                            }
                        }
    std::printf("two pieces: %ld arrangements, %ld depend on the order\n", pairs, dependent);

    // Three pieces: two that fit together, then a third laid onto both, in all six orders.
    std::mt19937 random(20261208);
    long triples = 0, dependentTriples = 0;
    std::uniform_int_distribution<int> pieceOf(1, kPieceCount), orientationOf(0, kOrientations - 1),
        offsetOf(-14, 14);
    for (long n = 0; n < samples; ++n) {
        std::array<int, 3> piece{};
        std::array<TPlacement, 3> at{};
        for (int k = 0; k < 3; ++k) {
            piece[static_cast<std::size_t>(k)] = pieceOf(random);
            at[static_cast<std::size_t>(k)] = {static_cast<std::uint8_t>(kCentreColumn + offsetOf(random)),
                                               static_cast<std::uint8_t>(kCentreRow + offsetOf(random)),
                                               static_cast<std::uint8_t>(orientationOf(random))};
        }
        std::array<int, 3> order{0, 1, 2};
        int accepted = 0, orders = 0;
        do {
            TCellGrid grid{};
            bool all = true;
            for (int k : order) {
                const std::size_t i = static_cast<std::size_t>(k);
                if (!PieceInBounds(piece[i], at[i].column, at[i].row, at[i].orientation) ||
                    !fitsOnto(grid, piece[i], at[i])) {
                    all = false;
                    break;
                }
                AddPieceStamps(grid, piece[i], at[i]);
            }
            accepted += all;
            ++orders;
        } while (std::next_permutation(order.begin(), order.end()));
        if (accepted == 0)
            continue;
        ++triples;
        if (accepted != orders) {
            ++dependentTriples;
            std::printf("three pieces: %d o%d %d,%d / %d o%d %d,%d / %d o%d %d,%d: %d of 6 orders\n",
                        piece[0], at[0].orientation, at[0].column, at[0].row, piece[1],
                        at[1].orientation, at[1].column, at[1].row, piece[2], at[2].orientation,
                        at[2].column, at[2].row, accepted);
        }
    }
    std::printf("three pieces: %ld arrangements accepted in some order, %ld depend on the order\n",
                triples, dependentTriples);
    return dependent + dependentTriples == 0 ? 0 : 1;
}
