// SPDX-License-Identifier: GPL-3.0-or-later
// The figure-source parser of the pattern tool on any text: it reports problems as "file:line:"
// messages and never fails otherwise; every coordinate it accepts prints and parses back alike.
#include "fuzz_support.h"
#include "tools/patterns/sourceparser.h"

#include <sstream>

using namespace tangram;
using namespace tangram::patterns;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> errors;
    const CategorySource source = parseCategorySource(text, "fuzz.tangrams", errors);
    for (const std::string& error : errors)
        FUZZ_CHECK(error.rfind("fuzz.tangrams:", 0) == 0);
    // A source read without a problem is consistent.
    for (const SourceFigure& figure : source.figures) {
        FUZZ_CHECK(!errors.empty() || figure.category == source.category);
        FUZZ_CHECK(figure.number >= 1 && figure.number <= static_cast<int>(source.figures.size()));
    }

    // Each word of the text as a coordinate "a+bd".
    std::istringstream words(text);
    std::string word;
    for (int n = 0; n < 64 && words >> word; ++n) {
        Exact value{};
        Exact again{};
        if (parseExact(word, value))
            FUZZ_CHECK(parseExact(value.text(), again) && again == value);
    }
    for (const char* kind : {"small", "medium", "large", "square", "para", "mpara", "x"}) {
        const int turn = size == 0 ? 0 : data[0] % 16 - 4;
        (void)canonicalVertices(kind, turn);
    }
    return 0;
}
