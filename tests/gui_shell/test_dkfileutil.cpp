#include "shell/DkFileUtil.h"

#include <gtest/gtest.h>

using namespace tessaro;

TEST(DkFileUtil, SplitsPathsAsTheShellDoes)
{
    const DkFileUtil& u = DkFileUtil::instance();
    EXPECT_EQ(u.AddLastEnMark("C:\\data"), "C:\\data\\");
    EXPECT_EQ(u.AddLastEnMark("C:\\data\\"), "C:\\data\\");
    EXPECT_EQ(u.ExtractLastEnMark("C:\\data\\"), "C:\\data");
    EXPECT_EQ(u.GetDir("C:\\data\\works.tsx"), "C:\\data");
    EXPECT_EQ(u.GetFileName("C:\\data\\works.tsx"), "works.tsx");
    EXPECT_EQ(u.GetFileName("C:works.tsx"), "works.tsx");
    EXPECT_EQ(u.GetFileName("C:\\data\\folder"), ""); // no "." → ""
    EXPECT_EQ(u.ExtractExt("/home/a/works.tsx"), "/home/a/works");
    EXPECT_EQ(u.GetFileExt("/home/a/works.tsx"), "tsx");
    EXPECT_EQ(u.GetFileExt("/home/a.b/works"), "");
    EXPECT_EQ(u.DirEx("   "), "");
}
