#include "ui/TabSeparated.h"

#include <gtest/gtest.h>

using namespace tessaro::ui;

TEST(TabSeparated, ReadsWhatSpreadsheetsPutOnTheClipboard)
{
    // Excel ends every row with CR LF and quotes a cell holding a line break.
    EXPECT_EQ(fromTabSeparated("1\t2\r\n3\t4\r\n"), (QList<QStringList> { { "1", "2" }, { "3", "4" } }));
    EXPECT_EQ(fromTabSeparated("1\t2\n3\t4"), (QList<QStringList> { { "1", "2" }, { "3", "4" } }));
    EXPECT_EQ(
        fromTabSeparated("\"a\r\nb\"\t\"say \"\"x\"\"\"\r\n"), (QList<QStringList> { { "a\r\nb", "say \"x\"" } }));
    EXPECT_EQ(fromTabSeparated("5\t\r\n"), (QList<QStringList> { { "5", "" } }));
    EXPECT_EQ(fromTabSeparated("\r\n"), (QList<QStringList> { { "" } }));
    EXPECT_TRUE(fromTabSeparated("").isEmpty());
}

TEST(TabSeparated, WritesCellsThatReadBackUnchanged)
{
    const QList<QStringList> rows = { { "No.1", "12.50", "" }, { "tab\there", "\"quoted\"", "line\nbreak" } };
    QString text = toTabSeparated(rows);
    EXPECT_TRUE(text.startsWith("No.1\t12.50\t\r\n"));
    EXPECT_EQ(fromTabSeparated(text), rows);
}
