// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/boundedfile.h"
#include "data/helpdocument.h"

#include <QByteArray>
#include <QFile>
#include <gtest/gtest.h>

using namespace tangram;

TEST(HelpDocument, NestingCountsOpenElementsOnly) {
    EXPECT_EQ(helpNestingDepth(""), 0);
    EXPECT_EQ(helpNestingDepth("plain text, 1 < 2 > 0"), 0);
    EXPECT_EQ(helpNestingDepth("<p>a</p><p>b</p>"), 1);
    EXPECT_EQ(helpNestingDepth("<ul><li><b>x</b></li></ul>"), 3);
    EXPECT_EQ(helpNestingDepth("<!DOCTYPE html><!-- x --><?xml?><br><HR><img src=a><p/>"), 0);
    EXPECT_EQ(helpNestingDepth("</div></div><div>"), 1) << "stray closing tags go no lower";
    EXPECT_EQ(helpNestingDepth("<p>one<p>two<p>three"), 3);
}

TEST(HelpDocument, DeepOrHugeDocumentsAreRefused) {
    // Each of these froze the window for seconds, the tables crashed the rich-text engine.
    EXPECT_FALSE(helpDocumentWithinBounds(QByteArray("<div>").repeated(20000)));
    EXPECT_FALSE(helpDocumentWithinBounds(QByteArray("<ul><li>").repeated(5000)));
    EXPECT_FALSE(helpDocumentWithinBounds(QByteArray("<table><tr><td>").repeated(3000)));
    EXPECT_FALSE(helpDocumentWithinBounds(QByteArray(kMaxHelpBytes + 1, 'x')));
    EXPECT_TRUE(helpDocumentWithinBounds(QByteArray("<div>").repeated(kMaxHelpNesting)));
    EXPECT_FALSE(helpDocumentWithinBounds(QByteArray("<div>").repeated(kMaxHelpNesting + 1)));
    EXPECT_TRUE(helpDocumentWithinBounds(QByteArray("<p>hello</p>\n").repeated(50000)));
}

TEST(HelpDocument, TheGamesOwnDocumentIsWellInside) {
    const BoundedFile file = readBoundedFile(QStringLiteral(WT_HELP_SOURCE), kMaxHelpBytes);
    ASSERT_EQ(file.outcome, BoundedFile::Outcome::Read);
    EXPECT_TRUE(helpDocumentWithinBounds(file.bytes));
    EXPECT_LT(helpNestingDepth(file.bytes), kMaxHelpNesting / 4);
}
