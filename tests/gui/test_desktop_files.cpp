// The desktop's view of the program's files: database files are told by their
// header, so another program's ".tab" is never taken for one of ours.

#include "common/DatabaseFile.h"
#include "common/ResultCodes.h"
#include "support/Elements.h"
#include "support/TempDir.h"

#include <QMimeDatabase>

#include <gtest/gtest.h>

TEST(DesktopFiles, DatabaseFilesAreKnownByTheirHeaderAndOthersAreLeftAlone)
{
    if (!qEnvironmentVariable("XDG_DATA_DIRS").contains(QLatin1String("share")))
        GTEST_SKIP() << "run by CTest, which names the program's MIME database";
    TempDir dir;
    ASSERT_EQ(WriteDatabaseFile(dir.file("kuhinja.tab"), ListOf({MakeElement(500, 300)}), NoGroups(), "", "", ""), rcOK);
    ASSERT_EQ(WriteDatabaseFile(dir.file("kuhinja.tun"), ListOf({MakeElement(500, 300)}), NoGroups(), "", "", ""), rcOK);
    WriteAll(dir.file("table.tab"), "name\tlength\nboard\t2800\n");
    const QMimeDatabase mime;
    const auto typeOf = [&](const char *name) {
        return mime.mimeTypeForFile(QString::fromStdString(dir.file(name))).name();
    };
    EXPECT_EQ(typeOf("kuhinja.tab"), QStringLiteral("application/x-morvena-elements"));
    EXPECT_EQ(typeOf("kuhinja.tun"), QStringLiteral("application/x-morvena-universal"));
    EXPECT_NE(typeOf("table.tab"), QStringLiteral("application/x-morvena-elements"));
}
