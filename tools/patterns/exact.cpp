// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/patterns/exact.h"

namespace tangram::patterns {

int Surd::sign() const {
    if (p >= 0 && q >= 0)
        return (p == 0 && q == 0) ? 0 : 1;
    if (p <= 0 && q <= 0)
        return -1;
    // Opposite signs: compare p^2 with 2 q^2 (never equal for whole p, q other than 0).
    const long long pp = p * p;
    const long long qq = 2 * q * q;
    if (p > 0)
        return pp > qq ? 1 : -1;
    return qq > pp ? 1 : -1;
}

int Exact::sign() const {
    return Surd{2LL * a, b}.sign();
}

std::strong_ordering compareExact(Exact x, Exact y) {
    const int s = (x - y).sign();
    return s < 0 ? std::strong_ordering::less
                 : (s > 0 ? std::strong_ordering::greater : std::strong_ordering::equal);
}

std::string Exact::text() const {
    if (b == 0)
        return std::to_string(a);
    std::string bPart;
    if (b == 1)
        bPart = "d";
    else if (b == -1)
        bPart = "-d";
    else
        bPart = std::to_string(b) + "d";
    if (a == 0)
        return bPart;
    return std::to_string(a) + (b > 0 ? "+" : "") + bPart;
}

Exact timesD(Exact value, bool& ok) {
    // (a + b d) d = b/2 + a d, since d^2 = 1/2.
    if (value.b % 2 != 0)
        ok = false;
    return {value.b / 2, value.a};
}

ExactPoint turned(ExactPoint p, int steps, bool& ok) {
    steps = ((steps % 8) + 8) % 8;
    // Quarter turns exactly, (x, y) -> (-y, x): they never leave the lattice, while two 45-degree
    // steps would pass through a point that may be off it.
    for (; steps >= 2; steps -= 2)
        p = {-p.y, p.x};
    if (steps == 1) {
        // 45 degrees clockwise on the screen (y downward): (x, y) -> (d(x - y), d(x + y)).
        const Exact x = timesD(p.x - p.y, ok);
        const Exact y = timesD(p.x + p.y, ok);
        p = {x, y};
    }
    return p;
}

Surd twiceCross(ExactPoint p, ExactPoint q) {
    return twiceProduct(p.x, q.y) - twiceProduct(p.y, q.x);
}

} // namespace tangram::patterns
