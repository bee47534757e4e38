// SPDX-License-Identifier: GPL-3.0-or-later
// patc: the pattern library compiler, checker, renderer and solver.
//
//   patc build -o <kelm.dat> <category files...>   check everything, write the library
//   patc check <category files...>                 check everything, print a summary
//   patc sheet <category> -o <png> <files...>      contact sheet of one category
//   patc cells <category> <number> <files...>      cell codes of one figure's silhouette
//   patc solve <category> <number> [--all] <files...>
//                                                  solve the figure's silhouette from its cells
//   patc shapes <files...>                         the convex tangrams' hull signatures
//   patc rank <category> <files...>                difficulty of each figure, easiest first
//
// Category files are given in category order; figures are numbered from 1 within a category.
// Every problem is printed as "file:line: figure: piece: reason"; the exit status is 1 if any.
#include "tools/patterns/contactsheet.h"
#include "tools/patterns/convexshape.h"
#include "tools/patterns/difficulty.h"
#include "tools/patterns/library.h"
#include "tools/patterns/silhouette.h"
#include "tools/patterns/solver.h"

#include <QGuiApplication>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
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
                 "       patc cells <category> <number> <files...>\n"
                 "       patc rank <category> <files...>\n"
                 "       patc solve <category> <number> [--all] <files...>\n"
                 "       patc shapes <files...>\n";
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

// The figures of one category from easiest to hardest by their outline, with their place in
// the file, so an author can see where the file's order and the measure disagree.
int rank(std::vector<std::string> args) {
    if (args.size() < 2)
        return usage();
    int category = -1;
    if (!toInt(args[0], category))
        return usage();
    bool ok = false;
    const Library library = load({args.begin() + 1, args.end()}, ok);
    std::vector<std::pair<Difficulty, const CompiledFigure*>> ranked;
    for (const CompiledFigure* f : library.inCategory(category))
        ranked.emplace_back(difficultyOf(f->source), f);
    // Equal outlines often give scores that differ only by rounding; those keep the file's order.
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& x, const auto& y) {
        return x.first.score < y.first.score - 1e-9;
    });
    std::printf("rank  file   score   hull  outline  figure\n");
    int position = 0;
    for (const auto& [d, f] : ranked) {
        if (d.exact)
            std::printf("%4d  %4d  %6.3f  %5.2f  %7.2f  %s\n", ++position, f->source.number,
                        d.score, d.hullArea, d.outline, f->source.english.c_str());
        else
            std::printf("%4d  %4d       -      -        -  %s\n", ++position, f->source.number,
                        f->source.english.c_str());
    }
    return ok ? 0 : 1;
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
