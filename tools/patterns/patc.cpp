// SPDX-License-Identifier: GPL-3.0-or-later
// patc: the pattern library compiler, checker, renderer and solver.
//
//   patc build -o <kelm.dat> <category files...>   check everything, write the library
//   patc check <category files...>                 check everything, print a summary
//   patc sheet <category> -o <png> <files...>      contact sheet of one category
//   patc blind <category> <seed> -o <prefix> [--names] <files...>
//                                                  shuffled pages without names, and a key
//   patc cells <category> <number> <files...>      cell codes of one figure's silhouette
//   patc solve <category> <number> [--all] <files...>
//                                                  solve the figure's silhouette from its cells
//   patc shapes <files...>                         the convex tangrams' hull signatures
//   patc outline <category> <number|all> <files...>
//                                                  figures as their outlines, for redrawing
//   patc fill <file>                               the file with each figure drawn as an
//                                                  outline (ring/hole lines) filled with pieces
//   patc rank <category> <files...>                difficulty of each figure, in the order
//                                                  the file should hold them
//
// Category files are given in category order; figures are numbered from 1 within a category.
// Every problem is printed as "file:line: figure: piece: reason"; the exit status is 1 if any.
#include "tools/patterns/contactsheet.h"
#include "tools/patterns/convexshape.h"
#include "tools/patterns/difficulty.h"
#include "tools/patterns/library.h"
#include "tools/patterns/outlinefill.h"
#include "tools/patterns/silhouette.h"
#include "tools/patterns/solver.h"

#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numeric>
#include <random>
#include <set>
#include <string>
#include <vector>

using namespace tangram;
using namespace tangram::patterns;

namespace {

int usage() {
    std::cerr << "usage: patc build -o <kelm.dat> <files...>\n"
                 "       patc check <files...>\n"
                 "       patc sheet <category> -o <png> <files...>\n"
                 "       patc blind <category> <seed> -o <prefix> [--names] <files...>\n"
                 "       patc cells <category> <number> <files...>\n"
                 "       patc rank <category> <files...>\n"
                 "       patc solve <category> <number> [--all] <files...>\n"
                 "       patc shapes <files...>\n"
                 "       patc outline <category> <number|all> <files...>\n"
                 "       patc fill <file>\n";
    return 2;
}

bool toInt(const std::string& s, int& v) {
    try {
        std::size_t used = 0;
        v = std::stoi(s, &used);
        return used == s.size();
    } catch (...) {
        return false;
    }
}

Library load(const std::vector<std::string>& files, bool& ok) {
    std::vector<std::string> errors;
    Library library = buildLibraryFromFiles(files, errors);
    for (const std::string& e : errors)
        std::cerr << e << "\n";
    ok = errors.empty();
    return library;
}

void printSummary(const Library& library) {
    for (const CategorySource& c : library.categories)
        std::cout << "category " << c.category << " " << c.english << ": "
                  << library.inCategory(c.category).size() << " figures\n";
    std::set<std::string> shapes;
    for (const CompiledFigure* f : library.inCategory(6)) {
        const ConvexShape s = convexShapeOf(f->source);
        if (s.convex)
            shapes.insert(s.signature);
    }
    std::cout << "distinct convex shapes: " << shapes.size() << "\n";
}

const CompiledFigure* pick(const Library& library, const std::string& cat, const std::string& num) {
    int category = -1;
    int number = 0;
    if (!toInt(cat, category) || !toInt(num, number))
        return nullptr;
    const auto figures = library.inCategory(category);
    if (number < 1 || number > static_cast<int>(figures.size()))
        return nullptr;
    return figures[number - 1];
}

bool writeAtomically(const std::string& path, const std::string& bytes) {
    const std::string temp = path + ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush())
            return false;
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    return !ec;
}

int build(std::vector<std::string> args) {
    if (args.size() < 3 || args[0] != "-o")
        return usage();
    const std::string out = args[1];
    args.erase(args.begin(), args.begin() + 2);
    bool ok = false;
    const Library library = load(args, ok);
    if (!ok) {
        std::cerr << "patc: the pattern library has errors; " << out << " not written\n";
        return 1;
    }
    if (!writeAtomically(out, libraryBytes(library))) {
        std::cerr << "patc: cannot write " << out << "\n";
        return 1;
    }
    std::cout << "wrote " << library.figures.size() << " figures to " << out << "\n";
    return 0;
}

int sheet(int argc, char** argv, std::vector<std::string> args) {
    int category = -1;
    if (args.size() < 4 || !toInt(args[0], category) || args[1] != "-o")
        return usage();
    const std::string out = args[2];
    args.erase(args.begin(), args.begin() + 3);
    bool ok = false;
    const Library library = load(args, ok);
    // Fonts need a GUI application; no window is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QImage image = renderContactSheet(library, category);
    if (!image.save(QString::fromStdString(out), "PNG")) {
        std::cerr << "patc: cannot write " << out << "\n";
        return 1;
    }
    return ok ? 0 : 1;
}

// Shuffled, uncaptioned pages of one category for a naming test: <prefix>-<page>.png with 20
// figures each, and <prefix>.key listing page, tile and name, to be read only afterwards. Seed 0
// keeps the file's order; --names adds the captions (pages for review).
int blind(int argc, char** argv, std::vector<std::string> args) {
    int category = -1;
    int seed = 0;
    if (args.size() < 5 || !toInt(args[0], category) || !toInt(args[1], seed) || args[2] != "-o")
        return usage();
    const std::string prefix = args[3];
    args.erase(args.begin(), args.begin() + 4);
    const auto names = std::find(args.begin(), args.end(), "--names");
    const bool captions = names != args.end();
    if (captions)
        args.erase(names);
    bool ok = false;
    const Library library = load(args, ok);
    std::vector<const CompiledFigure*> figures = library.inCategory(category);
    if (seed != 0)
        std::shuffle(figures.begin(), figures.end(), std::mt19937(static_cast<unsigned>(seed)));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    constexpr std::size_t kPage = 20;
    std::ofstream key(prefix + ".key");
    for (std::size_t first = 0; first < figures.size(); first += kPage) {
        const std::size_t page = first / kPage + 1;
        const std::vector<const CompiledFigure*> shown(
            figures.begin() + static_cast<std::ptrdiff_t>(first),
            figures.begin() + static_cast<std::ptrdiff_t>(std::min(first + kPage, figures.size())));
        for (std::size_t i = 0; i < shown.size(); ++i)
            key << page << " " << i + 1 << " " << shown[i]->source.english << "\n";
        const QImage image = renderSheet(shown, QStringLiteral("page %1").arg(page), captions);
        if (!image.save(QString::fromStdString(prefix + "-" + std::to_string(page) + ".png"))) {
            std::cerr << "patc: cannot write " << prefix << "\n";
            return 1;
        }
    }
    return ok && key.flush() ? 0 : 1;
}

int solve(std::vector<std::string> args) {
    if (args.size() < 3)
        return usage();
    bool all = false;
    std::vector<std::string> files;
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--all")
            all = true;
        else
            files.push_back(args[i]);
    }
    bool ok = false;
    const Library library = load(files, ok);
    const CompiledFigure* f = pick(library, args[0], args[1]);
    if (f == nullptr)
        return usage();
    const auto start = std::chrono::steady_clock::now();
    Solver solver(silhouetteOf(f->record));
    solver.run(all ? 0 : 1);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::cout << f->source.label() << ": " << solver.solutions().size() << " solution(s), "
              << solver.nodes() << " nodes, " << ms << " ms\n";
    for (const TPatternRecord& s : solver.solutions()) {
        for (int piece = 1; piece <= kPieceCount; ++piece)
            std::cout << "  " << piece << ":" << int(s[piece - 1].column) << ","
                      << int(s[piece - 1].row) << "," << int(s[piece - 1].orientation);
        std::cout << "\n";
    }
    return solver.solutions().empty() ? 1 : 0;
}

// The figures of one category in the order the file should hold them, with the measure and its
// parts, then how well the file's order, the measure and the hidden edge length follow the
// solver's effort. Pictures (categories 0-4) go easiest first; twin pairs stay together, ordered
// by their harder member; the convex tangrams and the letters keep the file's order.
int rank(std::vector<std::string> args) {
    if (args.size() < 2)
        return usage();
    int category = -1;
    if (!toInt(args[0], category))
        return usage();
    bool ok = false;
    const Library library = load({args.begin() + 1, args.end()}, ok);
    const auto figures = library.inCategory(category);
    std::vector<Difficulty> measured;
    for (const CompiledFigure* f : figures)
        measured.push_back(f->valid ? difficultyOf(f->source, f->record) : Difficulty{});
    std::vector<double> sortKey;
    for (std::size_t i = 0; i < figures.size(); ++i) {
        double key = measured[i].score;
        if (category == 5 && (i ^ 1) < figures.size())
            key = std::max(key, measured[i ^ 1].score) + 1e-6 * static_cast<double>(i % 2);
        sortKey.push_back(key);
    }
    std::vector<std::size_t> order(figures.size());
    std::iota(order.begin(), order.end(), 0);
    if (category >= 0 && category <= 5)
        std::stable_sort(order.begin(), order.end(), [&](auto x, auto y) {
            return category == 5 && x / 2 == y / 2 ? x < y : sortKey[x] < sortKey[y] - 1e-9;
        });
    std::printf("rank  file   score  hidden  log2(search)   search   hull  outline  figure\n");
    int position = 0;
    for (const std::size_t i : order) {
        const Difficulty& d = measured[i];
        const std::string& name = figures[i]->source.english;
        if (d.exact)
            std::printf("%4d  %4d  %6.2f  %6.2f  %12.2f  %7llu  %5.2f  %7.2f  %s\n", ++position,
                        figures[i]->source.number, d.score, d.hidden,
                        std::log2(static_cast<double>(std::max<std::uint64_t>(d.searchNodes, 1))),
                        static_cast<unsigned long long>(d.searchNodes), d.hullArea, d.outline,
                        name.c_str());
        else
            std::printf("%4d  %4d       -       -             -        -      -        -  %s\n",
                        ++position, figures[i]->source.number, name.c_str());
    }
    std::vector<double> file, score, hidden, search;
    for (std::size_t i = 0; i < figures.size(); ++i) {
        if (!measured[i].exact)
            continue;
        file.push_back(static_cast<double>(figures[i]->source.number));
        score.push_back(measured[i].score);
        hidden.push_back(measured[i].hidden);
        search.push_back(static_cast<double>(measured[i].searchNodes));
    }
    std::printf("# rank correlation with the search effort: file order %.2f, score %.2f, "
                "hidden edge %.2f\n",
                rankCorrelation(file, search), rankCorrelation(score, search),
                rankCorrelation(hidden, search));
    std::printf("# rank correlation with the hidden edge length: file order %.2f, score %.2f\n",
                rankCorrelation(file, hidden), rankCorrelation(score, hidden));
    return ok ? 0 : 1;
}

// Prints one figure of a category ("all": every figure) with its outline instead of its pieces.
int outline(const std::vector<std::string>& args) {
    if (args.size() < 3)
        return usage();
    bool ok = false;
    const Library library = load({args.begin() + 2, args.end()}, ok);
    std::vector<const CompiledFigure*> chosen;
    int category = -1;
    if (args[1] == "all" && toInt(args[0], category))
        chosen = library.inCategory(category);
    else if (const CompiledFigure* f = pick(library, args[0], args[1]))
        chosen.push_back(f);
    if (chosen.empty())
        return usage();
    int status = 0;
    for (const CompiledFigure* f : chosen) {
        std::vector<std::vector<ExactPoint>> pieces;
        for (const SourcePiece& piece : f->source.pieces)
            if (!piece.raw)
                pieces.push_back(piece.vertices);
        if (pieces.size() != f->source.pieces.size()) {
            std::cerr << "patc: " << f->source.label()
                      << " has pieces given as board placements; it has no exact outline\n";
            status = 1;
            continue;
        }
        std::cout << "figure " << f->source.english << " | " << f->source.german << "\n"
                  << outlineText(outlineOfPieces(pieces));
    }
    return status;
}

// Prints the file with its outlines filled; the problems go to standard error.
int fill(const std::vector<std::string>& args) {
    if (args.size() != 1)
        return usage();
    std::ifstream in(args[0], std::ios::binary);
    if (!in) {
        std::cerr << "patc: cannot read " << args[0] << "\n";
        return 1;
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::string> errors;
    std::cout << fillSourceText(text, args[0], errors);
    for (const std::string& e : errors)
        std::cerr << e << "\n";
    return errors.empty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return usage();
    const std::string command = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "build")
        return build(args);
    if (command == "check") {
        bool ok = false;
        const Library library = load(args, ok);
        printSummary(library);
        return ok ? 0 : 1;
    }
    if (command == "sheet")
        return sheet(argc, argv, args);
    if (command == "solve")
        return solve(args);
    if (command == "blind")
        return blind(argc, argv, args);
    if (command == "cells") {
        if (args.size() < 3)
            return usage();
        bool ok = false;
        const Library library = load({args.begin() + 2, args.end()}, ok);
        const CompiledFigure* f = pick(library, args[0], args[1]);
        if (f == nullptr)
            return usage();
        std::cout << f->source.label() << "\n" << cellCodeText(silhouetteOf(f->record));
        return 0;
    }
    if (command == "rank")
        return rank(args);
    if (command == "fill")
        return fill(args);
    if (command == "outline")
        return outline(args);

    if (command == "shapes") {
        bool ok = false;
        const Library library = load(args, ok);
        for (const CompiledFigure* f : library.inCategory(6)) {
            const ConvexShape s = convexShapeOf(f->source);
            std::cout << f->source.number << " " << f->source.english << ": "
                      << (s.convex ? std::to_string(s.corners) + " corners  " + s.signature
                                   : std::string("not convex"))
                      << "\n";
        }
        return ok ? 0 : 1;
    }
    return usage();
}
