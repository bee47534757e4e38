// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/weblink.h"

#include <QList>
#include <gtest/gtest.h>

using namespace tangram;

namespace {

const QUrl kPage(QStringLiteral("https://tangram.invalid/"));

TEST(WebLink, WithoutAnAddressThereIsNothingToOpen) {
    int attempts = 0;
    WebLink link(QUrl(), [&attempts](const QUrl&) {
        ++attempts;
        return true;
    });
    EXPECT_FALSE(link.hasAddress());
    EXPECT_FALSE(link.open());
    EXPECT_EQ(attempts, 0);
}

TEST(WebLink, TheBuildsAddressIsEitherEmptyOrAWebPage) {
    const QUrl configured = WebLink::configuredAddress();
    if (!configured.isEmpty()) {
        EXPECT_TRUE(configured.isValid());
        EXPECT_TRUE(configured.scheme() == "https" || configured.scheme() == "http");
    }
}

TEST(WebLink, OpensThePageEveryTimeWhileTheDesktopAccepts) {
    QList<QUrl> opened;
    WebLink link(kPage, [&opened](const QUrl& url) {
        opened.append(url);
        return true;
    });
    EXPECT_TRUE(link.open());
    EXPECT_TRUE(link.open());
    EXPECT_TRUE(link.isEnabled());
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened.first(), kPage);
}

TEST(WebLink, AFailureSwitchesTheLinkOffForTheRestOfTheRun) {
    int attempts = 0;
    WebLink link(kPage, [&attempts](const QUrl&) {
        ++attempts;
        return false;
    });
    EXPECT_TRUE(link.isEnabled());
    EXPECT_FALSE(link.open());
    EXPECT_FALSE(link.isEnabled());
    EXPECT_FALSE(link.open());
    EXPECT_EQ(attempts, 1) << "a switched-off link must not try again";
}

} // namespace
