// SPDX-License-Identifier: GPL-3.0-or-later
// Exact tangram geometry. With the small triangle's leg as the unit and turns in 45-degree steps,
// every vertex coordinate of a figure is a + b*d with whole a and b, where d = sqrt(2)/2 is half
// the square's diagonal. The board maps such a value to 10a + 7b grid units, which puts every
// piece exactly onto the game's outline tables. Comparisons and products are done exactly in
// Q(sqrt 2); no floating point is involved anywhere.
#pragma once

#include <compare>
#include <string>

namespace tangram::patterns {

// a + b*d with d = sqrt(2)/2.
struct Exact {
    int a = 0;
    int b = 0;

    friend constexpr bool operator==(const Exact&, const Exact&) = default;
    friend constexpr Exact operator+(Exact x, Exact y) { return {x.a + y.a, x.b + y.b}; }
    friend constexpr Exact operator-(Exact x, Exact y) { return {x.a - y.a, x.b - y.b}; }
    friend constexpr Exact operator-(Exact x) { return {-x.a, -x.b}; }

    // The board distance in grid units.
    constexpr int cells() const { return 10 * a + 7 * b; }
    // Its sign: -1, 0 or 1.
    int sign() const;
    // Written as the source files write it: "2", "-d", "1+3d".
    std::string text() const;
};

std::strong_ordering compareExact(Exact x, Exact y);

// p + q*sqrt(2) with whole p and q: the type of (twice) products of two Exact values, used for
// cross products and areas.
struct Surd {
    long long p = 0;
    long long q = 0;

    friend constexpr bool operator==(const Surd&, const Surd&) = default;
    friend constexpr Surd operator+(Surd x, Surd y) { return {x.p + y.p, x.q + y.q}; }
    friend constexpr Surd operator-(Surd x, Surd y) { return {x.p - y.p, x.q - y.q}; }
    int sign() const;
};

// Twice the product x*y, which is always of the form p + q*sqrt(2) with whole p and q.
constexpr Surd twiceProduct(Exact x, Exact y) {
    // (a1 + b1 d)(a2 + b2 d) = a1 a2 + b1 b2 / 2 + (a1 b2 + a2 b1) sqrt(2) / 2
    return {2LL * x.a * y.a + 1LL * x.b * y.b, 1LL * x.a * y.b + 1LL * x.b * y.a};
}

// A point of the exact plane; x to the right, y downward as on the screen.
struct ExactPoint {
    Exact x;
    Exact y;

    friend constexpr bool operator==(const ExactPoint&, const ExactPoint&) = default;
    friend constexpr ExactPoint operator+(ExactPoint p, ExactPoint q) {
        return {p.x + q.x, p.y + q.y};
    }
    friend constexpr ExactPoint operator-(ExactPoint p, ExactPoint q) {
        return {p.x - q.x, p.y - q.y};
    }
};

// Multiplies by d. The result is on the lattice only when b is even; `ok` reports that.
Exact timesD(Exact value, bool& ok);

// Turns `p` about the origin by `steps` * 45 degrees clockwise as seen on the screen (steps taken
// modulo 8). Fails (ok = false) when a 45-degree step would leave the lattice, which happens
// exactly when the b parts of x and y differ in parity.
ExactPoint turned(ExactPoint p, int steps, bool& ok);
// The mirror image about the vertical axis through the origin.
constexpr ExactPoint mirrored(ExactPoint p) {
    return {-p.x, p.y};
}

// Twice the cross product (p x q), exactly.
Surd twiceCross(ExactPoint p, ExactPoint q);

} // namespace tangram::patterns
