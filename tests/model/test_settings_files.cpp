#include "support/TestSupport.h"

#include "model/RecentFiles.h"

#include <gtest/gtest.h>

using namespace tessaro;

TEST(RecentFiles, NewPathGoesOnTopTheTenthIsLostAndAReopenedEntryMovesUp)
{
    QStringList ten;
    for (int i = 1; i <= 10; ++i)
        ten << QStringLiteral("/works/%1.tsx").arg(i);
    recent::setFiles(ten);
    int calls = 0;
    recent::setChangedCallback([&] { ++calls; });
    recent::AddRecentFile("/works/4.tsx");
    EXPECT_EQ(recent::files().mid(0, 5),
        QStringList({ "/works/4.tsx", "/works/1.tsx", "/works/2.tsx", "/works/3.tsx", "/works/5.tsx" }));
    recent::AddRecentFile("/works/new.tsx");
    EXPECT_EQ(recent::files().size(), 10);
    EXPECT_EQ(recent::files().value(0), "/works/new.tsx");
    EXPECT_FALSE(recent::files().contains("/works/10.tsx"));
    recent::clear();
    recent::setChangedCallback({});
    EXPECT_EQ(calls, 3);
    EXPECT_TRUE(recent::files().isEmpty());
}
