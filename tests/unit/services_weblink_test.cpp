// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/weblink.h"

#include <QList>
#include <gtest/gtest.h>

using namespace tangram;

namespace {

TEST(WebLink, HomePageIsAnHttpsAddress) {
    const QUrl url = WebLink::url();
    EXPECT_TRUE(url.isValid());
    EXPECT_EQ(url.scheme(), "https");
    EXPECT_FALSE(url.host().isEmpty());
}

TEST(WebLink, OpensTheHomePageEveryTimeWhileTheDesktopAccepts) {
    QList<QUrl> opened;
    WebLink link([&opened](const QUrl& url) {
        opened.append(url);
        return true;
    });
    EXPECT_TRUE(link.open());
    EXPECT_TRUE(link.open());
    EXPECT_TRUE(link.isEnabled());
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened.first(), WebLink::url());
}

TEST(WebLink, AFailureSwitchesTheLinkOffForTheRestOfTheRun) {
    int attempts = 0;
    WebLink link([&attempts](const QUrl&) {
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
