// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/patterns/sourceparser.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace tangram::patterns {

namespace {

constexpr Exact kZero{0, 0};
constexpr Exact kOne{1, 0};
constexpr Exact kTwo{2, 0};
constexpr Exact kDiagonal{0, 2}; // sqrt(2): the medium triangle's leg

// Every character that separates words (as `words` reads them), so that a line of nothing but
// such characters is empty.
constexpr const char* kBlank = " \t\n\v\f\r";

std::string trim(const std::string& s) {
    const auto first = s.find_first_not_of(kBlank);
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(kBlank);
    return s.substr(first, last - first + 1);
}

std::vector<std::string> words(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> out;
    std::string w;
    while (in >> w)
        out.push_back(w);
    return out;
}

bool parseInt(const std::string& s, int& value) {
    if (s.empty() || s.size() > 6)
        return false;
    std::size_t i = (s[0] == '-' || s[0] == '+') ? 1 : 0;
    if (i == s.size())
        return false;
    for (std::size_t k = i; k < s.size(); ++k)
        if (!std::isdigit(static_cast<unsigned char>(s[k])))
            return false;
    value = std::stoi(s);
    return true;
}

// "English | German" -> both names; false unless both are present.
bool splitNames(const std::string& s, std::string& english, std::string& german) {
    const auto bar = s.find('|');
    if (bar == std::string::npos)
        return false;
    english = trim(s.substr(0, bar));
    german = trim(s.substr(bar + 1));
    return !english.empty() && !german.empty();
}

// Which piece a kind word fills next: the first free of its slots, or 0.
int pieceFor(const std::string& kind, const SourceFigure& figure) {
    auto free = [&](int piece) { return figure.pieces[piece - 1].line == 0; };
    if (kind == "small")
        return free(1) ? 1 : (free(2) ? 2 : 0);
    if (kind == "medium")
        return free(3) ? 3 : 0;
    if (kind == "large")
        return free(4) ? 4 : (free(5) ? 5 : 0);
    if (kind == "square")
        return free(6) ? 6 : 0;
    if (kind == "para" || kind == "mpara")
        return free(7) ? 7 : 0;
    return 0;
}

bool isKind(const std::string& w) {
    return w == "small" || w == "medium" || w == "large" || w == "square" || w == "para" ||
           w == "mpara";
}

} // namespace

bool parseExact(const std::string& text, Exact& value) {
    if (text.empty())
        return false;
    if (text.back() != 'd')
        return parseInt(text, value.a) && (value.b = 0, true);
    // "...d": split off the integer part at the last sign that is not the first character.
    const std::string body = text.substr(0, text.size() - 1);
    std::size_t split = std::string::npos;
    for (std::size_t i = body.size(); i-- > 1;)
        if (body[i] == '+' || body[i] == '-') {
            split = i;
            break;
        }
    const std::string aPart = split == std::string::npos ? "" : body.substr(0, split);
    const std::string bPart = split == std::string::npos ? body : body.substr(split);
    int a = 0;
    int b = 0;
    if (!aPart.empty() && !parseInt(aPart, a))
        return false;
    if (bPart.empty() || bPart == "+")
        b = 1; // a bare "d" or "+d"
    else if (bPart == "-")
        b = -1;
    else if (!parseInt(bPart, b))
        return false;
    value = {a, b};
    return true;
}

bool parseExactPoint(const std::string& text, ExactPoint& point) {
    const auto comma = text.find(',');
    return comma != std::string::npos && parseExact(text.substr(0, comma), point.x) &&
           parseExact(text.substr(comma + 1), point.y);
}

std::vector<ExactPoint> canonicalVertices(const std::string& kind, int turn) {
    std::vector<ExactPoint> base;
    if (kind == "small")
        base = {{kZero, kZero}, {-kOne, kZero}, {kZero, -kOne}};
    else if (kind == "medium")
        base = {{kZero, kZero}, {-kDiagonal, kZero}, {kZero, -kDiagonal}};
    else if (kind == "large")
        base = {{kZero, kZero}, {-kTwo, kZero}, {kZero, -kTwo}};
    else if (kind == "square")
        base = {{kZero, kZero}, {-kOne, kZero}, {-kOne, -kOne}, {kZero, -kOne}};
    else if (kind == "para")
        base = {{kZero, kZero}, {-kOne, kZero}, {kZero, -kOne}, {kOne, -kOne}};
    else if (kind == "mpara")
        base = {{kZero, kZero}, {kOne, kZero}, {kZero, -kOne}, {-kOne, -kOne}};
    bool ok = true; // every edge of a piece keeps the lattice under 45-degree turns
    for (auto& v : base)
        v = turned(v, turn, ok);
    return base;
}

CategorySource parseCategorySource(const std::string& text, const std::string& fileName,
                                   std::vector<std::string>& errors) {
    CategorySource result;
    result.file = fileName;
    std::istringstream in(text);
    std::string rawLine;
    int lineNo = 0;
    SourceFigure* figure = nullptr;
    auto fail = [&](int line, const std::string& message) {
        errors.push_back(fileName + ":" + std::to_string(line) + ": " + message);
    };
    auto finishFigure = [&]() {
        if (figure == nullptr)
            return;
        for (int p = 1; p <= 7; ++p)
            if (figure->pieces[p - 1].line == 0)
                fail(figure->line, figure->label() + ": piece " + std::to_string(p) + " (" +
                                       pieceName(p) + ") is missing");
        figure = nullptr;
    };

    while (std::getline(in, rawLine)) {
        ++lineNo;
        const std::string line = trim(rawLine.substr(0, rawLine.find('#')));
        if (line.empty())
            continue;
        const std::vector<std::string> w = words(line);
        if (w.empty())
            continue;
        const std::string rest = trim(line.substr(w[0].size()));
        if (w[0] == "category") {
            int number = -1;
            std::string names;
            if (w.size() < 2 || !parseInt(w[1], number) || number < 0 || number > 7 ||
                !splitNames(trim(rest.substr(w[1].size())), result.english, result.german)) {
                fail(lineNo, "expected: category <0..7> <English> | <German>");
                continue;
            }
            if (result.category >= 0)
                fail(lineNo, "a file holds one category");
            result.category = number;
            continue;
        }
        if (result.category < 0) {
            fail(lineNo, "the file must start with its category line");
            return result;
        }
        if (w[0] == "figure") {
            finishFigure();
            SourceFigure f;
            f.file = fileName;
            f.line = lineNo;
            f.number = static_cast<int>(result.figures.size()) + 1;
            f.category = result.category;
            if (!splitNames(rest, f.english, f.german))
                fail(lineNo, "expected: figure <English name> | <German name>");
            result.figures.push_back(f);
            figure = &result.figures.back();
            continue;
        }
        if (figure == nullptr) {
            fail(lineNo, "piece outside a figure");
            continue;
        }
        if (w[0] == "from") {
            int source = 0;
            int turn = 0;
            bool flip = false;
            bool ok =
                w.size() >= 2 && parseInt(w[1], source) && source >= 1 && source < figure->number;
            for (std::size_t i = 2; ok && i < w.size(); ++i) {
                if (w[i] == "flip")
                    flip = true;
                else if (w[i] == "turn" && i + 1 < w.size() && parseInt(w[i + 1], turn))
                    ++i;
                else
                    ok = false;
            }
            if (!ok) {
                fail(lineNo, figure->label() +
                                 ": expected: from <earlier figure number> [turn <k>] [flip]");
                continue;
            }
            const SourceFigure& original = result.figures[source - 1];
            const int bad = transformPieces(original, turn, flip, figure->pieces);
            for (SourcePiece& piece : figure->pieces)
                piece.line = lineNo;
            if (bad != 0 && original.pieces[bad - 1].raw)
                fail(lineNo, figure->label() + ": figure " + std::to_string(source) +
                                 " is written as placements and cannot be turned");
            else if (bad != 0)
                fail(lineNo, figure->label() + ": piece " + std::to_string(bad) +
                                 " leaves the lattice when turned");
            continue;
        }
        if (!isKind(w[0])) {
            fail(lineNo, figure->label() + ": unknown word '" + w[0] + "'");
            continue;
        }
        const int piece = pieceFor(w[0], *figure);
        if (piece == 0) {
            fail(lineNo, figure->label() + ": one " + w[0] + " too many");
            continue;
        }
        SourcePiece& sp = figure->pieces[piece - 1];
        if (w.size() == 5 && w[1] == "@") {
            int c = 0, r = 0, o = 0;
            if (!parseInt(w[2], c) || !parseInt(w[3], r) || !parseInt(w[4], o) || o < 0 || o > 31) {
                fail(lineNo, figure->label() + ": expected: " + w[0] +
                                 " @ <column> <row> <orientation 0..31>");
                continue;
            }
            sp.line = lineNo;
            sp.raw = true;
            sp.column = c;
            sp.row = r;
            sp.orientation = o;
            continue;
        }
        if (w.size() >= 2 && w[1].find(',') != std::string::npos) {
            // Vertex form: the piece's corners, any order.
            std::vector<ExactPoint> vertices;
            for (std::size_t i = 1; i < w.size(); ++i) {
                ExactPoint v;
                if (!parseExactPoint(w[i], v)) {
                    vertices.clear();
                    break;
                }
                vertices.push_back(v);
            }
            const std::size_t corners = canonicalVertices(w[0], 0).size();
            if (vertices.size() != corners) {
                fail(lineNo, figure->label() + ": expected " + std::to_string(corners) +
                                 " corners x,y for the " + w[0]);
                continue;
            }
            sp.line = lineNo;
            sp.vertices = vertices;
            continue;
        }
        int turn = 0;
        ExactPoint anchor;
        if (w.size() != 4 || !parseInt(w[1], turn) || turn < 0 || turn > 7 ||
            !parseExact(w[2], anchor.x) || !parseExact(w[3], anchor.y)) {
            fail(lineNo, figure->label() + ": expected: " + w[0] + " <turn 0..7> <x> <y>");
            continue;
        }
        sp.line = lineNo;
        sp.mirrored = w[0] == "mpara";
        sp.vertices = canonicalVertices(w[0], turn);
        for (auto& v : sp.vertices)
            v = v + anchor;
    }
    finishFigure();
    if (result.category < 0)
        errors.push_back(fileName + ": no category line");
    return result;
}

} // namespace tangram::patterns
