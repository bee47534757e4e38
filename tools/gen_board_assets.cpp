// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the pictures of the main window's board and writes them as PNG files into the folder
// given on the command line:
//
//     gen_board_assets resources/board
//
//   tile.png     the 100 x 100 background tile: a grey embossed texture that repeats without a
//                seam (8-bit grey, so at most 256 colours)
//   CRMOVE1.png  the move cursor: four arrows pointing at the corners around a small cross
//   CRTURN2.png  the turn cursor: two arrows circling a dot
//
// The cursors are 32 x 32 and monochrome: every pixel is black, white or transparent (a palette
// PNG with one transparent entry). Their hot spot, pixel (15, 15), is the centre of the drawing.
// Black shapes get a one-pixel white rim so that they stay visible on the black pieces.
//
// Run by hand when a picture is to change; the files are committed and embedded into the ui
// library. The output depends on nothing but this code (fixed noise seed, no clock), so running
// the tool again reproduces the committed pictures; a widget test checks that.

#include <QImage>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {

constexpr double kPi = std::numbers::pi;

// Small deterministic noise source, so that runs on any machine give the same pictures.
class Noise {
public:
    double next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return static_cast<double>(m_state) / 4294967296.0; // 0..1
    }

private:
    std::uint32_t m_state = 0x6C8E9CF5u;
};

// ---------------------------------------------------------------------------------------------
// Background tile

constexpr int kTile = 100;

// Value noise on the torus: random values on a lattice whose period divides the tile, blended
// with a smooth step. Sampling it with wrapped coordinates makes the tile seamless.
class PeriodicNoise {
public:
    PeriodicNoise(int cells, Noise& noise) : m_cells(cells), m_values(cells * cells) {
        for (double& v : m_values) {
            v = noise.next();
        }
    }

    double at(double x, double y) const {
        const double step = static_cast<double>(kTile) / m_cells;
        const double gx = x / step;
        const double gy = y / step;
        const int x0 = static_cast<int>(std::floor(gx));
        const int y0 = static_cast<int>(std::floor(gy));
        const double fx = smooth(gx - x0);
        const double fy = smooth(gy - y0);
        const double top = lerp(value(x0, y0), value(x0 + 1, y0), fx);
        const double bottom = lerp(value(x0, y0 + 1), value(x0 + 1, y0 + 1), fx);
        return lerp(top, bottom, fy);
    }

private:
    static double smooth(double t) { return t * t * (3 - 2 * t); }
    static double lerp(double a, double b, double t) { return a + (b - a) * t; }
    double value(int i, int j) const {
        const int ci = ((i % m_cells) + m_cells) % m_cells;
        const int cj = ((j % m_cells) + m_cells) % m_cells;
        return m_values[static_cast<std::size_t>(cj * m_cells + ci)];
    }

    int m_cells;
    std::vector<double> m_values;
};

QImage makeTile() {
    Noise noise;
    // Coarse lumps, finer grain and a little sand; every period divides 100.
    const PeriodicNoise coarse(4, noise);
    const PeriodicNoise middle(10, noise);
    const PeriodicNoise fine(25, noise);
    const PeriodicNoise grain(50, noise);
    std::array<std::array<double, kTile>, kTile> height{};
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            height[y][x] = 10.0 * coarse.at(x, y) + 5.0 * middle.at(x, y) + 2.0 * fine.at(x, y) +
                           1.0 * grain.at(x, y);
        }
    }
    auto h = [&](int x, int y) { return height[(y + kTile) % kTile][(x + kTile) % kTile]; };

    // Emboss: light from the top left; the slope along the diagonal sets the brightness.
    QImage tile(kTile, kTile, QImage::Format_Grayscale8);
    for (int y = 0; y < kTile; ++y) {
        uchar* line = tile.scanLine(y);
        for (int x = 0; x < kTile; ++x) {
            const double slope = h(x - 1, y - 1) - h(x + 1, y + 1);
            const double grey = 168.0 + 11.0 * slope;
            line[x] = static_cast<uchar>(std::clamp(std::lround(grey), 112L, 224L));
        }
    }
    return tile;
}

// ---------------------------------------------------------------------------------------------
// Cursors

constexpr int kCursor = 32;
constexpr int kHot = 15;

using Mask = std::array<std::array<bool, kCursor>, kCursor>;

struct Point {
    double x;
    double y;
};

// Inside the triangle (a, b, c), edges included with a small tolerance.
bool inTriangle(Point p, Point a, Point b, Point c) {
    auto side = [](Point p1, Point p2, Point q) {
        return (p2.x - p1.x) * (q.y - p1.y) - (p2.y - p1.y) * (q.x - p1.x);
    };
    const double d1 = side(a, b, p);
    const double d2 = side(b, c, p);
    const double d3 = side(c, a, p);
    const double eps = 0.35;
    const bool anyNegative = d1 < -eps || d2 < -eps || d3 < -eps;
    const bool anyPositive = d1 > eps || d2 > eps || d3 > eps;
    return !(anyNegative && anyPositive);
}

// Four arrows on the diagonals, their heads in the corners, around a small cross on the hot spot.
Mask moveCursorShape() {
    Mask black{};
    for (int y = 0; y < kCursor; ++y) {
        for (int x = 0; x < kCursor; ++x) {
            const int dx = x - kHot;
            const int dy = y - kHot;
            const bool cross = (dy == 0 && std::abs(dx) <= 3) || (dx == 0 && std::abs(dy) <= 3);
            // Fold the four quadrants onto the bottom right one.
            const int ax = std::abs(dx);
            const int ay = std::abs(dy);
            const bool shaft = std::abs(ax - ay) <= 1 && ax + ay >= 12 && ax + ay <= 22;
            const bool head = ax <= 14 && ay <= 14 && ax + ay >= 21;
            black[y][x] = cross || shaft || head;
        }
    }
    return black;
}

// Two arcs around a dot on the hot spot, each ending in an arrow head; both arrows turn
// clockwise on the screen, the direction in which dragging turns a piece.
Mask turnCursorShape() {
    Mask black{};
    const double radius = 10.5;
    auto onCircle = [&](double degrees, double r) {
        const double a = degrees * kPi / 180.0;
        return Point{kHot + r * std::cos(a), kHot + r * std::sin(a)};
    };
    // Screen angles grow clockwise because y points down. Each arc runs from `from` to `to`.
    struct Arc {
        double from;
        double to;
    };
    const std::array<Arc, 2> arcs{{{200.0, 318.0}, {20.0, 138.0}}};
    for (int y = 0; y < kCursor; ++y) {
        for (int x = 0; x < kCursor; ++x) {
            const double dx = x - kHot;
            const double dy = y - kHot;
            const double dist = std::sqrt(dx * dx + dy * dy);
            bool on = dist <= 2.3; // the dot
            double degrees = std::atan2(dy, dx) * 180.0 / kPi;
            if (degrees < 0) {
                degrees += 360.0;
            }
            for (const Arc& arc : arcs) {
                if (std::abs(dist - radius) <= 1.0 && degrees >= arc.from && degrees <= arc.to) {
                    on = true;
                }
                // The head: its base straddles the arc's end, its tip lies further round.
                const Point p{static_cast<double>(x), static_cast<double>(y)};
                if (inTriangle(p, onCircle(arc.to, radius - 4.5), onCircle(arc.to, radius + 4.5),
                               onCircle(arc.to + 32.0, radius))) {
                    on = true;
                }
            }
            black[y][x] = on;
        }
    }
    return black;
}

// Black shape, a white rim of one pixel around it (eight neighbours), transparent elsewhere.
QImage cursorImage(const Mask& black) {
    QImage image(kCursor, kCursor, QImage::Format_Indexed8);
    image.setColorTable({qRgba(0, 0, 0, 0), qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < kCursor; ++y) {
        for (int x = 0; x < kCursor; ++x) {
            int index = 0;
            if (black[y][x]) {
                index = 1;
            } else {
                for (int ny = std::max(0, y - 1); ny <= std::min(kCursor - 1, y + 1); ++ny) {
                    for (int nx = std::max(0, x - 1); nx <= std::min(kCursor - 1, x + 1); ++nx) {
                        if (black[ny][nx]) {
                            index = 2;
                        }
                    }
                }
            }
            image.setPixel(x, y, static_cast<uint>(index));
        }
    }
    return image;
}

bool save(const QImage& image, const QString& folder, const char* name) {
    const QString path = folder + QLatin1Char('/') + QLatin1String(name);
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "gen_board_assets: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_board_assets <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const bool ok = save(makeTile(), folder, "tile.png") &&
                    save(cursorImage(moveCursorShape()), folder, "CRMOVE1.png") &&
                    save(cursorImage(turnCursorShape()), folder, "CRTURN2.png");
    return ok ? 0 : 1;
}
