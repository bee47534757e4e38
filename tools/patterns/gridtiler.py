#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Design aid for the pattern sources: tiles a silhouette drawn on grid paper with the seven
pieces and prints the piece lines of a figure in the source format (corner form).

The silhouette is drawn one character per unit square (the small triangle's leg):
    #  full square        .  empty
    F  upper-left half    7  upper-right half
    L  lower-left half    J  lower-right half
(each letter has its corner where the half lies). The pieces are then laid with their legs or
sides on the grid lines: small and large triangles, square and parallelogram at even turns,
the medium triangle with its hypotenuse on a grid line. Such a figure turned by 45 degrees
(source line "from <n> turn 1") uses the other half of the exact lattice.

usage: gridtiler.py [--all] < picture     (blank-line separated pictures are tiled in turn)
       gridtiler.py --convert < design > source   (figure blocks, see convert())
"""
import sys

QUARTERS = ((0.5, 1 / 6), (5 / 6, 0.5), (0.5, 5 / 6), (1 / 6, 0.5))  # top, right, bottom, left
HALVES = {'#': (0, 1, 2, 3), '.': (), 'F': (0, 3), '7': (0, 1), 'J': (1, 2), 'L': (2, 3)}


def rotations(shape, mirror=False):
    out = []
    shapes = [shape] + ([[(-x, y) for x, y in shape]] if mirror else [])
    for s in shapes:
        for _ in range(4):
            s = [(-y, x) for x, y in s]
            key = frozenset(s)
            if all(frozenset((x - min(p[0] for p in s), y - min(p[1] for p in s))
                             for x, y in s) != frozenset((x - min(p[0] for p in o),
                                                          y - min(p[1] for p in o))
                                                         for x, y in o) for o in out):
                out.append(s)
    return out


PIECES = [  # kind, template corners, mirror allowed
    ('large', [(0, 0), (2, 0), (0, 2)], False),
    ('large', [(0, 0), (2, 0), (0, 2)], False),
    ('medium', [(0, 0), (2, 0), (1, 1)], False),
    ('square', [(0, 0), (1, 0), (1, 1), (0, 1)], False),
    ('para', [(0, 0), (1, 0), (2, 1), (1, 1)], True),
    ('small', [(0, 0), (1, 0), (0, 1)], False),
    ('small', [(0, 0), (1, 0), (0, 1)], False),
]


def inside(poly, px, py):
    n = len(poly)
    sign = 0
    for i in range(n):
        x1, y1 = poly[i]
        x2, y2 = poly[(i + 1) % n]
        c = (x2 - x1) * (py - y1) - (y2 - y1) * (px - x1)
        if abs(c) < 1e-9:
            return False
        s = 1 if c > 0 else -1
        if sign == 0:
            sign = s
        elif s != sign:
            return False
    return True


def quarters_of(poly):
    xs = [x for x, _ in poly]
    ys = [y for _, y in poly]
    cover = set()
    for i in range(min(xs), max(xs)):
        for j in range(min(ys), max(ys)):
            for q, (cx, cy) in enumerate(QUARTERS):
                if inside(poly, i + cx, j + cy):
                    cover.add((i, j, q))
    return frozenset(cover)


def parse(lines):
    target = set()
    for j, line in enumerate(lines):
        for i, ch in enumerate(line):
            for q in HALVES.get(ch, ()):
                target.add((i, j, q))
    return frozenset(target)


def tile(target, find_all, pieces=None):
    pieces = pieces or PIECES
    w = max(i for i, _, _ in target) + 1
    h = max(j for _, j, _ in target) + 1
    options = []
    for kind, template, mirror in pieces:
        opts = []
        for shape in rotations(template, mirror):
            for dx in range(-2, w + 1):
                for dy in range(-2, h + 1):
                    poly = [(x + dx, y + dy) for x, y in shape]
                    cover = quarters_of(poly)
                    if cover and cover <= target:
                        opts.append((poly, cover))
        options.append((kind, opts))
    solutions = []

    def search(used, left, chosen):
        if not left:
            if all(used):
                solutions.append(list(chosen))
            return
        cell = min(left)
        for k, (kind, opts) in enumerate(options):
            if used[k] or (k > 0 and kind == options[k - 1][0] and not used[k - 1]):
                continue  # twin pieces are laid in order, so each tiling is found once
            for poly, cover in opts:
                if cell in cover and cover <= left:
                    used[k] = True
                    chosen.append((kind, poly))
                    search(used, left - cover, chosen)
                    chosen.pop()
                    used[k] = False
                    if solutions and not find_all:
                        return

    search([False] * len(pieces), target, [])
    return solutions


def convert(text):
    """Turns design blocks into source figures. A block starts with a "figure" line; "%" lines
    inside it are directives: "% without <kind>" leaves a piece out of the tiling (it must then
    come from an "% add <piece line>" directive). Lines starting with "from", "category" or "#"
    pass through unchanged, as do blank lines between blocks."""
    result = []
    errors = 0
    blocks = text.split('\n\n')
    for block in blocks:
        out = []
        result.append(out)
        lines = [l for l in block.split('\n') if l.strip()]
        if not lines or not lines[0].startswith('figure'):
            out.append(block)
            continue
        header, body = lines[0], lines[1:]
        if any(l.strip().startswith('from') for l in body):
            out.append(block)
            continue
        picture = [l for l in body if not l.startswith('%')]
        without = [l.split()[2] for l in body if l.startswith('% without')]
        extra = [l[len('% add '):] for l in body if l.startswith('% add')]
        target = parse(picture)
        pieces = list(PIECES)
        for kind in without:
            idx = max(i for i, p in enumerate(pieces) if p[0] == kind)
            pieces.pop(idx)
        out.append(header)
        out.extend('#   ' + l for l in picture)
        if len(target) != 4 * sum(AREA[p[0]] for p in pieces):
            print(f'{header}: area {len(target) / 4}, expected '
                  f'{sum(AREA[p[0]] for p in pieces)}', file=sys.stderr)
            errors += 1
            out.append('#   NO TILING (area)')
            continue
        sols = tile(target, False, pieces)
        if not sols:
            print(f'{header}: no tiling', file=sys.stderr)
            errors += 1
            out.append('#   NO TILING')
        else:
            for kind, poly in sols[0]:
                out.append(f'  {kind:6} ' + ' '.join(f'{x},{y}' for x, y in poly))
        for e in extra:
            out.append('  ' + e)
    return '\n\n'.join('\n'.join(o) for o in result if o).rstrip() + '\n', errors


AREA = {'large': 2, 'medium': 1, 'square': 1, 'para': 1, 'small': 0.5}


def main():
    if '--convert' in sys.argv:
        text, errors = convert(sys.stdin.read())
        print(text)
        sys.exit(1 if errors else 0)
    find_all = '--all' in sys.argv
    blocks = [b for b in sys.stdin.read().split('\n\n') if b.strip()]
    for block in blocks:
        lines = [l for l in block.split('\n') if l.strip() and not l.startswith('%')]
        target = parse(lines)
        if len(target) != 32:
            print(f'# area {len(target) / 4} square units, not 8')
            continue
        sols = tile(target, find_all)
        print(f'# {len(sols)} tiling(s)')
        for sol in sols[:1]:
            for kind, poly in sol:
                print(f'  {kind:6} ' + ' '.join(f'{x},{y}' for x, y in poly))
        print()


if __name__ == '__main__':
    main()
